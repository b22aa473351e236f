#include "modal/Fade.h"

#include <string>

#include "core/FrameLoop.h"
#include "files/ArchiveSlot.h"
#include "gfx2d/BackgroundCommands.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/renderer/Renderer.h"

namespace zentoir {
namespace {

constexpr double kFadeMs = 1500;
constexpr double kFirstFadeWeight = 0.9;
constexpr int32_t kFadeTarget = 1;
constexpr int32_t kFadeSource = 2;

}  // namespace

void FadeToBackground(const DynString& path) {
  OpenGLRadazuri* r = ActiveRenderer();
  std::string file;
  if (!r || !ResolveGeneralDataFile(path, file)) return;
  r->CaptureScreenToBackground(kFadeSource);
  r->LoadBackgroundImage(kFadeTarget, file);
  ClearBackground();
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

}  // namespace zentoir
