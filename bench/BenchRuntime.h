// Starts the runtime for a benchmark: headless by default, at the given screen size.
#pragma once

#include <cstdlib>

#include "zentoir.h"

namespace bench {

inline void StartRuntime(int width, int height, const char* title) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("ZENTOIR_NO_MESSAGE_BOX", "1", 1);
  zentoir::Settings().screenWidth = width;
  zentoir::Settings().screenHeight = height;
  zentoir::InitRuntime("", 1, title);
}

}  // namespace bench
