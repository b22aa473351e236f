// Typed characters as Latin-1 bytes, taken one at a time from what the window system
// typed with the user's layout (dead keys and input methods included). A held key types
// its character once; each new press types it again, however fast the presses come.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// The newly typed character (Return 10, Backspace 8), or 0.
double GetTypedChar();
// 1 when a new character was typed (taking it, as GetTypedChar does), else 0.
double KeyTyped();
// GetTypedChar as a one-character text; empty when nothing was typed.
DynString TypedKey();

}  // namespace zentoir
