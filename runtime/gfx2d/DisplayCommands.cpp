#include "gfx2d/DisplayCommands.h"

#include "base/Truncate.h"
#include "gfx2d/renderer/Renderer.h"

namespace zentoir {

void SetFrameRateLimit(double framesPerSecond) {
  OpenGLRadazuri* renderer = Renderer();
  if (renderer) renderer->SetFrameRateLimit(TruncateToInt32(framesPerSecond));
}

double IsFullScreen() {
  const OpenGLRadazuri* renderer = Renderer();
  return renderer && renderer->IsFullScreen() ? 1 : 0;
}

void SetVerticalSync(double flag) {
  OpenGLRadazuri* renderer = Renderer();
  if (renderer) renderer->SetVerticalSync(flag != 0);
}

}  // namespace zentoir
