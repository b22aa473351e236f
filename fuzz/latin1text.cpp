// Typed text from the window system (UTF-8) becomes Latin-1 bytes: never more bytes than
// it had, and Latin-1 text written as UTF-8 reads back unchanged.
#include <cstdlib>
#include <string_view>

#include "FuzzInput.h"
#include "text/Latin1Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string latin1 = zentoir::Latin1FromUtf8(bytes);
  if (latin1.size() > size) std::abort();
  if (zentoir::Latin1FromUtf8(zentoir::Utf8FromLatin1(bytes)) != bytes) std::abort();
  return 0;
}
