// The page's canvas is the window: SDL knows its size.
#include "os/WindowScaling.h"

#include <SDL2/SDL.h>

namespace zentoir::os {

void WindowClientSize(WindowHandle window, int& width, int& height) {
  width = height = 0;
  if (window) SDL_GetWindowSize(window, &width, &height);
}

void DrawableSize(WindowHandle window, int& width, int& height) {
  width = height = 0;
  if (window) SDL_GL_GetDrawableSize(window, &width, &height);
}

}  // namespace zentoir::os
