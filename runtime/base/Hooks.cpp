#include "base/Hooks.h"

#include <algorithm>
#include <vector>

#include "os/MinimalKeyboard.h"

namespace zentoir {
namespace {

KeyDownReader& FrameKeyReader() {
  static KeyDownReader reader = os::IsStopKeyDown;
  return reader;
}

std::vector<EventListener>& Listeners() {
  static std::vector<EventListener> listeners;
  return listeners;
}

}  // namespace

void SetFrameKeyReader(KeyDownReader reader) {
  FrameKeyReader() = reader ? reader : os::IsStopKeyDown;
}

bool IsFrameKeyDown(int keyCode) {
  return FrameKeyReader()(keyCode);
}

void AddEventListener(EventListener listener) {
  auto& listeners = Listeners();
  if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end()) {
    listeners.push_back(listener);
  }
}

void NotifyEventListeners(const os::Event& event) {
  for (EventListener listener : Listeners())
    listener(event);
}

}  // namespace zentoir
