#include "gfx2d/gl/PixelReads.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace zentoir {

void ReadBgrPixels(int32_t x, int32_t yFromBottom, int32_t w, int32_t h, uint8_t* bgr) {
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, yFromBottom, w, h, GL_BGR, GL_UNSIGNED_BYTE, bgr);
}

void ReadBgraRows(int32_t x, int32_t yFromBottom, int32_t w, int32_t h, int32_t rowLength,
                  uint8_t* bgra) {
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ROW_LENGTH, rowLength);
  glReadPixels(x, yFromBottom, w, h, GL_BGRA, GL_UNSIGNED_BYTE, bgra);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
}

void ReadRgbPixel(int32_t x, int32_t yFromBottom, uint8_t (&rgb)[3]) {
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, yFromBottom, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

int32_t TargetAlphaBits() {
  GLint bits = 0;
  glGetIntegerv(GL_ALPHA_BITS, &bits);
  return bits;
}

}  // namespace zentoir
