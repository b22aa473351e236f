#include "input/InputState.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <string>

#include "base/RuntimeContext.h"
#include "base/WindowMapping.h"
#include "os/Events.h"
#include "text/Latin1Text.h"

namespace zentoir {
namespace {

// The renderer's window, asked for at each use: a screen-mode switch or a new window
// needs no copy brought up to date.
os::WindowHandle GameWindow() {
  return Runtime().mainWindow;
}

int32_t SaturatingAdd(int32_t a, int32_t b) {
  const int64_t sum = int64_t{a} + b;
  return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

int16_t ToInt16(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, -32768, 32767));
}

int Sign(int32_t value) {
  return (value > 0) - (value < 0);
}

uint8_t ButtonBit(int sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return 1u << kMouseLeft;
    case SDL_BUTTON_RIGHT:
      return 1u << kMouseRight;
    case SDL_BUTTON_MIDDLE:
      return 1u << kMouseMiddle;
    default:
      return 0;
  }
}

// Typed characters kept for a reader that falls behind; beyond this they are dropped.
constexpr size_t kMaxQueuedChars = 256;

std::unique_ptr<InputState>& InputObject() {
  static std::unique_ptr<InputState> input;
  return input;
}

void HandDeviceEvent(const os::Event& event) {
  if (InputObject() && event.raw) InputObject()->HandleEvent(*event.raw);
}

}  // namespace

void CreateInputObject() {
  if (!InputObject()) InputObject() = std::make_unique<InputState>();
}

void ReleaseInputObject() {
  std::unique_ptr<InputState>& input = InputObject();
  if (!input) return;
  input->Release();
  input.reset();
}

InputState* ActiveInput() {
  return InputObject().get();
}

// As the keyboard device's read takes the key messages off the queue: the device
// events reach the input object at once, and the window's own events wait for the
// frame's message pump.
InputState* InputAfterEvents() {
  InputState* input = ActiveInput();
  if (input) os::TakeDeviceEvents(HandDeviceEvent);
  return input;
}

void InputState::InitInput(bool hideCursor) {
  ReadCursorPosition();
  SDL_StartTextInput();
  cursorVisible = 0;
  if (!hideCursor) ShowSystemCursor(true);
  joysticks_.Start();
}

// The pointer's position in the window's client area, wherever the pointer is.
void InputState::ReadCursorPosition() {
  const os::WindowHandle window = GameWindow();
  if (!window) return;
  pointerInside_ = SDL_GetMouseFocus() == window;
  if (pointerInside_) {
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    WindowToScreen(CurrentWindowMapping(), x, y, pointerX_, pointerY_);
  } else {
    ReadPointerOutside();
  }
  mouseX = pointerX_;
  mouseY = pointerY_;
}

// Outside the window no motion events arrive: the pointer is asked for directly, in
// screen coordinates, and taken relative to the window's client area.
void InputState::ReadPointerOutside() {
  int x = 0, y = 0, windowX = 0, windowY = 0;
  SDL_GetGlobalMouseState(&x, &y);
  SDL_GetWindowPosition(GameWindow(), &windowX, &windowY);
  WindowToScreen(CurrentWindowMapping(), x - windowX, y - windowY, pointerX_, pointerY_);
}

void InputState::Release() {
  ShowSystemCursor(true);
  joysticks_.Stop();
}

void InputState::HandleEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      OnKey(KeyCodeForScancode(e.key.keysym.scancode), e.type == SDL_KEYDOWN, e.key.repeat != 0);
      break;
    case SDL_TEXTINPUT:
      OnText(e.text.text);
      break;
    case SDL_MOUSEMOTION: {
      // In screen pixels: a scaled picture maps window pixels back (base/WindowMapping.h).
      WindowMapping& mapping = CurrentWindowMapping();
      int32_t dx = 0, dy = 0;
      ScaleMotion(mapping, e.motion.xrel, e.motion.yrel, dx, dy);
      pendingDx_ = SaturatingAdd(pendingDx_, dx);
      pendingDy_ = SaturatingAdd(pendingDy_, dy);
      WindowToScreen(mapping, e.motion.x, e.motion.y, pointerX_, pointerY_);
      pointerInside_ = true;
      break;
    }
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_ENTER) pointerInside_ = true;
      if (e.window.event == SDL_WINDOWEVENT_LEAVE) pointerInside_ = false;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      OnMouseButton(e.button.button, e.type == SDL_MOUSEBUTTONDOWN);
      break;
    case SDL_MOUSEWHEEL: {
      const int32_t y = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
      pendingWheel_ = SaturatingAdd(pendingWheel_, y);
      break;
    }
    default:
      joysticks_.HandleEvent(e);
      break;
  }
}

void InputState::OnKey(int keyCode, bool down, bool repeat) {
  if (keyCode <= 0) return;
  const auto k = static_cast<size_t>(keyCode);
  if (!down) {
    held_[k] = 0;
    keyRepeating_ = false;
    return;
  }
  held_[k] = 1;
  keyRepeating_ = repeat;
  if (repeat) return;
  pressed_[k] = 1;
  ++keyPresses_;
  if (keyCode == kKeyReturn || keyCode == kKeyPadEnter) QueueTypedChar(10);
  if (keyCode == kKeyBackspace) QueueTypedChar(8);
}

// Every character of the text is typed, also without a key press of its own (dead
// keys, compose sequences, input methods); only a held key's repeats type nothing.
void InputState::OnText(const char* text) {
  if (keyRepeating_) {
    keyRepeating_ = false;  // the repeat's own text
    return;
  }
  for (const char byte : Latin1FromUtf8(text)) {
    int c = static_cast<unsigned char>(byte);
    if (c < 32 || c == 127) continue;
    const bool shift = held_[kKeyLeftShift] || held_[kKeyRightShift];
    if (shift && c >= 'a' && c <= 'z') c -= 32;
    QueueTypedChar(c);
  }
}

void InputState::QueueTypedChar(int c) {
  if (typedChars_.size() < kMaxQueuedChars) typedChars_.push_back(static_cast<uint8_t>(c));
}

void InputState::OnMouseButton(int sdlButton, bool down) {
  const uint8_t bit = ButtonBit(sdlButton);
  if (!bit) return;
  if (down) {
    buttonsHeld_ |= bit;
    buttonsPressed_ |= bit;
    ++buttonPresses_;
  } else {
    buttonsHeld_ &= static_cast<uint8_t>(~bit);
  }
}

void InputState::StartFrame() {
  PollKeyboard();
  pressed_.fill(0);
  // Characters typed while nobody read any are not typed into a later reader.
  if (!typedCharsRead_) typedChars_.clear();
  typedCharsRead_ = false;
  buttonsPressed_ = 0;
  newFrame = 1;
}

void InputState::PollKeyboard() {
  for (size_t k = 0; k < keyState.size(); ++k)
    keyState[k] = held_[k] || pressed_[k] ? 0x80 : 0;
}

bool InputState::KeyDown(int keyCode) {
  const auto k = static_cast<size_t>(keyCode & 0xFF);
  pressed_[k] = 0;  // a key already let go reads as down this once
  return (keyState[k] & 0x80) != 0;
}

void InputState::SetMousePosition(int32_t x, int32_t y) {
  mouseX = x;
  mouseY = y;
}

void InputState::ClampMouseTo(int width, int height) {
  mouseX = std::clamp(mouseX, 0, std::max(width - 1, 0));
  mouseY = std::clamp(mouseY, 0, std::max(height - 1, 0));
}

void InputState::TakeWindow() {
  ShowSystemCursor(cursorVisible != 0);
}

bool InputState::KeyDownInFrame(int keyCode) const {
  const auto k = static_cast<size_t>(keyCode & 0xFF);
  return (keyState[k] & 0x80) != 0 || held_[k] || pressed_[k];
}

bool InputState::AnyKeyHeld() const {
  return std::any_of(held_.begin(), held_.end(), [](uint8_t h) { return h != 0; });
}

bool InputState::AnyKeyDown() const {
  return AnyKeyHeld() ||
         std::any_of(pressed_.begin(), pressed_.end(), [](uint8_t p) { return p != 0; });
}

int InputState::TakeTypedChar() {
  typedCharsRead_ = true;
  if (typedChars_.empty()) return 0;
  const int c = typedChars_.front();
  typedChars_.pop_front();
  return c;
}

void InputState::TakeSample() {
  newFrame = 0;
  int32_t dx = 0, dy = 0;
  if (cursorVisible) {
    if (!pointerInside_) ReadPointerOutside();
    dx = pointerX_ - mouseX;
    dy = pointerY_ - mouseY;
    mouseX = pointerX_;
    mouseY = pointerY_;
  } else {
    dx = pendingDx_;
    dy = pendingDy_;
    mouseX = SaturatingAdd(mouseX, dx);
    mouseY = SaturatingAdd(mouseY, dy);
  }
  pendingDx_ = pendingDy_ = 0;
  lastDx = ToInt16(dx);
  lastDy = ToInt16(dy);
  lastWheel = static_cast<int16_t>(Sign(pendingWheel_));
  pendingWheel_ = 0;
}

MouseSample InputState::PollMouse() {
  if (newFrame) TakeSample();
  MouseSample sample;
  const uint8_t buttons = buttonsHeld_ | buttonsPressed_;
  sample.left = (buttons >> kMouseLeft) & 1;
  sample.right = (buttons >> kMouseRight) & 1;
  sample.middle = (buttons >> kMouseMiddle) & 1;
  sample.dx = lastDx;
  sample.dy = lastDy;
  sample.wheel = lastWheel;
  return sample;
}

bool InputState::TakeButton(MouseButton button) {
  const uint8_t bit = static_cast<uint8_t>(1u << button);
  const bool down = ((buttonsHeld_ | buttonsPressed_) & bit) != 0;
  buttonsPressed_ &= static_cast<uint8_t>(~bit);
  return down;
}

void InputState::PeekMouse(int32_t& x, int32_t& y, uint8_t& buttons) const {
  x = cursorVisible ? pointerX_ : SaturatingAdd(mouseX, pendingDx_);
  y = cursorVisible ? pointerY_ : SaturatingAdd(mouseY, pendingDy_);
  buttons = buttonsHeld_;
}

void InputState::ShowSystemCursor(bool show) {
  if (show) {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    // The pointer has been away while hidden: it reappears where the program has it.
    const os::WindowHandle window = GameWindow();
    if (!cursorVisible && window) {
      int32_t wx = 0, wy = 0;
      ScreenToWindow(CurrentWindowMapping(), mouseX, mouseY, wx, wy);
      SDL_WarpMouseInWindow(window, wx, wy);
      pointerX_ = mouseX;
      pointerY_ = mouseY;
    }
    SDL_ShowCursor(SDL_ENABLE);
  } else {
    SDL_ShowCursor(SDL_DISABLE);
    // Where the driver has no relative mode, motion events still carry the movement.
    SDL_SetRelativeMouseMode(SDL_TRUE);
  }
  pendingDx_ = pendingDy_ = 0;
  cursorVisible = show ? 1 : 0;
}

}  // namespace zentoir
