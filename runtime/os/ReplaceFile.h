// Crash-safe replacement of a whole file: the new contents go into a temporary file
// beside it, reach the disk, and only then take the old file's name.
#pragma once

#include <string>
#include <string_view>

namespace zentoir::os {

// Replaces the file at `path` with `bytes`, or creates it. Either the old file stays
// whole or the new one is complete: a failure at any point leaves the old file as it
// was and removes the temporary file. Refuses (false) when `path` names anything but a
// regular file (a directory, link, FIFO or device is never replaced). A replaced file
// keeps its permission bits.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace zentoir::os
