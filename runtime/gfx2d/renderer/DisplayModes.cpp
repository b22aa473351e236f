// The renderer's display modes: windowed, full screen on the same window, hidden.
#include "base/ErrorLog.h"
#include "base/RuntimeContext.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "os/Clock.h"
#include "os/WindowScaling.h"

namespace zentoir {

int OpenGLRadazuri::EnterWindowed() {
  if (!window) return 1;
  if (fullScreenActive) os::LeaveFullScreenMode(window);
  os::SetWindowClientSize(window, width, height);
  os::ShowWindow(window);
  os::RaiseWindow(window);
  ResetFullDrawingState();
  fullScreenActive = 0;
  StartSwapCheck();
  return 1;
}

int OpenGLRadazuri::EnterFullScreen() {
  if (!window) return 0;
  const int depth = colourDepth != os::DesktopBitsPerPixel() ? colourDepth : 0;
  // A scaled screen fills the desktop when the display has no mode of the screen's size.
  const bool entered = os::EnterFullScreenMode(window, width, height, depth) ||
                       (scaled.on && os::EnterDesktopFullScreen(window));
  if (!entered) {
    os::FlashWindow(window);
    AppendErrorLog("No Fullscreen Mode available");
    EnterWindowed();
    return 0;
  }
  nextFrameTime = os::MonotonicMs();
  ResetFullDrawingState();
  os::ShowWindow(window);
  os::RaiseWindow(window);
  fullScreenActive = 1;
  StartSwapCheck();
  return 1;
}

int OpenGLRadazuri::ApplyScreenMode(int w, int h, int depth, int fullScreen) {
  if (w > 0) width = w;
  if (h > 0) height = h;
  if (depth > 0) colourDepth = depth;
  if (scaled.on) LetUserResize(true);  // the least size follows the screen's, before the switch
  return fullScreen != 0 ? EnterFullScreen() : EnterWindowed();
}

int OpenGLRadazuri::HideGameWindow() {
  if (fullScreenActive) os::LeaveFullScreenMode(window);
  os::HideWindow(window);
  fullScreenActive = 0;
  return 1;
}

void OpenGLRadazuri::DestroyGameWindow() {
  if (initialised) ReleaseEverything();
  if (fullScreenActive) os::LeaveFullScreenMode(window);
  fullScreenActive = 0;
  os::ClearCurrent();
  if (Runtime().mainWindow == window) Runtime().mainWindow = nullptr;
  os::DestroyWindow(window);
  window = nullptr;
  width = height = 0;
}

void OpenGLRadazuri::SetWindowSize(int w, int h) {
  width = w;
  height = h;
  ResetFullDrawingState();
}

}  // namespace zentoir
