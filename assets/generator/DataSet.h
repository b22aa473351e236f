// The complete set of data files the game loads, and the step that writes them all.
#pragma once

#include <string>
#include <vector>

#include "FontSheets.h"

namespace pindrake_assets {

// Folder of the font sheets below the data folder (the game reads "Daten/Fonts/").
inline const std::string kFontFolder = "Fonts/";

struct FontSheetPlan {
  std::string file;  // below the data folder
  SheetLayout layout;
  bool bold;
  GlyphColour colour;
};

// The 30 sheets in the game's font slot order: six colours, five sizes each.
std::vector<FontSheetPlan> FontSheetPlans();

// Every file of the data set, relative to the data folder, in a fixed order. Names are
// byte strings: "Gr\xFCn.png" holds the Latin-1 byte for "ü".
std::vector<std::string> GameDataFiles();

// Writes every file of the data set below `dataDir` (created if missing), reading the
// FreeFont files from `fontsDir`. Returns false with a message in `error` on the first
// file that cannot be made.
bool GenerateGameData(const std::string& dataDir, const std::string& fontsDir, std::string& error);

}  // namespace pindrake_assets
