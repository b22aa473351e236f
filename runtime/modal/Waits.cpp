#include "modal/Waits.h"

#include "core/ServiceStep.h"
#include "input/InputState.h"
#include "input/Mouse.h"
#include "input/TypedText.h"
#include "os/Clock.h"

namespace zentoir {
namespace {

constexpr uint8_t kLeftRight = (1u << kMouseLeft) | (1u << kMouseRight);

// What IdleStep compares against: the mouse and the press counters at its start.
struct IdleMark {
  int32_t x = 0, y = 0;
  uint8_t buttons = 0;
  uint32_t keyPresses = 0, buttonPresses = 0;
};

IdleMark MarkOf(const InputState& input) {
  IdleMark mark;
  input.PeekMouse(mark.x, mark.y, mark.buttons);
  mark.buttons &= kLeftRight;
  mark.keyPresses = input.KeyPressCount();
  mark.buttonPresses = input.ButtonPressCount();
  return mark;
}

bool SomethingHappened(const InputState& input, const IdleMark& start) {
  const IdleMark now = MarkOf(input);
  return input.AnyKeyHeld() || now.keyPresses != start.keyPresses || now.x != start.x ||
         now.y != start.y || now.buttons != start.buttons ||
         now.buttonPresses != start.buttonPresses;
}

}  // namespace

void IdleStep() {
  InputState* input = ActiveInput();
  if (!input) return;
  const IdleMark start = MarkOf(*input);
  for (;;) {
    ServiceStep();
    input->PollKeyboard();
    if (SomethingHappened(*input, start) || input->Joysticks().AnyButtonDown()) {
      ApplyStopKeys();
      return;
    }
    os::SleepMilliseconds(1);  // a wait, not a busy loop
  }
}

void WaitKey() {
  if (!ActiveInput()) return;
  while (KeyTyped() != 1) {
    ServiceStep();
    IdleStep();
  }
  while (KeyTyped() != 0) {
    ServiceStep();
    os::SleepMilliseconds(1);
  }
}

void WaitMouse() {
  if (!ActiveInput()) return;
  while (AnyMouseButton() != 0)
    IdleStep();
  while (AnyMouseButton() == 0)
    IdleStep();
}

}  // namespace zentoir
