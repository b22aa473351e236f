#include "core/FrameLoop.h"

#include "base/RuntimeContext.h"
#include "core/ServiceStep.h"
#include "gfx2d/renderer/RendererFace.h"
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
  Radazuri3D* scene = Scene();
  if (rt.debugMode && rt.mainWindow) {
    os::ShowWindow(rt.mainWindow);
    os::RaiseWindow(rt.mainWindow);
  }
  rt.previousFrameTime = rt.currentFrameTime;
  rt.currentFrameTime = os::MonotonicMs();
  WaitWhilePaused();
  StartInputFrame();
  HandOverGL();  // the 3D scene uses GL directly
  if (scene) scene->ResetFrame();
  ServiceStep();
  if (ShowBackBuffer() == 0) return;  // no renderer
  BeginRendererFrame();
  if (scene) scene->ResetFrameSettings();
}

}  // namespace zentoir
