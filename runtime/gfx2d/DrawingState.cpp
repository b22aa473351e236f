#include "gfx2d/DrawingState.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "gfx2d/renderer/Renderer.h"
#include "text/NumberText.h"

namespace zentoir {

void OpenGLRadazuri::ResetDrawingState(int32_t x, int32_t y, int32_t w, int32_t h) {
  if (w <= 0 || h <= 0) {
    w = width;
    h = height;
  }
  viewportX = x, viewportY = y, viewportWidth = w, viewportHeight = h;
  SetViewportDirectly(x, y, w, h);
  // Told to the state cache, so that the sprites drawn next know their colour.
  glState.SetColour(1, 1, 1, 1);
  smoothingFlag = 1;
  BindSprite(-1);
}

void OpenGLRadazuri::SetViewportDirectly(int32_t x, int32_t y, int32_t w, int32_t h) {
  DirectGL direct(glState);
  quadBatch.SetDrawingArea(float(w), float(h));
  glViewport(x, height - h - y, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, w, h, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  glEnable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.05f);
  glColor4f(1, 1, 1, 1);
  glClearColor(0, 0, 0, 1);

  for (GLenum capability : {GL_FOG, GL_LINE_SMOOTH, GL_POINT_SMOOTH, GL_POLYGON_SMOOTH,
                            GL_STENCIL_TEST, GL_POLYGON_OFFSET_POINT, GL_AUTO_NORMAL, GL_NORMALIZE,
                            GL_LIGHTING, GL_COLOR_MATERIAL, GL_DITHER}) {
    glDisable(capability);
  }
  glShadeModel(GL_FLAT);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);
}

void OpenGLRadazuri::PrepareSprite(int32_t n) {
  BindSprite(n);
  SetBoundTextureFilter(spriteTable[n].texture, SmoothingFilter());
  PrepareTexturedFragments(spriteTable[n].texture);
}

int32_t OpenGLRadazuri::SmoothingFilter() const {
  return smoothingFlag ? GL_LINEAR : GL_NEAREST;
}

void OpenGLRadazuri::ForgetTextureState(uint32_t texture) {
  if (textureFilters.size() <= texture) textureFilters.resize(texture + 1, 0);
  textureFilters[texture] = 0;
  SetTextureAlpha(texture, TextureAlpha::Translucent);
}

void OpenGLRadazuri::SetAlphaMode(float a) {
  glState.SetBlendMode(a == 0 ? BlendMode::Off : a > 0 ? BlendMode::Additive : BlendMode::Normal);
  // A weight that is not a number (a failed calculation) draws opaque, as -1 does.
  currentAlpha = a == 0 || std::isnan(a) ? 1.0f : std::min(std::fabs(a), 1.0f);
  glState.SetColour(1, 1, 1, currentAlpha);
}

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
