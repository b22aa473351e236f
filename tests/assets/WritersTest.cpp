// The generator's file writers on cases the data set itself does not show.
#include <gtest/gtest.h>

#include <fstream>

#include "BmpFile.h"
#include "GeneratedData.h"
#include "MidiFile.h"
#include "PngFile.h"

using pindrake_assets::PixelBuffer;

namespace assets_test {
namespace {

TEST(Writers, BitmapRowsArePaddedToFourBytes) {
  TempFolder folder;
  PixelBuffer image{5, 3, 3, {}};
  for (int i = 0; i < 5 * 3 * 3; ++i)
    image.bytes.push_back(static_cast<uint8_t>(i * 5 + 1));
  ASSERT_TRUE(pindrake_assets::WriteBmp24(folder.Path() + "a.bmp", image));
  EXPECT_EQ(ReadWholeFile(folder.Path() + "a.bmp").size(), 54u + 3 * 16);
  PixelBuffer back;
  ASSERT_TRUE(pindrake_assets::ReadBmp24(folder.Path() + "a.bmp", back));
  EXPECT_EQ(back.width, 5);
  EXPECT_EQ(back.height, 3);
  EXPECT_EQ(back.bytes, image.bytes);
}

TEST(Writers, BitmapReaderRefusesDamagedFiles) {
  TempFolder folder;
  PixelBuffer image{4, 4, 3, std::vector<uint8_t>(48, 7)};
  ASSERT_TRUE(pindrake_assets::WriteBmp24(folder.Path() + "a.bmp", image));
  std::vector<uint8_t> bytes = ReadWholeFile(folder.Path() + "a.bmp");
  bytes.resize(bytes.size() - 1);
  std::ofstream(folder.Path() + "short.bmp", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  PixelBuffer back;
  EXPECT_FALSE(pindrake_assets::ReadBmp24(folder.Path() + "short.bmp", back));
  EXPECT_FALSE(pindrake_assets::ReadBmp24(folder.Path() + "missing.bmp", back));
}

TEST(Writers, PngKeepsAlphaOnlyWhenAsked) {
  TempFolder folder;
  PixelBuffer rgb{2, 1, 3, {255, 0, 128, 1, 2, 3}};
  ASSERT_TRUE(pindrake_assets::WritePng(folder.Path() + "rgb.png", rgb));
  PixelBuffer back;
  bool alpha = true;
  ASSERT_TRUE(pindrake_assets::ReadPng(folder.Path() + "rgb.png", back, &alpha));
  EXPECT_FALSE(alpha);
  EXPECT_EQ(back.bytes, (std::vector<uint8_t>{255, 0, 128, 255, 1, 2, 3, 255}));
  EXPECT_FALSE(pindrake_assets::ReadPng(folder.Path() + "missing.png", back));
}

TEST(Writers, MidiDeltaTimesUseVariableLengthAndEndsComeFirst) {
  pindrake_assets::MidiTrack track;
  track.Note(0x80, 0x3FFF - 0x80, 0, 60, 100);  // on at 0x80, off at 0x3FFF
  track.Note(0x3FFF, 10, 0, 62, 100);           // starts where the first ends
  const std::vector<uint8_t> body = track.Serialise(0x4100);
  const std::vector<uint8_t> expected{
      0x81, 0x00, 0x90, 60,   100,    // delta 128 takes two bytes
      0xFE, 0x7F, 0x80, 60,   64,     // delta 16255: the earlier note ends first...
      0x00, 0x90, 62,   100,          // ...then the next one starts at the same time
      0x0A, 0x80, 62,   64,           // and ends 10 ticks later
      0x81, 0x77, 0xFF, 0x2F, 0x00};  // end of track 247 ticks on
  EXPECT_EQ(body, expected);
}

}  // namespace
}  // namespace assets_test
