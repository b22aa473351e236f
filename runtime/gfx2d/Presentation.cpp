#include <GL/gl.h>

#include "base/MessagePump.h"
#include "gfx2d/FramePacing.h"
#include "gfx2d/OpenGLRadazuri.h"
#include "os/Clock.h"

namespace zentoir {

void OpenGLRadazuri::ClearColourBuffer() {
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
}

double OpenGLRadazuri::PresentBackBuffer() {
  if (GLReady() && activeScreen >= 0) UseScreen(-1);  // drawing back on the back buffer
  os::SwapWindow(window);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const double start = os::MonotonicMs();
  double now;
  do {  // a busy wait that keeps the event queue empty
    PumpMessages();
    now = os::MonotonicMs();
  } while (!(now > nextFrameTime));
  nextFrameTime = NextFrameTimeAfter(nextFrameTime, frameInterval, now);
  return now - start + 1;
}

void OpenGLRadazuri::SetFrameRateLimit(int32_t framesPerSecond) {
  frameInterval = FrameIntervalFor(framesPerSecond);
}

void OpenGLRadazuri::BeginFrame() {
  glDisable(GL_BLEND);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
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
}

}  // namespace zentoir
