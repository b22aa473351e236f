#include "input/Keyboard.h"

#include "base/EventDispatch.h"
#include "input/InputState.h"
#include "text/NumberText.h"

namespace zentoir {

double PollKeyboard() {
  InputState* input = ActiveInput();
  if (!input) return 0;
  PumpMessages();
  input->PollKeyboard();
  return 1;
}

double KeyState(double keyCode) {
  InputState* input = ActiveInput();
  if (!input) return 0;
  PollKeyboard();
  return input->KeyDown(TruncateToInt32(keyCode)) ? 1 : 0;
}

double AnyKeyDown() {
  InputState* input = ActiveInput();
  if (!input) return 0;
  PumpMessages();
  return input->AnyKeyDown() ? 1 : 0;
}

}  // namespace zentoir
