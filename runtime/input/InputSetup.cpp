#include "input/InputSetup.h"

#include <SDL2/SDL.h>

#include "base/ErrorLog.h"
#include "base/Hooks.h"
#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "input/InputState.h"

namespace zentoir {
namespace {

// Keyboard and mouse come with SDL's video subsystem (the window); without it no key
// or pointer can be read, and the log says which device is missing.
void LogMissingDevices(bool hideCursor) {
  if (SDL_WasInit(SDL_INIT_EVENTS) == 0) AppendErrorLog("No DX_Input");
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return;
  AppendErrorLog("No DX_KB");
  if (hideCursor) AppendErrorLog("No DX_Mouse");
}

// The Esc and Alt+F4 test of the waiting loops: the key state taken at the frame's
// start and every press since, none of them taken from the game's own key reads.
bool FrameKeyDown(int keyCode) {
  const InputState* input = ActiveInput();
  return input && input->KeyDownInFrame(keyCode);
}

void OnEvent(const os::Event& event) {
  InputState* input = ActiveInput();
  if (input && event.raw) input->HandleEvent(*event.raw);
}

}  // namespace

void ConnectInput() {
  static bool connected = false;  // once per process: a key reader set since is kept
  if (connected) return;
  connected = true;
  AddEventListener(OnEvent);
  SetFrameKeyReader(FrameKeyDown);
}

void CreateInput() {
  CreateInputObject();
  AddShutdownStep(ShutdownStage::Input, ReleaseInputObject);
}

void InitInputDevices() {
  InputState* input = ActiveInput();
  if (!input) return;
  const bool hideCursor = Settings().hideMouseCursor != 0;
  LogMissingDevices(hideCursor);
  input->InitInput(hideCursor);
}

void ApplyStartCursorMode() {
  if (InputState* input = ActiveInput()) input->ShowSystemCursor(Settings().hideMouseCursor == 0);
}

// A mode switch may give a new window: the input object re-applies the cursor mode it
// had.
void TakeNewWindow() {
  if (InputState* input = ActiveInput()) input->TakeWindow();
}

void StartInputFrame() {
  if (InputState* input = ActiveInput()) input->StartFrame();
}

}  // namespace zentoir
