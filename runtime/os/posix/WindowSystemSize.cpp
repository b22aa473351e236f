#include "os/WindowScaling.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

namespace zentoir::os {

// Without a window manager a full-screen request is never carried out, yet SDL then
// reports the desktop's size; only the X server knows the truth. False where the window
// is not an X window.
bool WindowSystemSize(WindowHandle window, int& width, int& height) {
  if (!(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN)) return false;  // SDL is right
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  ::Window root = 0;
  int x = 0, y = 0;
  unsigned w = 0, h = 0, border = 0, depth = 0;
  if (!XGetGeometry(info.info.x11.display, info.info.x11.window, &root, &x, &y, &w, &h, &border,
                    &depth) ||
      w == 0 || h == 0) {
    return false;
  }
  width = int(w);
  height = int(h);
  return true;
}

}  // namespace zentoir::os
