#include "os/WindowClass.h"

#include <SDL2/SDL.h>

namespace zentoir::os {

// The executable's icon is its resource 101.
void PrepareWindowClass() {
  SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON, "101");
  SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON_SMALL, "101");
  SDL_RegisterApp("Zentoir", 0, nullptr);
}

}  // namespace zentoir::os
