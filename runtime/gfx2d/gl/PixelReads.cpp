#include "gfx2d/gl/PixelReads.h"

#include <algorithm>

#include <GL/gl.h>
#include <GL/glext.h>

#include "gfx2d/gl/EmbeddedPixels.h"
#include "gfx2d/gl/GLExtensions.h"

namespace zentoir {

void ReadBgrPixels(int32_t x, int32_t yFromBottom, int32_t w, int32_t h, uint8_t* bgr) {
  if (EmbeddedGL()) {
    const std::vector<uint8_t> rgba = ReadTargetRgba(x, yFromBottom, w, h);
    for (size_t i = 0; i < rgba.size() / 4; ++i)
      PutBgr(rgba, i, bgr + i * 3);
    return;
  }
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, yFromBottom, w, h, GL_BGR, GL_UNSIGNED_BYTE, bgr);
}

void ReadBgraRows(int32_t x, int32_t yFromBottom, int32_t w, int32_t h, int32_t rowLength,
                  uint8_t* bgra) {
  if (EmbeddedGL()) {
    const std::vector<uint8_t> rgba = ReadTargetRgba(x, yFromBottom, w, h);
    for (size_t row = 0; row < size_t(h); ++row) {
      for (size_t column = 0; column < size_t(w); ++column)
        PutBgra(rgba, row * size_t(w) + column, bgra + (row * size_t(rowLength) + column) * 4);
    }
    return;
  }
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ROW_LENGTH, rowLength);
  glReadPixels(x, yFromBottom, w, h, GL_BGRA, GL_UNSIGNED_BYTE, bgra);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
}

void ReadRgbPixel(int32_t x, int32_t yFromBottom, uint8_t (&rgb)[3]) {
  if (EmbeddedGL()) {
    const std::vector<uint8_t> rgba = ReadTargetRgba(x, yFromBottom, 1, 1);
    std::copy(rgba.begin(), rgba.begin() + 3, rgb);
    return;
  }
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, yFromBottom, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

int32_t TargetAlphaBits() {
  GLint bits = 0;
  glGetIntegerv(GL_ALPHA_BITS, &bits);
  return bits;
}

bool TargetHasEightBitColour() {
  for (GLenum channel : {GL_RED_BITS, GL_GREEN_BITS, GL_BLUE_BITS}) {
    GLint bits = 0;
    glGetIntegerv(channel, &bits);
    if (bits != 8) return false;
  }
  return true;
}

}  // namespace zentoir
