// The resource archive appended to an executable, as both the runtime and the packer
// see it (all integers little-endian):
//
//   stored files   back to back: an unsigned 32-bit unpacked size, then one LZO1X stream
//   directory      entries (name length 1..255, name, data position, stored size), then 0
//   trailer        the bytes "doZ", then the signed 32-bit directory position
//
// A negative position counts back from the end of the file, any other from its start.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/LittleEndian.h"

namespace zentoir {

inline constexpr char kArchiveTrailerTag[3] = {'d', 'o', 'Z'};
inline constexpr int64_t kArchiveTrailerSize = 7;
inline constexpr size_t kMaxArchiveNameLength = 255;
inline constexpr int64_t kStoredSizeHeader = 4;  // the unpacked size in front of the stream

struct ArchiveEntry {
  std::string name;  // base name, without any directory part
  int32_t dataPosition = 0;
  int32_t storedSize = 0;  // including the 4-byte unpacked size
};

// The file offset a position stands for, or -1 when it lies outside the file.
int64_t ResolveArchivePosition(int32_t position, int64_t fileSize);

}  // namespace zentoir
