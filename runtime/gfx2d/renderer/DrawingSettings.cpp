// The renderer's 2D drawing state: viewport, fixed GL state, alpha mode, filters.
#include <algorithm>
#include <cmath>

#include "gfx2d/gl/TargetClears.h"
#include "gfx2d/gl/Textures.h"
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
  drawBackends.Current().Set2DState(x, y, w, h, height);
}

DrawBackendKind OpenGLRadazuri::UseDrawBackend(DrawBackendKind kind) {
  if (!GLReady()) return drawBackends.CurrentKind();
  glState.FlushAndForget();
  drawBackends.Choose(context, kind);
  ResetFullDrawingState();
  return drawBackends.CurrentKind();
}

void OpenGLRadazuri::PrepareSprite(int32_t n) {
  BindSprite(n);
  SetBoundTextureFilter(spriteTable[n].texture, SmoothingFilter());
  PrepareTexturedFragments(spriteTable[n].texture);
}

int32_t OpenGLRadazuri::SmoothingFilter() const {
  return smoothingFlag ? LinearFilter() : NearestFilter();
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
