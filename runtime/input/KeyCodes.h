// The key codes game code sees: the scan codes of a PC keyboard as the classic Windows
// input interface numbers them (1 Esc, 2–11 the digit row, 28 Return, 57 Space ...),
// whatever keyboard layout is active.
#pragma once

namespace zentoir {

constexpr int kKeyCodeCount = 256;

enum KeyCode : int {
  kKeyEscape = 1,
  kKeyBackspace = 14,
  kKeyReturn = 28,
  kKeyLeftControl = 29,
  kKeyLeftShift = 42,
  kKeyRightShift = 54,
  kKeyLeftAlt = 56,
  kKeyCapsLock = 58,
  kKeyF4 = 62,
  kKeyNumLock = 69,
  kKeyPadEnter = 156,
  kKeyApps = 221,
};

// The key code of an SDL scancode (key position); 0 when the key has none.
int KeyCodeForScancode(int scancode);

}  // namespace zentoir
