// The renderer's frame: presenting the back buffer at the pace of the frame-rate limit,
// starting the next frame, and releasing everything the renderer holds in GL.
#include <algorithm>

#include "gfx2d/gl/TargetClears.h"
#include "gfx2d/gl/FramePacing.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "os/Clock.h"

namespace zentoir {

void OpenGLRadazuri::ClearColourBuffer() {
  quadBatch.Flush();
  ClearColourOnly();
}

void OpenGLRadazuri::SwapBackBuffer() {
  if (GLReady() && activeScreen >= 0) UseScreen(-1);  // drawing back on the back buffer
  PresentScaledScreen();
  glState.FlushAndForget();  // the frame's quads, then the next frame's state is set directly
  if (os::SwapNeedsFlush()) FlushCommands();
  os::SwapWindow(Window());
  swapWait.NoteSwap(os::MonotonicMs());
  // Depth and stencil share one buffer: clearing both is a plain fill, clearing depth
  // alone must keep every stencil byte.
  ClearEveryBuffer();
}

double OpenGLRadazuri::MsUntilNextFrame(double now) const {
  return nextFrameTime - now;
}

void OpenGLRadazuri::ScheduleNextFrame(double now) {
  nextFrameTime = NextFrameTimeAfter(nextFrameTime, PacedFrameInterval(), now);
}

// Where swaps should wait for the display but do not, frames are paced at its refresh
// rate, as the swap would have; a longer frame-rate limit still holds.
double OpenGLRadazuri::PacedFrameInterval() const {
  if (!verticalSync || !swapWait.SwapsReturnAtOnce()) return frameInterval;
  return std::max(frameInterval, swapWait.RefreshInterval());
}

void OpenGLRadazuri::StartSwapCheck() {
  swapWait.Reset(SwapWait::RefreshIntervalFor(os::RefreshRate(Window())));
}

void OpenGLRadazuri::SetFrameRateLimit(int32_t framesPerSecond) {
  frameInterval = FrameIntervalFor(framesPerSecond);
}

void OpenGLRadazuri::BeginFrame() {
  glState.SetBlendMode(BlendMode::Off);
  glState.SetColour(1, 1, 1, 1);
  if (!GLReady()) return;
  currentAlpha = 1;
  DrawBackgroundImage(0);
  ResetDrawingState(0, 0, 0, 0);
}

void OpenGLRadazuri::ResetFullDrawingState() {
  if (GLReady()) ResetDrawingState(0, 0, 0, 0);
}

void OpenGLRadazuri::ReleaseEverything() {
  ReleaseAllTextures();
  ReleaseScreens();
  ReleaseScaledScreen();
}

}  // namespace zentoir
