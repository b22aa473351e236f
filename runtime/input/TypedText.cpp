#include "input/TypedText.h"

#include "input/InputState.h"
#include "input/Keyboard.h"

namespace zentoir {
namespace {

int NextTypedChar() {
  InputState* input = ActiveInput();
  if (!input) return 0;
  PollKeyboard();
  bool fresh = false;
  const int c = input->ScanTypedChar(fresh);
  if (c == 0) {
    input->lastTypedChar = 0;
    return 0;
  }
  if (c == input->lastTypedChar && !fresh) return 0;
  input->lastTypedChar = static_cast<uint8_t>(c);
  return c;
}

}  // namespace

double GetTypedChar() {
  return NextTypedChar();
}

double KeyTyped() {
  return NextTypedChar() != 0 ? 1 : 0;
}

DynString TypedKey() {
  const int c = NextTypedChar();
  if (c == 0) return DynString();
  const char byte = static_cast<char>(c);
  return DynString(&byte, 1);
}

}  // namespace zentoir
