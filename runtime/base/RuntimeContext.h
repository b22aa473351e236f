// The runtime's one process-wide state.
#pragma once

#include <cstdint>
#include <string>

#include "base/StartupSettings.h"
#include "os/Window.h"

namespace zentoir {

class OpenGLRadazuri;
class InputState;
class Radazuri3D;
class SoundDevice;
struct SoundSlot;
class MusicTrack;

// The runtime's process-wide state. Device objects register their own release steps
// with the stop routine (core/Shutdown.h) and keep their pointers here.
struct RuntimeContext {
  OpenGLRadazuri* renderer = nullptr;
  Radazuri3D* scene = nullptr;            // created bound to the renderer, lives to the end
  os::WindowHandle mainWindow = nullptr;  // a copy of the renderer's window
  std::string titleCopy;                  // the window title, restored after a pause

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

  // The input object (runtime/input), created at start-up and released at shutdown.
  InputState* input = nullptr;

  // Audio objects (runtime/audio): the sound device and its table of 256 sound slots,
  // created by InitSoundDevice and released at shutdown.
  SoundDevice* soundDevice = nullptr;
  SoundSlot* soundSlots = nullptr;

  // Music state: the tune being played (none when silent), the clock value at which
  // it is restarted (0 = no looping) and the last volume set (−1 = unknown).
  MusicTrack* musicWindow = nullptr;
  double musicLoopTime = 0;
  double musicVolume = -1;

  // Frame time stamps in milliseconds.
  double startTime = 0;
  double currentFrameTime = 0;
  double previousFrameTime = 0;

  int32_t selectedFont = 0;
};

RuntimeContext& Runtime();

}  // namespace zentoir
