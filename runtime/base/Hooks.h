// The two places where base reaches a subsystem above it: the key test of the frame
// loop and the events the window procedure dispatches. The input object sets both when
// the core connects it at start-up; the core calls every other subsystem directly.
#pragma once

#include "os/Events.h"

namespace zentoir {

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
