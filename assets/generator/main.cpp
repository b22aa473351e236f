// Build-time generator of the game's data files.
//
//   pindrake_assets_generator data DATA_DIR MANIFEST [FONTS_DIR]
//       writes every data file below DATA_DIR and lists them, one relative path a line,
//       in MANIFEST (the list a packer or an installer works from);
//   pindrake_assets_generator icon PNG SIZE
//       writes the window and desktop icon, SIZE × SIZE pixels;
//   pindrake_assets_generator ico ICO PNG...
//       writes an icon file for a program's resources from square PNG pictures;
//   pindrake_assets_generator contact-sheet DATA_DIR PNG
//       writes one picture showing every image and font of DATA_DIR.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Balloon.h"
#include "ContactSheet.h"
#include "DataSet.h"
#include "IconFile.h"
#include "PngFile.h"

namespace {

constexpr const char* kDefaultFontsDir = "/usr/share/fonts/truetype/freefont";

std::string AsFolder(std::string path) {
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "pindrake_assets_generator: %s\n", message.c_str());
  return 1;
}

int Usage() {
  return Fail(
      "usage: data DATA_DIR MANIFEST [FONTS_DIR] | icon PNG SIZE | ico ICO PNG... | "
      "contact-sheet DATA_DIR PNG");
}

int GenerateData(const std::string& dataDir, const std::string& manifest,
                 const std::string& fontsDir) {
  std::string error;
  if (!pindrake_assets::GenerateGameData(AsFolder(dataDir), fontsDir, error)) return Fail(error);
  std::ofstream list(manifest, std::ios::binary);
  for (const std::string& file : pindrake_assets::GameDataFiles())
    list << file << '\n';
  if (!list) return Fail("cannot write " + manifest);
  return 0;
}

int GenerateIcon(const std::string& path, int size) {
  if (size < 16 || size > 1024) return Fail("icon size must be 16..1024");
  if (!pindrake_assets::WritePng(path, pindrake_assets::MakeWindowIcon(size))) {
    return Fail("cannot write " + path);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "data" && (argc == 4 || argc == 5)) {
    return GenerateData(argv[2], argv[3], argc == 5 ? argv[4] : kDefaultFontsDir);
  }
  if (command == "icon" && argc == 4) return GenerateIcon(argv[2], std::atoi(argv[3]));
  if (command == "ico" && argc >= 4) {
    std::string error;
    if (!pindrake_assets::WriteIconFile(argv[2], {argv + 3, argv + argc}, error))
      return Fail(error);
    return 0;
  }
  if (command == "contact-sheet" && argc == 4) {
    std::string error;
    if (!pindrake_assets::WriteContactSheet(AsFolder(argv[2]), argv[3], error)) return Fail(error);
    return 0;
  }
  return Usage();
}
