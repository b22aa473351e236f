// InputState: the one input object. It keeps keyboard, mouse and joystick state from
// the SDL events the window procedure dispatches (so it sees exactly what the program
// received, real or pushed), samples mouse movement once per frame, and switches the
// system cursor between shown (absolute position) and hidden (relative motion).
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>

#include "input/Joysticks.h"
#include "input/KeyCodes.h"

union SDL_Event;

namespace zentoir {

// One mouse query: buttons (non-zero = down) and the movement of the current frame.
struct MouseSample {
  int16_t left = 0, right = 0, middle = 0;
  int16_t dx = 0, dy = 0, wheel = 0;
};

enum MouseButton : int { kMouseLeft = 0, kMouseRight = 1, kMouseMiddle = 2 };

class InputState {
 public:
  InputState() = default;
  InputState(const InputState&) = delete;
  InputState& operator=(const InputState&) = delete;

  // Takes the cursor's position in the renderer's window and starts the joysticks. With
  // the cursor shown, the system cursor appears at the runtime position.
  void InitInput(bool hideCursor);
  // Shows the cursor and releases the devices (program end).
  void Release();

  // Every dispatched event passes through here.
  void HandleEvent(const SDL_Event& event);

  // Frame start: the key state of the frame taken, presses seen in the last frame
  // forgotten, the next mouse query armed for fresh movement.
  void StartFrame();

  // keyState := keys held, or pressed since the frame began.
  void PollKeyboard();
  // Bit 7 of the key's keyState byte; a key pressed and released within the frame
  // reads as down once.
  bool KeyDown(int keyCode);
  // Whether the key was down when the frame began or has been since; takes no press.
  bool KeyDownInFrame(int keyCode) const;
  // Whether any key is held.
  bool AnyKeyHeld() const;
  // Whether any key is held or has been pressed since the frame began; takes no press.
  bool AnyKeyDown() const;
  // Counts key presses (not repeats), so a wait can tell that something was typed.
  uint32_t KeyPressCount() const { return keyPresses_; }

  // The oldest typed character not yet taken (Return 10, Backspace 8), or 0. Every
  // character the window system delivers is typed once, in order, however many fall
  // into one frame; a held key's repeats type nothing. Characters typed in a frame in
  // which none were taken are forgotten at the next frame start.
  int TakeTypedChar();

  // The mouse: movement of this frame (sampled at the first query after StartFrame),
  // buttons held or clicked since they were last read.
  MouseSample PollMouse();
  bool TakeButton(MouseButton button);
  // The position the next sample would give, and the buttons as they are, without
  // consuming anything (for waits that compare).
  void PeekMouse(int32_t& x, int32_t& y, uint8_t& buttons) const;
  uint32_t ButtonPressCount() const { return buttonPresses_; }

  // The cursor sequence: showing leaves relative mode and puts the system cursor at
  // the runtime position; hiding captures the pointer in relative mode.
  void ShowSystemCursor(bool show);

  JoystickSet& Joysticks() { return joysticks_; }

  // The runtime's pointer position, in screen pixels.
  int32_t MouseX() const { return mouseX; }
  int32_t MouseY() const { return mouseY; }
  void SetMousePosition(int32_t x, int32_t y);
  // Keeps the position within a screen of this size.
  void ClampMouseTo(int width, int height);
  // The next mouse query takes a fresh sample, as at a frame's start.
  void ArmMouseSample() { newFrame = 1; }
  bool CursorShown() const { return cursorVisible != 0; }
  // A mode switch may give a new window: it gets the cursor mode the old one had.
  void TakeWindow();

 private:
  void OnKey(int keyCode, bool down, bool repeat);
  void OnText(const char* text);
  void QueueTypedChar(int c);
  void OnMouseButton(int sdlButton, bool down);
  void TakeSample();
  void ReadCursorPosition();
  void ReadPointerOutside();

  // Keys, by key code.
  std::array<uint8_t, kKeyCodeCount> held_{};
  std::array<uint8_t, kKeyCodeCount> pressed_{};  // since the frame began, for KeyDown
  std::deque<uint8_t> typedChars_;                // typed, not yet taken
  bool typedCharsRead_ = false;                   // taken from since the frame began
  bool keyRepeating_ = false;                     // the last key event was a held key's repeat
  uint32_t keyPresses_ = 0;

  // Mouse.
  int32_t pendingDx_ = 0, pendingDy_ = 0, pendingWheel_ = 0;
  int32_t pointerX_ = 0, pointerY_ = 0;  // absolute position in the window
  bool pointerInside_ = false;           // the pointer is over the window
  uint8_t buttonsHeld_ = 0, buttonsPressed_ = 0;
  uint32_t buttonPresses_ = 0;

  JoystickSet joysticks_;

  int32_t mouseX = 100;
  int32_t mouseY = 100;
  std::array<uint8_t, kKeyCodeCount> keyState{};
  uint8_t cursorVisible = 0;
  uint8_t newFrame = 0;
  int16_t lastDx = 0, lastDy = 0, lastWheel = 0;
};

// The input object while the runtime runs, else null.
InputState* ActiveInput();
// The same, once the device events waiting for it have reached it: for the commands
// that read the keyboard, the mouse and the joysticks as they are now.
InputState* InputAfterEvents();
// The input object is created at start-up (once) and released at shutdown.
void CreateInputObject();
void ReleaseInputObject();

}  // namespace zentoir
