// The runtime's one process-wide state.
#pragma once

#include <cstdint>
#include <string>

#include "base/StartupSettings.h"
#include "os/Window.h"

namespace zentoir {

// The runtime's process-wide state: only what several subsystems share. Device objects
// register their own release steps with the stop routine (base/Shutdown.h); subsystems
// keep their own state (gfx2d/Renderer.h, audio/AudioState.h ...).
struct RuntimeContext {
  // The main window, the one place its handle is kept: written by the renderer alone,
  // when it opens the window and when it destroys it (the last shutdown step, after the
  // renderer itself and the devices that use the window are released). Every subsystem
  // reads it here.
  os::WindowHandle mainWindow = nullptr;
  std::string titleCopy;  // the window title in UTF-8, restored after a pause

  uint8_t autoPause = 0;
  uint8_t paused = 0;
  uint8_t escapeEnds = 1;
  int32_t debugMode = 0;
  uint8_t keepWindowed = 0;  // full-screen requests open a window instead

  // Error information reported by the stop routine.
  double errorCode = 0;
  double errorLine = 0;
  double currentModule = 0;
  double currentLine = 0;

  // Frame time stamps in milliseconds.
  double startTime = 0;
  double currentFrameTime = 0;
  double previousFrameTime = 0;
};

RuntimeContext& Runtime();

}  // namespace zentoir
