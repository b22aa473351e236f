// What every system does alike through SDL; the window's sizes are each system's own
// (WindowSizes.cpp in its folder).
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

bool EnterDesktopFullScreen(WindowHandle window) {
  return window && SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

}  // namespace zentoir::os
