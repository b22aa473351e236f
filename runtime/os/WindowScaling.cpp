#include "os/WindowScaling.h"

#include <SDL2/SDL.h>

namespace zentoir::os {

void SetWindowResizable(WindowHandle window, bool resizable) {
  if (window) SDL_SetWindowResizable(window, resizable ? SDL_TRUE : SDL_FALSE);
}

void WindowClientSize(WindowHandle window, int& width, int& height) {
  width = height = 0;
  if (window) SDL_GetWindowSize(window, &width, &height);
}

void DrawableSize(WindowHandle window, int& width, int& height) {
  width = height = 0;
  if (window) SDL_GL_GetDrawableSize(window, &width, &height);
}

bool EnterDesktopFullScreen(WindowHandle window) {
  return window && SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

}  // namespace zentoir::os
