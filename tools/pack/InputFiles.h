// The files to pack: every regular file named, and every regular file below every
// folder named, in a stable order.
#pragma once

#include <string>
#include <vector>

#include "files/ArchiveWriter.h"

namespace zentoir::pack {

// Replaces every "@list" argument by the paths its list file holds, one a line,
// relative to the list's folder. False with a message when a list cannot be read.
bool ExpandLists(const std::vector<std::string>& arguments, std::vector<std::string>& paths,
                 std::string& error);

// Reads the inputs into archive inputs named by their base names. Returns false with a
// message for a missing or unreadable input.
bool CollectInputs(const std::vector<std::string>& paths, std::vector<ArchiveInput>& inputs,
                   std::string& error);

}  // namespace zentoir::pack
