#include "input/Keyboard.h"

#include "input/InputState.h"
#include "text/NumberText.h"

namespace zentoir {

double PollKeyboard() {
  InputState* input = InputAfterEvents();
  if (!input) return 0;
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
  const InputState* input = InputAfterEvents();
  if (!input) return 0;
  return input->AnyKeyDown() ? 1 : 0;
}

}  // namespace zentoir
