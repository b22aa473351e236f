#include "gfx2d/gl/TextureReadBack.h"

#include <GL/gl.h>

namespace zentoir {
namespace {

void ReadTexture(uint32_t texture, GLenum format, uint8_t* out) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, out);
}

}  // namespace

void ReadTextureBgr(uint32_t texture, uint8_t* pixels) {
  ReadTexture(texture, GL_BGR, pixels);
}

void ReadTextureAlpha(uint32_t texture, uint8_t* alpha) {
  ReadTexture(texture, GL_ALPHA, alpha);
}

}  // namespace zentoir
