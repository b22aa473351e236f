#include "input/Mouse.h"

#include "gfx2d/DrawingState.h"
#include "input/InputState.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

// Within the drawing size; left alone while there is no renderer (size 0 × 0).
void ClampToScreen(InputState& input) {
  double width = 0, height = 0;
  GetScreenSize(width, height);
  if (width == 0 && height == 0) return;
  input.ClampMouseTo(static_cast<int>(width), static_cast<int>(height));
}

}  // namespace

void GetMouseState(double& x, double& y, double& left, double& right) {
  x = y = left = right = 0;
  InputState* input = InputAfterEvents();
  if (!input) return;
  input->PollMouse();
  ClampToScreen(*input);
  x = input->MouseX();
  y = input->MouseY();
  left = input->TakeButton(kMouseLeft) ? 1.0 : 0.0;
  right = input->TakeButton(kMouseRight) ? 1.0 : 0.0;
}

double MouseAxis(double axis) {
  InputState* input = InputAfterEvents();
  if (!input) return 0;
  const MouseSample sample = input->PollMouse();
  switch (TruncateToInt32(axis)) {
    case 0:
      return sample.dx;
    case 1:
      return sample.dy;
    case 2:
      return sample.wheel;
    case 3:
      return input->TakeButton(kMouseLeft) ? 1 : 0;
    case 4:
      return input->TakeButton(kMouseRight) ? 1 : 0;
    case 5:
      return input->TakeButton(kMouseMiddle) ? 1 : 0;
    default:
      return 0;
  }
}

void SetMousePosition(double x, double y) {
  InputState* input = ActiveInput();
  if (!input) return;
  input->SetMousePosition(TruncateToInt32(x), TruncateToInt32(y));
}

void ShowSystemCursor(double flag) {
  if (InputState* input = ActiveInput()) input->ShowSystemCursor(flag != 0);
}

double AnyMouseButton() {
  InputState* input = InputAfterEvents();
  if (!input) return 0;
  input->ArmMouseSample();
  input->PollMouse();
  const bool left = input->TakeButton(kMouseLeft);
  const bool right = input->TakeButton(kMouseRight);
  const bool middle = input->TakeButton(kMouseMiddle);
  return left || right || middle ? 1 : 0;
}

}  // namespace zentoir
