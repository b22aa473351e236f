// The runtime's text functions. Positions are 0-based; numbers arrive as doubles and
// are truncated toward zero.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// The number of bytes in the text.
double TextLength(const DynString& text);

// The bytes from `start`, at most `count` of them; empty for a negative start, a
// start past the end or a count of 0 or less.
DynString MidText(const DynString& text, double start, double count);

// Position of the first occurrence of the pattern, -1 when there is none, 0 for an
// empty pattern.
double FindText(const DynString& text, const DynString& pattern);

// Every occurrence of `find` replaced, left to right; inserted text is not searched
// again. An empty `find` leaves the text unchanged.
DynString ReplaceText(const DynString& text, const DynString& find, const DynString& replacement);

// ASCII case changes; bytes above 127 stay as they are.
DynString LowerText(const DynString& text);
DynString UpperText(const DynString& text);

// The first byte, 0..255 (0 for an empty text).
double GetCharCode(const DynString& text);

// A one-byte text; code 0 gives an empty text.
DynString MakeCharText(double code);

// 2 × count upper-case hex digits, one pair per byte in memory order.
DynString FormatHexBytes(const void* bytes, double count);

}  // namespace zentoir
