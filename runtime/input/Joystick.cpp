#include "input/Joystick.h"

#include "input/InputState.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

constexpr int32_t kAxisStep = 30000;

// The joystick list after the waiting events, so a device just plugged in is counted.
JoystickSet* CurrentJoysticks() {
  InputState* input = InputAfterEvents();
  return input ? &input->Joysticks() : nullptr;
}

}  // namespace

double JoystickCount() {
  const JoystickSet* joysticks = CurrentJoysticks();
  return joysticks ? joysticks->Count() : 0;
}

DynString JoystickName(double n) {
  const JoystickSet* joysticks = CurrentJoysticks();
  if (!joysticks) return DynString();
  return DynString(std::string_view(joysticks->Name(TruncateToInt32(n))));
}

void GetJoystickState(double& x, double& y, double& button1, double& button2) {
  JoystickState state;
  if (const JoystickSet* joysticks = CurrentJoysticks()) joysticks->Read(0, state);
  x = state.x / kAxisStep;
  y = state.y / kAxisStep;
  button1 = (state.buttons[0] & 0x80) ? 1 : 0;
  button2 = (state.buttons[1] & 0x80) ? 1 : 0;
}

}  // namespace zentoir
