#include "modal/Fade.h"

#include <string>

#include "core/FrameLoop.h"
#include "files/ArchiveSlot.h"
#include "gfx2d/BackgroundCommands.h"
#include "gfx2d/DrawingState.h"
#include "gfx2d/renderer/RendererFace.h"

namespace zentoir {
namespace {

constexpr double kFadeMs = 1500;
constexpr double kFirstFadeWeight = 0.9;
constexpr int32_t kFadeTarget = 1;
constexpr int32_t kFadeSource = 2;

}  // namespace

void FadeToBackground(const DynString& path) {
  std::string file;
  if (!ResolveGeneralDataFile(path, file) || !CaptureBackgroundSlot(kFadeSource)) return;
  LoadBackgroundSlot(kFadeTarget, file);
  ClearBackground();
  const double end = GetTimeMs() + kFadeMs;
  double weight = kFirstFadeWeight;
  do {
    SetAlphaMode(weight);
    DrawBackgroundSlot(kFadeSource);
    SetAlphaMode(1 - weight);
    DrawBackgroundSlot(kFadeTarget);
    PresentFrame();
    weight = (end - GetTimeMs()) / kFadeMs;
  } while (weight > 0 && weight < 1);
  FreeBackgroundSlot(kFadeTarget);
  FreeBackgroundSlot(kFadeSource);
  LoadBackgroundSlot(0, file);
  SetAlphaMode(0);
  DrawBackgroundSlot(0);
  PresentFrame();
}

}  // namespace zentoir
