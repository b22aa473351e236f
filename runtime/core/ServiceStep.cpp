#include "core/ServiceStep.h"

#include <cmath>

#include "audio/MusicTrack.h"
#include "base/EventDispatch.h"
#include "base/Hooks.h"
#include "base/RuntimeContext.h"
#include "base/Stop.h"
#include "gfx2d/gl/FramePacing.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "os/Clock.h"

namespace zentoir {
namespace {

constexpr int kKeyEscape = 1;
constexpr int kKeyAlt = 56;
constexpr int kKeyF4 = 62;

bool StopKeysDown() {
  if (Runtime().escapeEnds && IsFrameKeyDown(kKeyEscape)) return true;
  return IsFrameKeyDown(kKeyAlt) && IsFrameKeyDown(kKeyF4);
}

}  // namespace

void ApplyStopKeys() {
  if (StopKeysDown()) StopProgram();
}

void ServeEvents() {
  MusicLoopCheck();
  PumpMessages();
}

void ServiceStep() {
  ApplyStopKeys();
  ServeEvents();
}

double ShowBackBuffer(OpenGLRadazuri& renderer) {
  renderer.SwapBackBuffer();
  const double start = os::MonotonicMs();
  double now;
  for (;;) {  // sleeps, then spins the last part
    ServeEvents();
    now = os::MonotonicMs();
    const double remaining = renderer.MsUntilNextFrame(now);
    if (remaining < 0) break;
    os::SleepMicroseconds(std::llround(SleepBeforeFrameMs(remaining) * 1000));
  }
  renderer.ScheduleNextFrame(now);
  return now - start + 1;
}

}  // namespace zentoir
