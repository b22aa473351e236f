#include "gfx2d/DrawingState.h"

#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {

void SetAlphaMode(double alpha) {
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r) return;
  r->SetAlphaMode(static_cast<float>(alpha));
}

void SetViewport(double x, double y, double width, double height) {
  if (OpenGLRadazuri* r = ActiveRenderer()) {
    r->ResetDrawingState(TruncateToInt32(x), TruncateToInt32(y), TruncateToInt32(width),
                         TruncateToInt32(height));
  }
}

void GetScreenSize(double& width, double& height) {
  const OpenGLRadazuri* r = Renderer();
  width = r ? r->ScreenWidth() : 0;
  height = r ? r->ScreenHeight() : 0;
}

void SetSmoothing(double flag) {
  if (OpenGLRadazuri* r = Renderer()) r->SetSmoothing(flag != 0);
}

void SetTransparentColour(double colour) {
  if (OpenGLRadazuri* r = Renderer()) r->SetTransparentColour(uint32_t(TruncateToInt64(colour)));
}

}  // namespace zentoir
