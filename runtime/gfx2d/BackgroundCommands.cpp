#include "gfx2d/BackgroundCommands.h"

#include <string>

#include "core/ErrorLog.h"
#include "core/FrameLoop.h"
#include "files/ArchiveSlot.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/Renderer.h"

namespace zentoir {
namespace {

constexpr double kFadeMs = 1500;
constexpr double kFirstFadeWeight = 0.9;
constexpr int32_t kFadeTarget = 1;
constexpr int32_t kFadeSource = 2;

void ClearToNothing(OpenGLRadazuri& r) {
  r.FreeBackgroundImage(0);
  r.ClearColourBuffer();
}

bool Resolve(const DynString& path, std::string& file) {
  return ResolveDataFile(GeneralArchiveSlot(), path.CStr(), file) == 1;
}

}  // namespace

void LoadBackground(const DynString& path) {
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r) return;
  AppendErrorLog("Loadbmp");
  AppendErrorLog("Dedevovudo");
  std::string file;
  if (!Resolve(path, file)) {
    AppendErrorLog("failed");
    ClearToNothing(*r);
    return;
  }
  AppendErrorLog("OK?");
  if (r->LoadBackgroundImage(0, file)) {
    r->DrawBackgroundImage(0);
  } else {
    ClearToNothing(*r);
  }
}

void FadeToBackground(const DynString& path) {
  OpenGLRadazuri* r = ActiveRenderer();
  std::string file;
  if (!r || !Resolve(path, file)) return;
  r->CaptureScreenToBackground(kFadeSource);
  r->LoadBackgroundImage(kFadeTarget, file);
  ClearToNothing(*r);
  const double end = GetTimeMs() + kFadeMs;
  double weight = kFirstFadeWeight;
  do {
    SetAlphaMode(weight);
    r->DrawBackgroundImage(kFadeSource);
    SetAlphaMode(1 - weight);
    r->DrawBackgroundImage(kFadeTarget);
    PresentFrame();
    weight = (end - GetTimeMs()) / kFadeMs;
  } while (weight > 0 && weight < 1);
  r->FreeBackgroundImage(kFadeTarget);
  r->FreeBackgroundImage(kFadeSource);
  r->LoadBackgroundImage(0, file);
  SetAlphaMode(0);
  r->DrawBackgroundImage(0);
  PresentFrame();
}

void ClearBackground() {
  if (OpenGLRadazuri* r = ActiveRenderer()) ClearToNothing(*r);
}

}  // namespace zentoir
