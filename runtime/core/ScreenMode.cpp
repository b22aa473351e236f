#include "core/ScreenMode.h"

#include "base/RuntimeContext.h"
#include "core/FrameLoop.h"
#include "gfx2d/renderer/RendererFace.h"
#include "input/InputSetup.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {
constexpr int kFreshFrames = 5;
}

void SetScreenMode(double width, double height, double fullScreen) {
  StartupSettings& settings = Settings();
  RuntimeContext& rt = Runtime();
  settings.screenWidth = TruncateToInt32(width);
  settings.screenHeight = TruncateToInt32(height);
  settings.fullScreen = TruncateToInt32(fullScreen);
  const int full = settings.fullScreen != 0 && !rt.keepWindowed ? 1 : 0;
  // The scaled screen follows before the input object re-applies its cursor mode.
  if (!SetRendererScreenMode(settings.screenWidth, settings.screenHeight, full)) return;
  TakeNewWindow();
  for (int i = 0; i < kFreshFrames; ++i)
    PresentFrame();
}

}  // namespace zentoir
