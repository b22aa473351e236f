// Splitting the bytes of a settings file into text lines, as the INI and line-file
// stores read them.
#pragma once

#include <cstddef>
#include <string_view>

namespace zentoir {

// The longest text a line holds: a stored line is 1024 bytes with its NUL.
inline constexpr size_t kMaxLineText = 1023;

// Hands out the lines of a byte range in order. A line ends at LF; a CR right before
// the LF is dropped; the last line may lack its end. A line longer than kMaxLineText
// is cut there and its rest read as the next line. A NUL byte ends the line's text
// (the bytes after it up to the line end are skipped).
class TextLineReader {
 public:
  explicit TextLineReader(std::string_view bytes) : rest_(bytes) {}

  // The next line; false when every byte has been read.
  bool Next(std::string_view& line);

 private:
  std::string_view rest_;
};

// Whether the byte is one of the blanks skipped around names and values.
inline bool IsLineBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without its trailing bytes below 32 (blanks, byte 32, are kept).
std::string_view WithoutTrailingControls(std::string_view text);

}  // namespace zentoir
