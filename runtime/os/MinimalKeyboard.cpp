#include "os/MinimalKeyboard.h"

#include <SDL2/SDL.h>

namespace zentoir::os {

bool IsStopKeyDown(int keyCode) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
  const Uint8* keys = SDL_GetKeyboardState(nullptr);
  switch (keyCode) {
    case 1:
      return keys[SDL_SCANCODE_ESCAPE] != 0;
    case 56:
      return keys[SDL_SCANCODE_LALT] != 0 || keys[SDL_SCANCODE_RALT] != 0;
    case 62:
      return keys[SDL_SCANCODE_F4] != 0;
    default:
      return false;
  }
}

}  // namespace zentoir::os
