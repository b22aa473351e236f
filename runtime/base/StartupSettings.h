// The project settings the game's entry fills before InitRuntime.
#pragma once

#include <cstdint>

namespace zentoir {

struct StartupSettings {
  int32_t screenWidth = 800;
  int32_t screenHeight = 600;
  int32_t fullScreen = 0;
  int32_t frameRateLimit = -1;
  int32_t multisampleLevel = 0;
  int32_t hideMouseCursor = 1;
  int32_t debugMode = 0;
};

// The settings the game fills before InitRuntime.
StartupSettings& Settings();

}  // namespace zentoir
