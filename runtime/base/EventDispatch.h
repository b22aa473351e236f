// The window procedure: window events turned into the runtime's pause and stop.
#pragma once

#include "base/MessagePump.h"
#include "os/Events.h"

namespace zentoir {

// Handles one event of the main window: a close request stops the program; losing the
// focus pauses it (title + " <pause>") and gaining it resumes, both only while autoPause
// is set and debugMode is clear. Every event then goes to the event listeners.
void DispatchEvent(const os::Event& event);

}  // namespace zentoir
