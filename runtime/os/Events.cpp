#include "os/Events.h"

#include <SDL2/SDL.h>

namespace zentoir::os {
namespace {

EventKind KindOf(const SDL_Event& e) {
  if (e.type == SDL_QUIT) return EventKind::CloseRequest;
  if (e.type != SDL_WINDOWEVENT) return EventKind::Other;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
      return EventKind::CloseRequest;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      return EventKind::FocusLost;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      return EventKind::FocusGained;
    default:
      return EventKind::Other;
  }
}

}  // namespace

bool PollEvent(Event& event) {
  static SDL_Event current;
  if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_PollEvent(&current) == 0) return false;
  event.kind = KindOf(current);
  event.windowId = current.type == SDL_WINDOWEVENT ? current.window.windowID : 0;
  event.raw = &current;
  return true;
}

void TakeDeviceEvents(void (*handle)(const Event& event)) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  SDL_PumpEvents();
  // Keys and text, mouse, joysticks and game controllers: the types up to touch input.
  SDL_Event current;
  while (SDL_PeepEvents(&current, 1, SDL_GETEVENT, SDL_KEYDOWN, SDL_FINGERDOWN - 1) == 1) {
    Event event;
    event.raw = &current;
    handle(event);
  }
}

}  // namespace zentoir::os
