#include "core/EventDispatch.h"

#include "core/Hooks.h"
#include "core/RuntimeContext.h"
#include "core/Stop.h"
#include "text/Latin1Text.h"

namespace zentoir {
namespace {

bool PauseFollowsFocus() {
  const RuntimeContext& rt = Runtime();
  return rt.debugMode == 0 && rt.autoPause != 0;
}

// A hidden window has no focus to lose or regain; pausing it would park the program
// for good, since nothing can give the focus back.
bool PausesOnFocusLoss() {
  return PauseFollowsFocus() && os::IsWindowShown(Runtime().mainWindow);
}

void SetPaused(bool paused) {
  RuntimeContext& rt = Runtime();
  DynString title = rt.titleCopy;
  if (paused) title += " <pause>";
  os::SetWindowTitle(rt.mainWindow, Utf8FromLatin1(title.View()).c_str());
  rt.paused = paused ? 1 : 0;
}

bool ForOtherWindow(const os::Event& event) {
  const os::WindowHandle main = Runtime().mainWindow;
  return event.windowId != 0 && main && event.windowId != os::WindowId(main);
}

}  // namespace

void DispatchEvent(const os::Event& event) {
  if (!ForOtherWindow(event)) {
    switch (event.kind) {
      case os::EventKind::CloseRequest:
        StopProgram();
      case os::EventKind::FocusLost:
        if (PausesOnFocusLoss()) SetPaused(true);
        break;
      case os::EventKind::FocusGained:
        if (PauseFollowsFocus()) SetPaused(false);
        break;
      case os::EventKind::Other:
        break;
    }
  }
  NotifyEventListeners(event);
}

double PumpMessages() {
  os::Event event;
  while (os::PollEvent(event))
    DispatchEvent(event);
  return 1;
}

}  // namespace zentoir
