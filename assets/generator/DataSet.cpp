#include "DataSet.h"

#include <filesystem>
#include <functional>

#include "Backdrops.h"
#include "Balloon.h"
#include "BmpFile.h"
#include "Pictures.h"
#include "PngFile.h"
#include "Sounds.h"
#include "Tune.h"
#include "WavFile.h"

namespace pindrake_assets {

namespace {

struct ColourWord {
  const char* word;
  GlyphColour colour;
};

// Black glyphs are a shade above pure black, which is the transparent colour of fonts.
constexpr ColourWord kColourWords[] = {{"schwarz", {10, 10, 12}}, {"weiss", {255, 255, 255}},
                                       {"rot", {232, 32, 32}},    {"gruen", {40, 200, 60}},
                                       {"blau", {48, 96, 255}},   {"gelb", {255, 222, 0}}};

struct SizeVariant {
  const char* suffix;
  SheetLayout layout;
  bool bold;
};

constexpr SizeVariant kSizes[] = {{"7x14", {7, 14, 16}, false},
                                  {"7x14_fett", {7, 14, 16}, true},
                                  {"8x17", {8, 17, 16}, false},
                                  {"9x17", {9, 17, 16}, false},
                                  {"14x27", {14, 27, 16}, false}};

// The loading-screen font: 128 × 128 pixels, 8 rows of 8 × 16 cells (codes 0..127).
const std::string kSmallFont = "smalfont.bmp";
constexpr SheetLayout kSmallFontLayout{8, 16, 8};

struct ImageFile {
  const char* name;
  std::function<Image()> make;
};

std::vector<ImageFile> ImageFiles() {
  return {{"Maus.png", MakePointer},
          {"Umriss.png", MakeCellOutline},
          {"2Pindrake.png", MakeCounterIcon},
          {"Blau.png", [] { return MakeBoardBalloon(BlueBalloon()); }},
          {"Rot.png", [] { return MakeBoardBalloon(RedBalloon()); }},
          {"Gr\xFCn.png", [] { return MakeBoardBalloon(GreenBalloon()); }},
          {"Gelb.png", [] { return MakeBoardBalloon(YellowBalloon()); }},
          {"Weiss.png", [] { return MakeBoardBalloon(WhiteBalloon()); }},
          {"Mauer.png", MakeWallTile},
          {"Wolken.png", MakeCloudySky},
          {"Wolkenlos.png", MakeClearSky},
          {"Marmor.png", MakeMarble},
          {"Sterne.png", MakeStarryNight},
          {"NeuSpiel.png", MakeNewGamePicture}};
}

struct SoundFile {
  const char* name;
  std::function<std::vector<double>()> make;
};

const SoundFile kSoundFiles[] = {{"button.wav", SynthesiseButtonClick},
                                 {"Platz.wav", SynthesisePop},
                                 {"deng.wav", SynthesiseChime}};

const std::string kTuneFile = "ikona.mid";

bool WriteFontSheets(const std::string& dataDir, const std::string& fontsDir, std::string& error) {
  FontRenderer renderer;
  PixelBuffer sheet;
  for (const FontSheetPlan& plan : FontSheetPlans()) {
    const std::string font = fontsDir + (plan.bold ? "/FreeMonoBold.ttf" : "/FreeMono.ttf");
    if (!renderer.RenderSheet(font, plan.layout, plan.colour, plan.colour, sheet, error)) {
      return false;
    }
    if (!WritePng(dataDir + plan.file, sheet)) {
      error = "cannot write " + plan.file;
      return false;
    }
  }
  // The loading-screen font is white fading to a pale blue towards the glyphs' feet.
  if (!renderer.RenderSheet(fontsDir + "/FreeMonoBold.ttf", kSmallFontLayout, {255, 255, 255},
                            {150, 190, 255}, sheet, error)) {
    return false;
  }
  if (!WriteBmp24(dataDir + kSmallFont, sheet)) {
    error = "cannot write " + kSmallFont;
    return false;
  }
  return true;
}

}  // namespace

std::vector<FontSheetPlan> FontSheetPlans() {
  std::vector<FontSheetPlan> specs;
  for (const ColourWord& colour : kColourWords) {
    for (const SizeVariant& size : kSizes) {
      specs.push_back({kFontFolder + "Courier_" + colour.word + "_" + size.suffix + ".png",
                       size.layout, size.bold, colour.colour});
    }
  }
  return specs;
}

std::vector<std::string> GameDataFiles() {
  std::vector<std::string> files;
  for (const ImageFile& image : ImageFiles())
    files.push_back(image.name);
  for (const FontSheetPlan& plan : FontSheetPlans())
    files.push_back(plan.file);
  files.push_back(kSmallFont);
  for (const SoundFile& sound : kSoundFiles)
    files.push_back(sound.name);
  files.push_back(kTuneFile);
  return files;
}

bool GenerateGameData(const std::string& dataDir, const std::string& fontsDir, std::string& error) {
  std::error_code ignored;
  std::filesystem::create_directories(dataDir + kFontFolder, ignored);
  for (const ImageFile& image : ImageFiles()) {
    if (!WritePng(dataDir + image.name, image.make())) {
      error = std::string("cannot write ") + image.name;
      return false;
    }
  }
  if (!WriteFontSheets(dataDir, fontsDir, error)) return false;
  for (const SoundFile& sound : kSoundFiles) {
    if (!WriteWav(dataDir + sound.name, sound.make())) {
      error = std::string("cannot write ") + sound.name;
      return false;
    }
  }
  if (!WriteTitleTune(dataDir + kTuneFile)) {
    error = "cannot write " + kTuneFile;
    return false;
  }
  return true;
}

}  // namespace pindrake_assets
