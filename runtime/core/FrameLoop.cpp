#include "core/FrameLoop.h"

#include "base/RuntimeContext.h"
#include "core/ServiceStep.h"
#include "gfx2d/renderer/Renderer.h"
#include "input/InputSetup.h"
#include "os/Clock.h"
#include "scene3d/Radazuri3D.h"

namespace zentoir {
namespace {

constexpr int kPauseSleepMs = 100;

void WaitWhilePaused() {
  while (Runtime().paused) {
    ServiceStep();
    os::SleepMilliseconds(kPauseSleepMs);
  }
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
  StartInputFrame();
  if (renderer) renderer->ForgetGLState();  // the 3D scene uses GL directly
  if (scene) scene->ResetFrame();
  ServiceStep();
  if (!renderer) return;
  ShowBackBuffer(*renderer);
  renderer->BeginFrame();
  if (scene) scene->ResetFrameSettings();
}

}  // namespace zentoir
