// The built game carries every data file it loads, and each one reads back through the
// runtime's own readers.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "audio/MidiLength.h"
#include "audio/WaveFile.h"
#include "files/ArchiveReader.h"
#include "gfx2d/image/BmpReader.h"
#include "gfx2d/image/PngReader.h"

namespace zentoir {
namespace {

// Every file the game loads by name.
const std::vector<std::string> kImages = {
    "Maus.png",      "Umriss.png", "2Pindrake.png", "Blau.png",     "Rot.png",
    "Gr\xFCn.png",   "Gelb.png",   "Weiss.png",     "Mauer.png",    "Wolken.png",
    "Wolkenlos.png", "Marmor.png", "Sterne.png",    "NeuSpiel.png", "smalfont.bmp"};
const std::vector<std::string> kSounds = {"button.wav", "Platz.wav", "deng.wav"};
const char* const kColours[] = {"schwarz", "weiss", "rot", "gruen", "blau", "gelb"};
const char* const kCells[] = {"7x14", "7x14_fett", "8x17", "9x17", "14x27"};

class PackedData : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(reader_.Open(PINDRAKE_PROGRAM), ArchiveReader::OpenStatus::kOpened);
    ArchiveEntry entry;
    while (reader_.NextEntry(entry))
      entries_[entry.name] = entry;
    ASSERT_TRUE(reader_.DirectoryComplete());
  }

  std::vector<uint8_t> Bytes(const std::string& name) {
    const auto found = entries_.find(name);
    if (found == entries_.end()) return {};
    return reader_.ReadFile(found->second).value_or(std::vector<uint8_t>{});
  }

  ImageBuffer Image(const std::string& name) {
    ImageBuffer image;
    const std::vector<uint8_t> bytes = Bytes(name);
    EXPECT_TRUE(DecodeBmp(bytes, -1, image) || DecodePng(bytes, name, 0x8000FF, image)) << name;
    return image;
  }

  ArchiveReader reader_;
  std::map<std::string, ArchiveEntry> entries_;
};

TEST_F(PackedData, EveryImageLoadsThroughTheRuntimeReaders) {
  for (const std::string& name : kImages) {
    const ImageBuffer image = Image(name);
    EXPECT_GT(image.width, 0) << name;
    EXPECT_GT(image.height, 0) << name;
  }
  for (const char* balloon : {"Blau.png", "Rot.png", "Gr\xFCn.png", "Gelb.png", "Weiss.png"}) {
    const ImageBuffer image = Image(balloon);
    EXPECT_EQ(image.width, 40) << balloon;
    EXPECT_EQ(image.height, 40) << balloon;
  }
}

TEST_F(PackedData, FontSheetsAreSixteenCellsOfTheirNamedSize) {
  for (const char* colour : kColours) {
    for (const char* cell : kCells) {
      const std::string name = std::string("Courier_") + colour + "_" + cell + ".png";
      int w = 0, h = 0;
      ASSERT_EQ(std::sscanf(cell, "%dx%d", &w, &h), 2);
      const ImageBuffer sheet = Image(name);
      EXPECT_EQ(sheet.width, 16 * w) << name;
      EXPECT_EQ(sheet.height, 16 * h) << name;
    }
  }
}

TEST_F(PackedData, SoundsAndTheTuneRead) {
  for (const std::string& name : kSounds) {
    WaveSound sound;
    EXPECT_TRUE(ParseWave(Bytes(name), sound)) << name;
  }
  const std::vector<uint8_t> tune = Bytes("ikona.mid");
  EXPECT_NEAR(MidiLengthMs(tune), 60000, 3000);
}

TEST_F(PackedData, NothingElseIsCarried) {
  std::set<std::string> expected(kImages.begin(), kImages.end());
  expected.insert(kSounds.begin(), kSounds.end());
  expected.insert("ikona.mid");
  expected.insert("pindrake-64.png");  // the window icon
  for (const char* colour : kColours) {
    for (const char* cell : kCells)
      expected.insert(std::string("Courier_") + colour + "_" + cell + ".png");
  }
  std::set<std::string> carried;
  for (const auto& [name, entry] : entries_)
    carried.insert(name);
  EXPECT_EQ(carried, expected);
}

}  // namespace
}  // namespace zentoir
