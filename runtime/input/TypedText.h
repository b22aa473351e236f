// Typed characters: what the held keys type with the user's keyboard layout, as
// Latin-1 bytes. A held key types its character once; it types again after another
// character, a scan that found nothing, or a fresh press of the key.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// The newly typed character (Return 10, Backspace 8), or 0.
double GetTypedChar();
// 1 when a new character was typed (the same scan and rule as GetTypedChar), else 0.
double KeyTyped();
// GetTypedChar as a one-character text; empty when nothing was typed.
DynString TypedKey();

}  // namespace zentoir
