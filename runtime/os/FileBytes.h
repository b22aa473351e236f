// Whole-file reads for the data-file readers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zentoir::os {

// A game path for the platform: every '\' becomes '/'.
std::string PlatformPath(const std::string& gamePath);

// Reads a whole file (at most `limit` bytes). False when it cannot be opened or read,
// or is larger than the limit.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   uint64_t limit = uint64_t{1} << 30);

}  // namespace zentoir::os
