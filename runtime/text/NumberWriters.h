// The number writers behind DynString's number texts.
#pragma once

#include <cstdint>

namespace zentoir {

// They fill a buffer of at least 64 bytes and return the length written (without the
// NUL): decimal digits for an integer, the NumberToText form for any other number.
uint32_t WriteIntegerText(char* out, int32_t value);
uint32_t WriteNumberText(char* out, double value);

}  // namespace zentoir
