// The browser's clock. A page must hand control back to the browser to be drawn and to
// get its events, so every sleep returns to the browser's loop for its time (the
// program's stack is kept meanwhile) instead of blocking.
#include "os/Clock.h"

#include <emscripten.h>

namespace zentoir::os {

double MonotonicMs() {
  return emscripten_get_now();
}

void SleepMilliseconds(long long ms) {
  if (ms > 0) emscripten_sleep(static_cast<unsigned>(ms < 0x7FFFFFFF ? ms : 0x7FFFFFFF));
}

void SleepMicroseconds(long long us) {
  if (us > 0) SleepMilliseconds((us + 999) / 1000);
}

// The browser shows the canvas and delivers events only while it has control.
void GiveWayToSystem() {
  emscripten_sleep(0);
}

}  // namespace zentoir::os
