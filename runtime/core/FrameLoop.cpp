#include "core/FrameLoop.h"

#include <GL/gl.h>

#include <cmath>

#include "core/EventDispatch.h"
#include "core/FramePacing.h"
#include "core/Hooks.h"
#include "core/RuntimeContext.h"
#include "core/Stop.h"
#include "gfx2d/OpenGLRadazuri.h"
#include "os/Clock.h"
#include "scene3d/Radazuri3D.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

constexpr int kKeyEscape = 1;
constexpr int kKeyAlt = 56;
constexpr int kKeyF4 = 62;
constexpr int kPauseSleepMs = 100;

void WaitWhilePaused() {
  while (Runtime().paused) {
    RunRuntimeHooks(RuntimeHook::MusicLoop);
    PumpMessages();
    os::SleepMilliseconds(kPauseSleepMs);
  }
}

void StopOnEndKeys() {
  if (Runtime().escapeEnds && IsFrameKeyDown(kKeyEscape)) StopProgram();
  if (IsFrameKeyDown(kKeyAlt) && IsFrameKeyDown(kKeyF4)) StopProgram();
}

// Blending off and full white, then the background and the 2D drawing state.
void PrepareNextFrame() {
  glDisable(GL_BLEND);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  RunRuntimeHooks(RuntimeHook::DrawBackground);
  RunRuntimeHooks(RuntimeHook::ResetDrawingState);
}

}  // namespace

void OpenGLRadazuri::ClearColourBuffer() {
  quadBatch.Flush();
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
}

double OpenGLRadazuri::PresentBackBuffer() {
  RunRuntimeHooks(RuntimeHook::BeforeSwap);
  glState.FlushAndForget();  // the frame's quads, then the next frame's state is set directly
  os::SwapWindow(window);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const double start = os::MonotonicMs();
  double now;
  for (;;) {  // sleeps, then spins the last part; the event queue is kept empty
    PumpMessages();
    now = os::MonotonicMs();
    if (now > nextFrameTime) break;
    os::SleepMicroseconds(std::llround(SleepBeforeFrameMs(nextFrameTime - now) * 1000));
  }
  nextFrameTime = NextFrameTimeAfter(nextFrameTime, frameInterval, now);
  return now - start + 1;
}

void PresentFrame() {
  RuntimeContext& rt = Runtime();
  OpenGLRadazuri* renderer = rt.renderer;
  if (rt.debugMode && renderer) {
    os::ShowWindow(renderer->window);
    os::RaiseWindow(renderer->window);
  }
  rt.previousFrameTime = rt.currentFrameTime;
  rt.currentFrameTime = os::MonotonicMs();
  WaitWhilePaused();
  RunRuntimeHooks(RuntimeHook::PollInput);
  StopOnEndKeys();
  if (renderer) renderer->glState.FlushAndForget();  // the 3D scene uses GL directly
  if (rt.scene) rt.scene->ResetFrame();
  RunRuntimeHooks(RuntimeHook::MusicLoop);
  PumpMessages();
  if (!renderer) return;
  renderer->PresentBackBuffer();
  PrepareNextFrame();
  if (rt.scene) rt.scene->ResetFrameSettings();
}

double GetTimeMs() {
  return os::MonotonicMs() - Runtime().startTime;
}

double GetFrameTime() {
  const RuntimeContext& rt = Runtime();
  const double elapsed = rt.currentFrameTime - rt.previousFrameTime;
  return elapsed > 0 ? elapsed : 1;
}

void SleepMs(double milliseconds) {
  os::SleepMilliseconds(TruncateToInt64(milliseconds));
}

void SetFrameRateLimit(double framesPerSecond) {
  OpenGLRadazuri* renderer = Runtime().renderer;
  if (renderer) renderer->frameInterval = FrameIntervalFor(TruncateToInt32(framesPerSecond));
}

double IsFullScreen() {
  const OpenGLRadazuri* renderer = Runtime().renderer;
  return renderer && renderer->fullScreenActive ? 1 : 0;
}

void SetVerticalSync(double flag) {
  OpenGLRadazuri* renderer = Runtime().renderer;
  if (renderer) renderer->SetVerticalSync(flag != 0);
}

}  // namespace zentoir
