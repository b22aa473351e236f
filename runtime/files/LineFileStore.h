// A store of one text file at a time, addressed by line number: 256 lines of at most
// 1023 bytes, changed in memory, written back as a whole file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/DynString.h"

namespace zentoir {

inline constexpr int kStoredLines = 256;

struct LineFileStore {
  std::string linePath;   // the file name exactly as the game gave it
  std::string writePath;  // where write-back goes: that name, made absolute when selected
  std::array<std::string, kStoredLines> lines;
  int lastLine = 0;        // index of the highest line in use
  uint8_t linesDirty = 0;  // set by every put, cleared on load

  // Makes the named file current. The same name (byte for byte) keeps the lines in
  // memory; another one first writes back pending changes, then reads the new file (a
  // loose file before the archive). False, with error 3 recorded, only when the file
  // was newly selected and cannot be found or read.
  bool Select(const DynString& name);

  // Writes lines 0..lastLine, each with CR LF, when there are changes; a failure is
  // logged. Goes to the name the game used, also for a file from the archive.
  void WriteBackIfDirty();

  // The line's text without trailing bytes below 32. `line` must be 0..255.
  DynString LineText(int line) const;

  // Stores the text (up to a NUL, at most 1023 bytes) as the line. `line` must be 0..255.
  void SetLine(int line, std::string_view text);

 private:
  void Clear();
};

}  // namespace zentoir
