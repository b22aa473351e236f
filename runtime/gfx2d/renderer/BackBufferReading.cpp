// Reading the back buffer and writing pixels as an image file.
#include "gfx2d/gl/Framebuffers.h"
#include "gfx2d/gl/PixelReads.h"
#include "gfx2d/image/ImageWriter.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"

namespace zentoir {

std::vector<uint8_t> OpenGLRadazuri::ReadBackBuffer() {
  quadBatch.Flush();
  std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 3);
  const bool offscreen = activeScreen >= 0 && screens[size_t(activeScreen)].width != 0;
  if (offscreen) BindFramebuffer(0);
  ReadBgrPixels(0, 0, width, height, pixels.data());
  if (offscreen) BindFramebuffer(screens[size_t(activeScreen)].framebuffer);
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
