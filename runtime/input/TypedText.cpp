#include "input/TypedText.h"

#include "input/InputState.h"
#include "input/Keyboard.h"

namespace zentoir {
namespace {

int NextTypedChar() {
  InputState* input = ActiveInput();
  if (!input) return 0;
  PollKeyboard();
  return input->TakeTypedChar();
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
