// Reading and writing back the whole file behind the INI and line-file stores.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/DynString.h"

namespace zentoir {

enum class SettingsFileRead {
  kRead,        // every byte of the file is in `bytes`
  kLonger,      // the file holds more than the limit; `bytes` has its first `limit` bytes
  kMissing,     // neither a loose file nor an archive entry of that name
  kUnreadable,  // found, but reading it failed
};

// Reads the named file through the general archive slot (a loose file before the
// archive), at most `limit` bytes of it.
SettingsFileRead ReadSettingsFile(const DynString& name, size_t limit, std::string& bytes);

// Where a store writes the named file back: the name as the game gave it, relative
// names taken from the current directory now, so a later change of directory (the
// shutdown returns to the program's directory) cannot send the file elsewhere.
std::string WriteBackPath(const DynString& name);

// Replaces the file with the bytes, crash-safe. A file kept behind a symbolic link is
// replaced at the link's final target when that is a regular file of this user (the
// link stays a link); any other link is refused. A failure or refusal leaves the old
// file as it was and one error-log line "<kind> file not written: <path>".
bool WriteSettingsFile(const std::string& path, std::string_view bytes, std::string_view kind);

}  // namespace zentoir
