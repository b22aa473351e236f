// Building a resource archive that can be appended to any file: every position in it
// is negative, counted back from the end of the file it ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/ArchiveFormat.h"

namespace zentoir {

struct ArchiveInput {
  std::string name;  // the base name it is looked up by
  std::vector<uint8_t> bytes;
};

// The archive bytes of the inputs in the given order. Returns false with a message when
// a name is empty, longer than 255 bytes or holds a '/' or '\', two names are equal
// ignoring ASCII case, or the archive would not fit its 32-bit positions.
bool BuildArchive(const std::vector<ArchiveInput>& inputs, std::vector<uint8_t>& archive,
                  std::string& error);

}  // namespace zentoir
