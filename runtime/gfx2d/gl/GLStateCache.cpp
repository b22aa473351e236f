#include "gfx2d/gl/GLStateCache.h"

#include <GL/gl.h>

#include "gfx2d/gl/QuadBatch.h"

namespace zentoir {

void GLStateCache::BindTexture(uint32_t texture) {
  if (textureKnown_ && texture_ == texture) return;
  pending_.Flush();
  glBindTexture(GL_TEXTURE_2D, texture);
  textureKnown_ = true;
  texture_ = texture;
}

void GLStateCache::SetBlending(bool on) {
  if (!Changes(on, blending_)) return;
  if (on) {
    glEnable(GL_BLEND);
  } else {
    glDisable(GL_BLEND);
  }
}

bool GLStateCache::Changes(bool on, Known& known) {
  const Known wanted = on ? Known::On : Known::Off;
  if (known == wanted) return false;
  pending_.Flush();
  known = wanted;
  return true;
}

void GLStateCache::SetTexturing(bool on) {
  if (Changes(on, texturing_)) backends_.Current().SetTexturing(on);
}

void GLStateCache::SetAlphaTest(bool on) {
  if (Changes(on, alphaTest_)) backends_.Current().SetAlphaTest(on);
}

void GLStateCache::SetBlendFunction(uint32_t source, uint32_t destination) {
  if (blendKnown_ && blendSource_ == source && blendDestination_ == destination) return;
  pending_.Flush();
  glBlendFunc(source, destination);
  blendKnown_ = true;
  blendSource_ = source;
  blendDestination_ = destination;
}

void GLStateCache::SetColour(float red, float green, float blue, float alpha) {
  const std::array<float, 4> wanted{red, green, blue, alpha};
  if (colourKnown_ && colour_ == wanted) return;
  pending_.Flush();
  backends_.Current().SetColour(red, green, blue, alpha);
  colourKnown_ = true;
  colour_ = wanted;
}

void GLStateCache::SetTextureReplace(bool on) {
  if (Changes(on, replace_)) backends_.Current().SetTextureReplace(on);
}

void GLStateCache::SetBlendMode(BlendMode mode) {
  blendMode_ = mode;
  if (mode != BlendMode::Off)
    SetBlendFunction(GL_SRC_ALPHA, mode == BlendMode::Additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
  UseBlendMode();
}

bool GLStateCache::WhiteColourAlpha(float& alpha) const {
  if (!colourKnown_ || colour_[0] != 1 || colour_[1] != 1 || colour_[2] != 1) return false;
  alpha = colour_[3];
  return true;
}

void GLStateCache::Forget() {
  textureKnown_ = blendKnown_ = colourKnown_ = false;
  texturing_ = alphaTest_ = blending_ = replace_ = Known::Unknown;
}

void GLStateCache::FlushAndForget() {
  pending_.Flush();
  if (blending_ != Known::Unknown) UseBlendMode();
  if (replace_ == Known::On) SetTextureReplace(false);
  backends_.Current().HandBack();
  Forget();
}

}  // namespace zentoir
