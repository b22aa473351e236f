#include "gfx2d/gl/EmbeddedPixels.h"

#include <GL/gl.h>

#include "gfx2d/gl/Framebuffers.h"
#include "gfx2d/gl/GLExtensions.h"

namespace zentoir {

std::vector<uint8_t> ReadTextureRgba(uint32_t texture, int32_t w, int32_t h) {
  const GLExtensionFunctions& gl = GLExtensions();
  if (!HasFramebufferObjects() || w <= 0 || h <= 0) return {};
  const uint32_t bound = BoundFramebuffer();
  GLuint framebuffer = 0;
  gl.glGenFramebuffersEXT(1, &framebuffer);
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
  gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, texture,
                               0);
  std::vector<uint8_t> rgba;
  if (gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT)
    rgba = ReadTargetRgba(0, 0, w, h);
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, bound);
  gl.glDeleteFramebuffersEXT(1, &framebuffer);
  return rgba;
}

std::vector<uint8_t> ReadTargetRgba(int32_t x, int32_t yFromBottom, int32_t w, int32_t h) {
  if (w <= 0 || h <= 0) return {};
  std::vector<uint8_t> rgba(size_t(w) * size_t(h) * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, yFromBottom, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  return rgba;
}

std::vector<uint8_t> RgbaFromBgra(const uint8_t* bgra, size_t texels, bool alpha) {
  std::vector<uint8_t> rgba(texels * 4);
  for (size_t i = 0; i < texels; ++i, bgra += 4) {
    rgba[i * 4] = bgra[2];
    rgba[i * 4 + 1] = bgra[1];
    rgba[i * 4 + 2] = bgra[0];
    rgba[i * 4 + 3] = alpha ? bgra[3] : 255;
  }
  return rgba;
}

}  // namespace zentoir
