#include "core/ScreenMode.h"

#include "base/RuntimeContext.h"
#include "core/FrameLoop.h"
#include "gfx2d/renderer/Renderer.h"
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
  OpenGLRadazuri* renderer = Renderer();
  if (!renderer) return;
  const int full = settings.fullScreen != 0 && !rt.keepWindowed ? 1 : 0;
  renderer->ApplyScreenMode(settings.screenWidth, settings.screenHeight, 0, full);
  renderer->FitScaledScreen();  // before the input object re-applies its cursor mode
  TakeNewWindow();
  for (int i = 0; i < kFreshFrames; ++i)
    PresentFrame();
}

}  // namespace zentoir
