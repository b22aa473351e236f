// Byte-string comparison that folds only the ASCII letters, as the C library's
// case-insensitive comparison does in the "C" locale; bytes above 127 must match exactly.
#pragma once

#include <string_view>

namespace zentoir {

char LowerAscii(char c);
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace zentoir
