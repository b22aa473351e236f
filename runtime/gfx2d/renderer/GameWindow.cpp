// The renderer's window: creation with its pixel format, GL context and extensions.
#include "base/Hooks.h"
#include "base/RuntimeContext.h"
#include "gfx2d/gl/FramePacing.h"
#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "gfx2d/renderer/SoftwareWarning.h"
#include "os/Clock.h"

namespace zentoir {
namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;

int SizeOrDesktop(int wanted, int desktop, int fallback) {
  if (wanted > 0) return wanted;
  return desktop > 0 ? desktop : fallback;
}

}  // namespace

OpenGLRadazuri::OpenGLRadazuri() : nextFrameTime(os::MonotonicMs()) {}

OpenGLRadazuri::~OpenGLRadazuri() {
  if (initialised && context) ReleaseEverything();
  os::ClearCurrent();
  drawBackends.ContextLost();
  os::DeleteGLContext(context);
  context = nullptr;
}

int OpenGLRadazuri::CreateGameWindow(int w, int h, int depth, int framesPerSecond, int samples) {
  frameInterval = FrameIntervalFor(framesPerSecond);
  if (!os::InitVideo()) return 0;
  int desktopWidth = 0;
  int desktopHeight = 0;
  os::DesktopSize(desktopWidth, desktopHeight);
  width = SizeOrDesktop(w, desktopWidth, kDefaultWidth);
  height = SizeOrDesktop(h, desktopHeight, kDefaultHeight);
  colourDepth = depth > 0 ? depth : os::DesktopBitsPerPixel();
  fullScreenActive = 0;

  os::WindowHandle previous = Window();  // a re-created window keeps the context
  const int samplesUsed = OpenWindowWithContext(samples);
  if (samplesUsed < 0) {
    Runtime().mainWindow = previous;
    return 0;
  }
  os::DestroyWindow(previous);
  multisampleLevel = samplesUsed;
  eightBitColour.answer = -1;  // the new window's format is asked at its first capture

  WarnOnceIfSoftwareRendering();
  nextFrameTime = os::MonotonicMs();
  LoadGLExtensionFunctions();
  drawBackends.Choose(context, DrawBackends::StartupChoice());
  os::SetSwapInterval(verticalSync);
  StartSwapCheck();
  os::ShowWindow(Window());
  ResetFullDrawingState();
  initialised = 1;
  return 1;
}

// Tries the asked sample count, then half of it and so on, then a plain format.
// Returns the samples of the format obtained, or -1 when no window could be made.
int OpenGLRadazuri::OpenWindowWithContext(int samples) {
  for (int n = samples; n > 0; n /= 2) {
    if (TryOpenWindow(n)) return os::CurrentSampleCount();
  }
  return TryOpenWindow(0) ? 0 : -1;
}

bool OpenGLRadazuri::TryOpenWindow(int samples) {
  os::SetGLAttributes(colourDepth, samples);
  os::WindowHandle created = os::CreateGLWindow("Zentoir", width, height);
  if (!created) return false;
  if (context && os::MakeCurrent(created, context)) {
    Runtime().mainWindow = created;
    return true;
  }
  os::GLContextHandle fresh = os::CreateGLContext(created);
  if (fresh && os::MakeCurrent(created, fresh)) {
    drawBackends.ContextLost();
    os::DeleteGLContext(context);
    context = fresh;
    Runtime().mainWindow = created;
    return true;
  }
  os::DeleteGLContext(fresh);
  os::DestroyWindow(created);
  return false;
}

os::WindowHandle OpenGLRadazuri::Window() const {
  return Runtime().mainWindow;
}

bool OpenGLRadazuri::HasGLExtension(const char* name) const {
  if (!context) return false;
  return ExtensionListHas(CurrentGLExtensionString(), name);
}

void OpenGLRadazuri::SetVerticalSync(bool on) {
  verticalSync = on ? 1 : 0;
  if (context) os::SetSwapInterval(verticalSync);
  StartSwapCheck();
}

}  // namespace zentoir
