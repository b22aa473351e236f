#include "os/MessageBox.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace zentoir::os {

bool CanShowMessageBox() {
  const char* optOut = std::getenv("ZENTOIR_NO_MESSAGE_BOX");
  if (optOut && *optOut) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) driver = std::getenv("SDL_VIDEODRIVER");
  if (!driver) return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
  return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

void ShowWarningBox(const char* caption, const char* text) {
  if (!CanShowMessageBox()) {
    std::fprintf(stderr, "%s\n%s\n", caption, text);
    return;
  }
  std::thread([title = std::string(caption), body = std::string(text)] {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, title.c_str(), body.c_str(), nullptr);
  }).detach();
}

}  // namespace zentoir::os
