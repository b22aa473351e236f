// Reading the back buffer and writing pixels as an image file.
#include <GL/gl.h>

#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/image/ImageWriter.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"

namespace zentoir {

std::vector<uint8_t> OpenGLRadazuri::ReadBackBuffer() {
  quadBatch.Flush();
  std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 3);
  const GLExtensionFunctions& gl = GLExtensions();
  const bool offscreen = activeScreen >= 0 && screens[size_t(activeScreen)].width != 0;
  if (offscreen) gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_BGR, GL_UNSIGNED_BYTE, pixels.data());
  if (offscreen) {
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, screens[size_t(activeScreen)].framebuffer);
  }
  return pixels;
}

int OpenGLRadazuri::SaveImageFile(const std::string& path, const std::vector<uint8_t>& pixels,
                                  int32_t w, int32_t h, int32_t rowLength, int32_t rows) {
  if (w < 1 || h < 1 || rowLength < w || rows < h ||
      pixels.size() < size_t(rowLength) * size_t(rows) * 3) {
    return 0;
  }
  const KeyColour key = KeyColour::From(ReadKeyColourFromScreen());
  return WriteImageFile(path, BgrImage{pixels.data(), w, h, rowLength}, key) ? 1 : 0;
}

}  // namespace zentoir
