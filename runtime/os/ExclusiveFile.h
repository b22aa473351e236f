// Files opened "without sharing": an exclusive advisory lock held while open.
#pragma once

#include <string_view>

namespace zentoir::os {

// Appends bytes to a regular file, creating it if missing and keeping its contents.
// Fails (false) when another holder has the file locked, it cannot be opened or written,
// or the path holds a FIFO, device or folder (never waited on, never written).
bool AppendExclusive(const char* path, std::string_view bytes);

}  // namespace zentoir::os
