// Icon files (.ico) for a program's resources, made of PNG pictures.
#pragma once

#include <string>
#include <vector>

namespace pindrake_assets {

// Writes an icon file holding the PNG files as they are, one picture each, in the order
// given (a square picture of at most 256 pixels each). False, with the reason, when a
// file cannot be read, is no such PNG, or the icon cannot be written.
bool WriteIconFile(const std::string& path, const std::vector<std::string>& pngFiles,
                   std::string& error);

}  // namespace pindrake_assets
