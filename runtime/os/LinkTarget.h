// Following a symbolic link to the file a writer may replace in its place.
#pragma once

#include <string>

namespace zentoir::os {

// Where a write to `path` goes when the file may be kept behind a symbolic link: the path
// itself when it is no link (or nothing is there); for a link, its final target when that
// is a regular file owned by this user (where the system lets links be followed safely;
// elsewhere every link gives ""); "" for any other link (a dangling one, a loop, one
// to a folder, FIFO or device, or to another user's file).
std::string OwnLinkTarget(const std::string& path);

}  // namespace zentoir::os
