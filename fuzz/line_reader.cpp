// Text lines from memory: every line lies inside the input, in order, holds at most
// 1023 bytes and no LF or NUL, and the lines together never take more bytes than given.
#include <cstdlib>
#include <string_view>

#include "files/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zentoir::TextLineReader reader(bytes);
  const char* readUpTo = bytes.data();
  size_t lineCount = 0;
  for (std::string_view line; reader.Next(line); ++lineCount) {
    if (line.size() > zentoir::kMaxLineText) std::abort();
    if (line.find_first_of(std::string_view("\n\0", 2)) != std::string_view::npos) std::abort();
    if (line.data() < readUpTo || line.data() + line.size() > bytes.data() + bytes.size()) {
      std::abort();
    }
    readUpTo = line.data() + line.size();
    if (lineCount > size) std::abort();  // every line takes at least one byte
  }
  return 0;
}
