// The platform's event queue over SDL2, reduced to what the window procedure handles.
#pragma once

union SDL_Event;

namespace zentoir::os {

enum class EventKind {
  Other,         // anything else (keys, mouse, text ...): see `raw`
  CloseRequest,  // the window's close button, or the system asks the program to quit
  FocusLost,
  FocusGained,
};

struct Event {
  EventKind kind = EventKind::Other;
  unsigned windowId = 0;           // 0 when the event belongs to no window
  const SDL_Event* raw = nullptr;  // valid until the next PollEvent
};

// Takes the next waiting event off the queue; false when none is waiting.
bool PollEvent(Event& event);

// Takes every waiting keyboard, mouse and joystick event off the queue, in order, and
// hands it to `handle`; window events (close, focus, size) stay queued for PollEvent.
void TakeDeviceEvents(void (*handle)(const Event& event));

}  // namespace zentoir::os
