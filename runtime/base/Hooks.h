// Where subsystems plug into start-up and the frame: input, sound, the network and the
// resource archives (the renderer is called by the core directly).
//
// The core runs each hook point at a fixed place of InitRuntime, PresentFrame or
// SetScreenMode; a subsystem adds its step functions to the points it serves from its
// registration function, which RegisterSubsystemHooks (core/Subsystems.h) calls at the
// start of InitRuntime. A point with no steps is simply passed.
#pragma once

#include "base/StepTable.h"
#include "os/Events.h"

namespace zentoir {

enum class RuntimeHook {
  // InitRuntime, in this order.
  CreateDevices,     // input object, sound device and the 256 sound slots created
  CreateNetwork,     // network object created
  InitDevices,       // input and sound initialised with the window and bound to it
  ResourceArchives,  // both archive states set up with the program's directory
  CursorMode,        // the cursor mode of the start-up settings applied
  // SetScreenMode, after the switch: the input object, cursor mode and sound device
  // take the (possibly new) window.
  WindowChanged,
  // PresentFrame.
  MusicLoop,  // each frame, in the pause loop and the waits: restart the music when due
  PollInput,  // keyboard polled, mouse armed for a fresh sample this frame
  Count
};

void AddRuntimeHook(RuntimeHook point, StepFunction step);
void RunRuntimeHooks(RuntimeHook point);

// The key test of the frame loop (Esc, Alt+F4) by DirectInput key code. Until the input
// object sets its own, a minimal read of the keyboard answers.
using KeyDownReader = bool (*)(int keyCode);
void SetFrameKeyReader(KeyDownReader reader);
bool IsFrameKeyDown(int keyCode);

// Sees every event the window procedure dispatches, after the procedure's own handling
// (keys, mouse, typed text ... for the input object).
using EventListener = void (*)(const os::Event& event);
void AddEventListener(EventListener listener);
void NotifyEventListeners(const os::Event& event);

}  // namespace zentoir
