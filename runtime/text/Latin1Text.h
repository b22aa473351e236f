// The runtime's texts are Latin-1 bytes; the window system speaks UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zentoir {

// Each byte as its UTF-8 character (0x80 … 0xFF become two bytes).
std::string Utf8FromLatin1(std::string_view latin1);

// Every character of a UTF-8 text that lies inside Latin-1, as one byte each; characters
// outside Latin-1 and malformed bytes are left out.
std::string Latin1FromUtf8(std::string_view utf8);

}  // namespace zentoir
