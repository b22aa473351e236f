// A game whose data travel inside its own executable: `zentoir-pack append archive Daten/`
// appends "example.ini" and "level.txt", and the runtime finds them there (a loose file
// of the same name beside the program would win). `--frames N` ends it after N frames.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "zentoir.h"

using namespace zentoir;

namespace {

constexpr double kTile = 32;

// The colour of a level character from the [Tiles] section; -1 for none.
double TileColour(const DynString& tile) {
  const DynString value = IniGet("Tiles", tile);
  return value == "NO_DATA" ? -1 : TextToNumber(value);
}

void DrawLevel() {
  for (double row = 0; row < 12; ++row) {
    const DynString line = GetFileLine("level.txt", row);
    for (double column = 0; column < TextLength(line); ++column) {
      const double colour = TileColour(MidText(line, column, 1));
      if (colour >= 0) FillRect(column * kTile, 64 + row * kTile, kTile - 1, kTile - 1, colour);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  long frames = -1;
  if (argc == 3 && std::strcmp(argv[1], "--frames") == 0) frames = std::atol(argv[2]);
  StartupSettings& settings = Settings();
  settings.screenWidth = 640;
  settings.screenHeight = 480;
  InitRuntime("", 1, "Zentoir archive");
  SetResourceArchives("archive", "archive");  // this program's own file
  IniOpen("example.ini");
  const DynString title = IniGet("Screen", "Title");
  const double background = TextToNumber(IniGet("Screen", "Background"));
  std::puts(title.CStr());

  for (long frame = 0; frames < 0 || frame < frames; ++frame) {
    FillRect(0, 0, 640, 480, background);
    SelectFont(0);
    PrintText(title, 10, 20);
    DrawLevel();
    PresentFrame();
  }
  EndProgram();
}
