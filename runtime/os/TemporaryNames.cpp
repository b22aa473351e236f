// The names of temporary files, alike on every system: ".~zentoir-<process id>-<counter>".
#include "os/TemporaryFiles.h"

#include <algorithm>
#include <atomic>
#include <charconv>

#include "os/Paths.h"
#include "os/Process.h"

namespace zentoir::os {
namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string TemporaryNameBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return FolderOf(path) + std::string(kTemporaryPrefix) + std::to_string(CurrentProcessId()) + "-" +
         std::to_string(counter++);
}

unsigned long WriterOfTemporaryName(std::string_view name) {
  if (!name.starts_with(kTemporaryPrefix)) return 0;
  name.remove_prefix(kTemporaryPrefix.size());
  const size_t dash = name.find('-');
  if (dash == std::string_view::npos || !AllDigits(name.substr(dash + 1))) return 0;
  const std::string_view digits = name.substr(0, dash);
  unsigned long pid = 0;
  if (!AllDigits(digits) ||
      std::from_chars(digits.data(), digits.data() + digits.size(), pid).ec != std::errc()) {
    return 0;
  }
  return pid;
}

}  // namespace zentoir::os
