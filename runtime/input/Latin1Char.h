// Typed text arrives as UTF-8; the game's texts are Latin-1 bytes.
#pragma once

namespace zentoir {

// The first character of a UTF-8 text as a Latin-1 byte (1 … 255); 0 when the text is
// empty, malformed or its first character lies outside Latin-1.
int Latin1FromUtf8(const char* text);

}  // namespace zentoir
