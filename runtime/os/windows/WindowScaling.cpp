#include "os/WindowScaling.h"

#include <SDL2/SDL.h>

#include <algorithm>

namespace zentoir::os {

void SetWindowResizable(WindowHandle window, bool resizable, int minWidth, int minHeight) {
  if (!window) return;
  SDL_SetWindowResizable(window, resizable ? SDL_TRUE : SDL_FALSE);
  if (!resizable) minWidth = minHeight = 1;  // SDL's smallest minimum: none
  SDL_SetWindowMinimumSize(window, std::max(minWidth, 1), std::max(minHeight, 1));
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
