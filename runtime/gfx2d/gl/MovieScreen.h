// MovieScreen: a movie's pictures on the window. One streaming texture takes each
// picture; drawing clears the back buffer to black and shows the picture fitted into
// the client area. The GL state of the 2D drawing is saved around every call and put
// back, so the renderer's own state stays as it was.
#pragma once

#include <cstdint>

#include "gfx2d/gl/MovieFit.h"
#include "os/Window.h"

namespace zentoir {

class MovieScreen {
 public:
  explicit MovieScreen(os::WindowHandle window) : window_(window) {}
  ~MovieScreen();
  MovieScreen(const MovieScreen&) = delete;
  MovieScreen& operator=(const MovieScreen&) = delete;

  // A texture for pictures of this size: of that size when the context takes any
  // size (anySize), else with power-of-two sides. False when it would exceed
  // maxTextureSide or GL cannot make it.
  bool Create(int width, int height, int maxTextureSide, bool anySize);
  // Replaces the texture's picture: width × height × 4 bytes, top row first, of the
  // size given to Create.
  void Upload(const uint8_t* rgba, int width, int height);
  // Clears the back buffer and draws the last picture into the fitted rectangle.
  void Draw();
  // The rectangle the picture is drawn into in the current client area.
  MovieRect Placement() const;

 private:
  void CopyEdgesOutward(const uint8_t* pixels);

  os::WindowHandle window_;
  uint32_t texture_ = 0;
  int width_ = 0, height_ = 0;
  int textureWidth_ = 0, textureHeight_ = 0;
  bool hasPicture_ = false;
};

}  // namespace zentoir
