// The packer's three commands. Each prints its errors to standard error, prefixed with
// the program name, and returns the process exit code (0 on success, 1 on an error).
#pragma once

#include <string>
#include <vector>

namespace zentoir::pack {

// Builds an archive of the inputs (files and folders) and appends it to the target,
// replacing an archive the target already carries.
int AppendArchive(const std::string& target, const std::vector<std::string>& inputs);

// Prints one line per entry: name, unpacked size, stored size, and whether it decodes.
int ListArchive(const std::string& file);

// Writes every entry of the file's archive into the folder (created if missing).
int ExtractArchive(const std::string& file, const std::string& folder);

}  // namespace zentoir::pack
