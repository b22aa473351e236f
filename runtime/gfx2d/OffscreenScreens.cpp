#include "gfx2d/OffscreenScreens.h"

#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {

void CreateScreen(double s, double n, double width, double height) {
  if (OpenGLRadazuri* r = ActiveRenderer()) {
    r->CreateScreen(TruncateToInt32(s), TruncateToInt32(n), TruncateToInt32(width),
                    TruncateToInt32(height));
  }
}

void UseScreen(double s) {
  if (OpenGLRadazuri* r = ActiveRenderer()) r->UseScreen(TruncateToInt32(s));
}

}  // namespace zentoir
