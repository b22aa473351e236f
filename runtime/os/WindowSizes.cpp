#include "os/WindowScaling.h"

#include <SDL2/SDL.h>

namespace zentoir::os {

void WindowClientSize(WindowHandle window, int& width, int& height) {
  width = height = 0;
  if (window && !WindowSystemSize(window, width, height))
    SDL_GetWindowSize(window, &width, &height);
}

// A window's drawable has the window's own size in pixels where the window system
// knows the size better than SDL.
void DrawableSize(WindowHandle window, int& width, int& height) {
  width = height = 0;
  if (window && !WindowSystemSize(window, width, height))
    SDL_GL_GetDrawableSize(window, &width, &height);
}

}  // namespace zentoir::os
