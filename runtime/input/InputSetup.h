// How the core brings the input object up, keeps it with the window and the frame, and
// joins it to the window's events and the frame loop's key test.
#pragma once

namespace zentoir {

// Makes the input object see every dispatched event and answer the frame loop's key
// test; at the start of InitRuntime, before the window exists.
void ConnectInput();
// The input object, released at shutdown.
void CreateInput();
// Keyboard, mouse and joysticks bound to the window (missing devices are logged).
void InitInputDevices();
// The cursor mode of the start-up settings.
void ApplyStartCursorMode();
// After a screen-mode switch: the cursor mode the input object had, applied to the window.
void TakeNewWindow();
// A frame's start: the keyboard polled, the mouse armed for a fresh sample.
void StartInputFrame();

}  // namespace zentoir
