// The renderer's 2D drawing state: viewport, fixed GL state, alpha mode, filters.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "gfx2d/renderer/OpenGLRadazuri.h"

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

}  // namespace zentoir
