// OpenGLRadazuri: the renderer. It owns the one main window, the one OpenGL context and
// the frame pacing values; the drawing side (sprite table, fonts, drawing state) joins
// it as further members.
//
// The window side is implemented in core/GameWindow.cpp (creation, context, extensions),
// core/DisplayModes.cpp (windowed, full screen, hidden) and core/FrameLoop.cpp
// (presenting the back buffer).
#pragma once

#include <cstdint>

#include "os/GLContext.h"
#include "os/Window.h"

namespace zentoir {

class OpenGLRadazuri {
 public:
  // Sets the next-frame time stamp to now.
  OpenGLRadazuri();
  // Releases the textures and the GL context. The window itself is destroyed by the
  // last shutdown stage (or DestroyGameWindow).
  ~OpenGLRadazuri();
  OpenGLRadazuri(const OpenGLRadazuri&) = delete;
  OpenGLRadazuri& operator=(const OpenGLRadazuri&) = delete;

  // Creates the window with its GL context (a context that already exists is reused, so
  // its textures survive). Colour depth 0 means the desktop's; multisampleLevel is the
  // number of samples asked for, halved until the display offers a format. 1 or 0.
  int CreateGameWindow(int width, int height, int colourDepth, int framesPerSecond,
                       int multisampleLevel);
  // A captioned window of the stored size. Returns 1.
  int EnterWindowed();
  // The display switched to the stored size on the same window and context. 1, or 0
  // (with a visible notice, a log line and the window kept) when the display cannot.
  int EnterFullScreen();
  // Stores every positive value (0 or less keeps the stored one), then enters the mode the flag
  // asks for.
  int ApplyScreenMode(int width, int height, int colourDepth, int fullScreen);
  // Leaves full screen and hides the window. Returns 1.
  int HideGameWindow();
  // Deletes every texture, leaves full screen and destroys the window; the context stays.
  void DestroyGameWindow();
  // Stores the drawing size (the window is not resized) and resets the drawing state.
  void SetWindowSize(int width, int height);
  // Whether the context's extension list names the extension as a whole word.
  bool HasGLExtension(const char* name) const;
  // Clears the back buffer to black.
  void ClearColourBuffer();
  // Swaps, clears and keeps the frame pacing; returns the milliseconds spent waiting + 1.
  double PresentBackBuffer();
  // Turns waiting for the display's vertical refresh on or off when buffers are swapped.
  void SetVerticalSync(bool on);

  // Window and display fields.
  os::WindowHandle window = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t colourDepth = 0;
  uint8_t fullScreenActive = 0;
  int32_t multisampleLevel = 0;
  int32_t viewportX = 0;
  int32_t viewportY = 0;
  int32_t viewportWidth = 0;
  int32_t viewportHeight = 0;
  double nextFrameTime = 0;
  double frameInterval = 2.0;
  os::GLContextHandle context = nullptr;
  uint8_t initialised = 0;
  uint8_t verticalSync = 1;

 private:
  int OpenWindowWithContext(int samples);
  bool TryOpenWindow(int samples);
};

}  // namespace zentoir
