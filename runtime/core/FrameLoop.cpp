#include "core/FrameLoop.h"

#include <cmath>

#include "base/EventDispatch.h"
#include "base/Hooks.h"
#include "base/RuntimeContext.h"
#include "base/Stop.h"
#include "gfx2d/Renderer.h"
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

}  // namespace

void PresentFrame() {
  RuntimeContext& rt = Runtime();
  OpenGLRadazuri* renderer = Renderer();
  Radazuri3D* scene = Scene();
  if (rt.debugMode && renderer) {
    os::ShowWindow(renderer->Window());
    os::RaiseWindow(renderer->Window());
  }
  rt.previousFrameTime = rt.currentFrameTime;
  rt.currentFrameTime = os::MonotonicMs();
  WaitWhilePaused();
  RunRuntimeHooks(RuntimeHook::PollInput);
  StopOnEndKeys();
  if (renderer) renderer->GLState().FlushAndForget();  // the 3D scene uses GL directly
  if (scene) scene->ResetFrame();
  RunRuntimeHooks(RuntimeHook::MusicLoop);
  PumpMessages();
  if (!renderer) return;
  renderer->PresentBackBuffer();
  renderer->BeginFrame();
  if (scene) scene->ResetFrameSettings();
}

}  // namespace zentoir
