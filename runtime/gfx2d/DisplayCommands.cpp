#include "gfx2d/DisplayCommands.h"

#include "base/RuntimeContext.h"
#include "base/Truncate.h"
#include "gfx2d/OpenGLRadazuri.h"

namespace zentoir {

void SetFrameRateLimit(double framesPerSecond) {
  OpenGLRadazuri* renderer = Runtime().renderer;
  if (renderer) renderer->SetFrameRateLimit(TruncateToInt32(framesPerSecond));
}

double IsFullScreen() {
  const OpenGLRadazuri* renderer = Runtime().renderer;
  return renderer && renderer->IsFullScreen() ? 1 : 0;
}

void SetVerticalSync(double flag) {
  OpenGLRadazuri* renderer = Runtime().renderer;
  if (renderer) renderer->SetVerticalSync(flag != 0);
}

}  // namespace zentoir
