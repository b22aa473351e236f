#include "gfx2d/gl/Textures.h"

#include <GL/gl.h>

#include "gfx2d/gl/EmbeddedPixels.h"
#include "gfx2d/gl/GLExtensions.h"

namespace zentoir {
namespace {

static_assert(NearestFilter() == GL_NEAREST && LinearFilter() == GL_LINEAR);

void ReadTexture(uint32_t texture, GLenum format, uint8_t* out) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, out);
}

}  // namespace

void DeleteTextureName(uint32_t& name) {
  if (name != 0) {
    const GLuint texture = name;
    glDeleteTextures(1, &texture);
  }
  name = 0;
}

uint32_t MakeRepeatingTexture() {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  return texture;
}

void BindTexture(uint32_t texture) {
  glBindTexture(GL_TEXTURE_2D, texture);
}

void SetUnpackState() {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  if (EmbeddedGL()) return;  // the rest are always 0 there
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
}

void SetBoundFilter(int32_t filter) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
}

void UseBoundMipmaps() {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
}

void ClampBoundAtEdges() {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

// OpenGL ES names the stored format by the format of the texels given.
void UploadRgbaLevel(int32_t level, int32_t w, int32_t h, const uint8_t* rgba) {
  const GLint stored = EmbeddedGL() ? GL_RGBA : GL_RGBA8;
  glTexImage2D(GL_TEXTURE_2D, level, stored, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

void UploadBgra(int32_t T, int32_t U, const uint8_t* bgra, bool alpha) {
  if (!EmbeddedGL()) {
    glTexImage2D(GL_TEXTURE_2D, 0, alpha ? GL_RGBA8 : GL_RGB8, T, U, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 bgra);
  } else if (bgra) {
    const std::vector<uint8_t> rgba = RgbaFromBgra(bgra, size_t(T) * size_t(U), alpha);
    UploadRgbaLevel(0, T, U, rgba.data());
  } else {
    const GLenum format = alpha ? GL_RGBA : GL_RGB;
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(format), T, U, 0, format, GL_UNSIGNED_BYTE, nullptr);
  }
}

void CopyTargetToBound(int32_t x, int32_t yFromBottom, int32_t w, int32_t h) {
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, yFromBottom, w, h);
}

void ReadTextureBgr(uint32_t texture, int32_t w, int32_t h, uint8_t* pixels) {
  if (!EmbeddedGL()) return ReadTexture(texture, GL_BGR, pixels);
  const std::vector<uint8_t> rgba = ReadTextureRgba(texture, w, h);
  for (size_t i = 0; i < rgba.size() / 4; ++i)
    PutBgr(rgba, i, pixels + i * 3);
}

void ReadTextureAlpha(uint32_t texture, int32_t w, int32_t h, uint8_t* alpha) {
  if (!EmbeddedGL()) return ReadTexture(texture, GL_ALPHA, alpha);
  const std::vector<uint8_t> rgba = ReadTextureRgba(texture, w, h);
  for (size_t i = 0; i < rgba.size() / 4; ++i)
    alpha[i] = rgba[i * 4 + 3];
}

int32_t LargestTextureSide() {
  GLint largest = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
  return largest;
}

bool HasSecondTextureUnit() {
  return GLExtensions().glActiveTextureARB != nullptr;
}

void DisableSecondUnitTexturing() {
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glActiveTextureARB(GL_TEXTURE1_ARB);
  glDisable(GL_TEXTURE_2D);
  gl.glActiveTextureARB(GL_TEXTURE0_ARB);
}

}  // namespace zentoir
