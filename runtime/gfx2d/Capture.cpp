#include "gfx2d/Capture.h"

#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {

void CaptureSprite(double n, double x, double y, double width, double height) {
  if (OpenGLRadazuri* r = ActiveRenderer()) {
    r->CaptureSprite(TruncateToInt32(n), TruncateToInt32(x), TruncateToInt32(y),
                     TruncateToInt32(width), TruncateToInt32(height));
  }
}

void CaptureBackground() {
  if (OpenGLRadazuri* r = ActiveRenderer()) r->CaptureScreenToBackground(0);
}

double GetPixel(double x, double y) {
  OpenGLRadazuri* r = ActiveRenderer();
  return r ? r->ReadPixel(TruncateToInt32(x), TruncateToInt32(y)) : 0;
}

}  // namespace zentoir
