// Joystick commands.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// The joysticks attached (those plugged in while the program runs included).
double JoystickCount();
// Joystick n's product name; empty for a number without a joystick.
DynString JoystickName(double n);
// Joystick 0: x and y as −1, 0 or 1 (the axis divided by 30000, truncated), buttons
// 1 and 2 as 1 or 0. All 0 without a joystick.
void GetJoystickState(double& x, double& y, double& button1, double& button2);

}  // namespace zentoir
