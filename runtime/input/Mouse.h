// Mouse commands. Movement is sampled once per frame: the first query after a
// PresentFrame takes the movement since the last sample, later queries of the same
// frame get the same values.
#pragma once

namespace zentoir {

// Runtime position clamped to the screen (the stored position too), left and right
// button 1 or 0.
void GetMouseState(double& x, double& y, double& left, double& right);
// 0: dx, 1: dy, 2: wheel (−1, 0, 1), 3: left, 4: right, 5: middle button (1/0); other
// axes 0.
double MouseAxis(double axis);
// Moves the runtime position only; the system cursor stays where it is.
void SetMousePosition(double x, double y);
// Non-zero: the system cursor is shown and the position follows it; zero: it is
// hidden, the pointer is held in the window and the position follows its motion.
void ShowSystemCursor(double flag);
// Samples afresh and returns 1 if the left, right or middle button is down.
double AnyMouseButton();

}  // namespace zentoir
