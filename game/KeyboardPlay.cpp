#include "KeyboardPlay.h"

#include <array>

#include "Board.h"

namespace pindrake {
namespace {

constexpr int kPlayKeys[] = {KEY_UP,     KEY_DOWN,      KEY_LEFT, KEY_RIGHT,    KEY_SPACE,
                             KEY_RETURN, KEY_PAD_ENTER, KEY_U,    KEY_BACKSPACE};

struct KeyboardCursor {
  double column = 5;
  double row = 6;
  bool active = false;  // the keyboard has the outline
  double lastMouseX = -1;
  double lastMouseY = -1;
  std::array<bool, 256> wasDown{};
  bool burstAsked = false;
  bool undoAsked = false;
};

KeyboardCursor& Cursor() {
  static KeyboardCursor cursor;
  return cursor;
}

// Steps from the cell in the direction until a balloon is found; stays put if none.
void Step(double dc, double dr) {
  KeyboardCursor& k = Cursor();
  for (double c = k.column + dc, r = k.row + dr; c >= 1 && c <= 9 && r >= 1 && r <= 11;
       c += dc, r += dr) {
    if (Cell(c, r).balloon > 0) {
      k.column = c;
      k.row = r;
      return;
    }
  }
}

}  // namespace

void PressPlayKey(int keyCode) {
  KeyboardCursor& k = Cursor();
  const bool arrow =
      keyCode == KEY_UP || keyCode == KEY_DOWN || keyCode == KEY_LEFT || keyCode == KEY_RIGHT;
  if (arrow) {
    if (!k.active && hoverColumn > 0 && hoverRow > 0) {
      k.column = hoverColumn;  // start from where the pointer is
      k.row = hoverRow;
    }
    k.active = true;
    if (keyCode == KEY_UP) Step(0, -1);
    if (keyCode == KEY_DOWN) Step(0, 1);
    if (keyCode == KEY_LEFT) Step(-1, 0);
    if (keyCode == KEY_RIGHT) Step(1, 0);
    hoverColumn = k.column;
    hoverRow = k.row;
  } else if (keyCode == KEY_SPACE || keyCode == KEY_RETURN || keyCode == KEY_PAD_ENTER) {
    k.burstAsked = true;
  } else if (keyCode == KEY_U || keyCode == KEY_BACKSPACE) {
    k.undoAsked = true;
  }
}

void UpdateKeyboardPlay() {
  KeyboardCursor& k = Cursor();
  k.burstAsked = k.undoAsked = false;
  // Moving the mouse or pressing its button hands the outline back to the pointer.
  if (mouseX != k.lastMouseX || mouseY != k.lastMouseY || mouseButton != 0) {
    k.active = false;
    k.lastMouseX = mouseX;
    k.lastMouseY = mouseY;
  }
  for (int key : kPlayKeys) {
    const bool down = zentoir::KeyState(key) != 0;
    if (down && !k.wasDown[size_t(key)]) PressPlayKey(key);
    k.wasDown[size_t(key)] = down;
  }
  if (k.active) {
    hoverColumn = k.column;
    hoverRow = k.row;
  }
}

bool TakeKeyboardBurst(double& column, double& row) {
  KeyboardCursor& k = Cursor();
  if (!k.burstAsked) return false;
  k.burstAsked = false;
  column = hoverColumn;
  row = hoverRow;
  return true;
}

bool TakeUndoRequest() {
  KeyboardCursor& k = Cursor();
  const bool asked = k.undoAsked;
  k.undoAsked = false;
  return asked;
}

bool KeyboardLeads() {
  return Cursor().active;
}

void ResetKeyboardPlay() {
  Cursor() = KeyboardCursor{};
}

}  // namespace pindrake
