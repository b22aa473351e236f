// Platform paths: the temporary directory, the executable, the current directory, the
// folder of a path.
#pragma once

#include <string>
#include <vector>

namespace zentoir::os {

// The user's temporary folder, ending in the platform's separator: $TMPDIR, else
// "/tmp/", on POSIX systems; what the system reports (from TMP or TEMP) on Windows.
std::string TempDirectory();

// The system's other temporary folders, for when the first is full or read-only.
std::vector<std::string> SpareTempDirectories();

// Full path of the running executable ("" when it cannot be read).
std::string ExecutablePath();

// The current directory with a trailing '/' ("" when it cannot be read).
std::string CurrentDirectory();

// Changes the current directory; true on success.
bool ChangeDirectory(const std::string& path);

// Whether the path names its place without the current directory ("/x", "C:\x").
bool IsAbsolutePath(const std::string& path);

// The folder part of a path with its trailing '/', or "" for the current folder.
std::string FolderOf(const std::string& path);

}  // namespace zentoir::os
