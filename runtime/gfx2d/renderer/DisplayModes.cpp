// The renderer's display modes: windowed, full screen on the same Window(), hidden.
#include "base/ErrorLog.h"
#include "base/RuntimeContext.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "os/Clock.h"
#include "os/WindowScaling.h"

namespace zentoir {

int OpenGLRadazuri::EnterWindowed() {
  if (!Window()) return 1;
  if (fullScreenActive) os::LeaveFullScreenMode(Window());
  os::SetWindowClientSize(Window(), width, height);
  os::ShowWindow(Window());
  os::RaiseWindow(Window());
  ResetFullDrawingState();
  fullScreenActive = 0;
  StartSwapCheck();
  return 1;
}

int OpenGLRadazuri::EnterFullScreen() {
  if (!Window()) return 0;
  const int depth = colourDepth != os::DesktopBitsPerPixel() ? colourDepth : 0;
  // A scaled screen fills the desktop when the display has no mode of the screen's size.
  const bool entered = os::EnterFullScreenMode(Window(), width, height, depth) ||
                       (scaled.on && os::EnterDesktopFullScreen(Window()));
  if (!entered) {
    os::FlashWindow(Window());
    AppendErrorLog("No Fullscreen Mode available");
    EnterWindowed();
    return 0;
  }
  nextFrameTime = os::MonotonicMs();
  ResetFullDrawingState();
  os::ShowWindow(Window());
  os::RaiseWindow(Window());
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
  if (fullScreenActive) os::LeaveFullScreenMode(Window());
  os::HideWindow(Window());
  fullScreenActive = 0;
  return 1;
}

void OpenGLRadazuri::DestroyGameWindow() {
  if (initialised) ReleaseEverything();
  if (fullScreenActive) os::LeaveFullScreenMode(Window());
  fullScreenActive = 0;
  os::ClearCurrent();
  os::DestroyWindow(Window());
  Runtime().mainWindow = nullptr;
  width = height = 0;
}

void OpenGLRadazuri::SetWindowSize(int w, int h) {
  width = w;
  height = h;
  ResetFullDrawingState();
}

}  // namespace zentoir
