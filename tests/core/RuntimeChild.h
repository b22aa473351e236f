// Helpers for tests that start the runtime. The runtime owns the process and ends it
// through StopProgram, so each such test runs it in a death-test child and reads what
// the child printed on standard error.
#pragma once

#include <SDL2/SDL.h>
#include <unistd.h>

#include <cstdio>

#include "base/RuntimeContext.h"
#include "os/Environment.h"
#include "zentoir.h"

namespace zentoir::testing {

// Headless defaults, also when the test program is run by hand.
inline void UseHeadlessVideo() {
  os::SetEnvironmentValue("ZENTOIR_NO_MESSAGE_BOX", "1", true);
}

// In the child: standard output joins standard error, so "Init OK" can be matched.
inline void StartRuntime(const char* title = "Test Window", double showCommand = 1) {
  std::fflush(stdout);
  dup2(STDERR_FILENO, STDOUT_FILENO);
  InitRuntime("", showCommand, title);
}

inline void PushWindowEvent(Uint8 windowEvent) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = windowEvent;
  event.window.windowID = SDL_GetWindowID(Runtime().mainWindow);
  SDL_PushEvent(&event);
}

inline const char* CurrentTitle() {
  return SDL_GetWindowTitle(Runtime().mainWindow);
}

}  // namespace zentoir::testing
