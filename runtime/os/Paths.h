// Platform paths: the temporary directory, the executable, the current directory, the
// folder of a path.
#pragma once

#include <string>
#include <vector>

namespace zentoir::os {

// $TMPDIR, else "/tmp/", always ending in '/'.
std::string TempDirectory();

// The system's other temporary folders, for when the first is full or read-only.
std::vector<std::string> SpareTempDirectories();

// Full path of the running executable ("" when it cannot be read).
std::string ExecutablePath();

// The current directory with a trailing '/' ("" when it cannot be read).
std::string CurrentDirectory();

// Changes the current directory; true on success.
bool ChangeDirectory(const std::string& path);

// The folder part of a path with its trailing '/', or "" for the current folder.
std::string FolderOf(const std::string& path);

}  // namespace zentoir::os
