#include "gfx2d/ScaledScreen.h"

#include "base/WindowMapping.h"
#include "gfx2d/renderer/Renderer.h"

namespace zentoir {

double SetScaledScreen(double flag) {
  OpenGLRadazuri* r = Renderer();
  if (!r) {
    ResetWindowMapping();
    return 0;
  }
  return r->SetScaledScreen(flag != 0) ? 1 : 0;
}

double IsScaledScreen() {
  const OpenGLRadazuri* r = Renderer();
  return r && r->ScaledScreenOn() ? 1 : 0;
}

}  // namespace zentoir
