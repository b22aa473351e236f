// One picture showing the whole generated data set: every image on a checkerboard (so
// transparency shows) and one line of text in every font, at its size and colour.
#pragma once

#include <string>

namespace pindrake_assets {

// Reads the data set back from `dataDir` (as the game would see it: RGB images keyed,
// font sheets keyed on black) and writes the sheet to `outputPng`.
bool WriteContactSheet(const std::string& dataDir, const std::string& outputPng,
                       std::string& error);

}  // namespace pindrake_assets
