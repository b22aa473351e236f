// INI text from memory: whatever the bytes, the sections read back written out read
// back as the same sections, and every kept entry has a key without blanks or '=' and a
// value that is not empty.
#include <cstdlib>
#include <string_view>

#include "files/IniText.h"

namespace {

bool KeyIsWellFormed(std::string_view key) {
  return key.find_first_of(" \t\r\n=") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto sections = zentoir::ParseIniText(bytes);
  for (const auto& section : sections) {
    if (section.entries.empty() || !KeyIsWellFormed(section.name.View())) std::abort();
    for (const auto& entry : section.entries) {
      if (!KeyIsWellFormed(entry.key.View()) || entry.value.IsEmpty()) std::abort();
    }
  }
  const std::string written = zentoir::FormatIniText(sections);
  if (zentoir::FormatIniText(zentoir::ParseIniText(written)) != written) std::abort();
  return 0;
}
