#include <gtest/gtest.h>

#include "AudioFiles.h"
#include "audio/MixerFormat.h"
#include "audio/WaveFile.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::Bytes;
using testing::MakeWave;
using testing::WaveLayout;

// Offsets into a file made by MakeWave with no extra chunks.
constexpr size_t kFormatTagAt = 20;
constexpr size_t kChannelsAt = 22;
constexpr size_t kRateAt = 24;
constexpr size_t kBitsAt = 34;
constexpr size_t kDataSizeAt = 40;

void Poke16(Bytes& file, size_t at, uint16_t value) {
  file.at(at) = static_cast<uint8_t>(value);
  file.at(at + 1) = static_cast<uint8_t>(value >> 8);
}

void Poke32(Bytes& file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    file.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}

Bytes SomeSamples(size_t count) {
  Bytes samples(count);
  for (size_t i = 0; i < count; ++i)
    samples[i] = static_cast<uint8_t>(i * 7 + 3);
  return samples;
}

TEST(WaveFile, ReadsEveryPcmLayoutWithLongFormatChunksAndExtraChunks) {
  const Bytes samples = SomeSamples(48);
  for (uint16_t bits : {8, 16}) {
    for (uint16_t channels : {1, 2}) {
      for (uint32_t fmtBytes : {16u, 18u, 40u}) {
        for (bool extraChunks : {false, true}) {
          SCOPED_TRACE(::testing::Message() << bits << " bits, " << channels << " channels, fmt "
                                            << fmtBytes << ", extra " << extraChunks);
          WaveLayout layout{channels, 11025, bits, fmtBytes, extraChunks, extraChunks};
          WaveSound sound;
          ASSERT_TRUE(ParseWave(MakeWave(layout, samples), sound));
          EXPECT_EQ(sound.channels, channels);
          EXPECT_EQ(sound.sampleRate, 11025u);
          EXPECT_EQ(sound.bitsPerSample, bits);
          EXPECT_EQ(sound.samples, samples);
        }
      }
    }
  }
}

TEST(WaveFile, DropsAPartialLastFrame) {
  WaveSound sound;
  ASSERT_TRUE(ParseWave(MakeWave({2, 22050, 16, 16}, SomeSamples(10)), sound));
  EXPECT_EQ(sound.samples.size(), 8u);
  EXPECT_EQ(sound.FrameCount(), 2u);
}

TEST(WaveFile, EveryTruncationFailsCleanly) {
  const Bytes whole = MakeWave({2, 22050, 16, 18, true, true}, SomeSamples(64));
  WaveSound sound;
  ASSERT_TRUE(ParseWave(whole, sound));
  for (size_t length = 0; length < whole.size(); ++length) {
    const Bytes cut(whole.begin(), whole.begin() + length);
    EXPECT_FALSE(ParseWave(cut, sound)) << "cut at " << length;
  }
}

TEST(WaveFile, LyingOrUnusableHeadersAreRejected) {
  const Bytes good = MakeWave({2, 22050, 16, 16}, SomeSamples(16));
  auto rejects = [](Bytes file) {
    WaveSound sound;
    return !ParseWave(file, sound);
  };
  Bytes file = good;
  Poke32(file, kDataSizeAt, 0xFFFFFFFF);  // more data than the file holds
  EXPECT_TRUE(rejects(file));
  file = good;
  Poke32(file, 16, 0xFFFFFFF0);  // fmt chunk larger than the file
  EXPECT_TRUE(rejects(file));
  file = good;
  Poke32(file, 16, 14);  // fmt chunk too short for the format fields
  EXPECT_TRUE(rejects(file));
  for (uint16_t channels : {0, 3, 6}) {
    file = good;
    Poke16(file, kChannelsAt, channels);
    EXPECT_TRUE(rejects(file)) << channels << " channels";
  }
  for (uint16_t bits : {0, 4, 24, 32}) {
    file = good;
    Poke16(file, kBitsAt, bits);
    EXPECT_TRUE(rejects(file)) << bits << " bits";
  }
  file = good;
  Poke32(file, kRateAt, 0);
  EXPECT_TRUE(rejects(file));
  file = good;
  Poke16(file, kFormatTagAt, 2);  // compressed, not PCM
  EXPECT_TRUE(rejects(file));
  file = good;
  file[0] = 'X';
  EXPECT_TRUE(rejects(file));
  EXPECT_TRUE(rejects(MakeWave({2, 22050, 16, 16}, {})));  // no samples
  file = good;
  file[36] = 'x';  // "data" renamed: no data chunk at all
  EXPECT_TRUE(rejects(file));
  // A data chunk before the format cannot be interpreted.
  file = good;
  std::swap_ranges(file.begin() + 12, file.begin() + 20, file.begin() + 36);
  EXPECT_TRUE(rejects(file));
}

TEST(WaveFile, ReadsFromDiskAndFailsOnMissingFiles) {
  testing::ScopedTempDir tmp;
  const std::string path = tmp.Path() + "pop.wav";
  ASSERT_TRUE(testing::WriteBytes(path, MakeWave({1, 8000, 8, 18}, SomeSamples(5))));
  WaveSound sound;
  ASSERT_TRUE(ReadWaveFile(path, sound));
  EXPECT_EQ(sound.samples, SomeSamples(5));
  EXPECT_FALSE(ReadWaveFile(tmp.Path() + "missing.wav", sound));
  EXPECT_FALSE(ReadWaveFile(tmp.Path(), sound));  // a folder
}

TEST(MixerFormat, WidensEightBitMonoToBothSides) {
  WaveSound sound{1, 22050, 8, {0x80, 0xFF, 0x00}};
  EXPECT_EQ(ConvertToMixerFormat(sound),
            (std::vector<int16_t>{0, 0, 32512, 32512, -32768, -32768}));
}

TEST(MixerFormat, KeepsStereoAtTheMixerRateAndResamplesOtherRates) {
  const Bytes stereo = testing::Samples16({100, -100, 2000, -2000});
  EXPECT_EQ(ConvertToMixerFormat({2, 22050, 16, stereo}),
            (std::vector<int16_t>{100, -100, 2000, -2000}));
  // Half the rate: twice the frames, the new ones interpolated; the last one held.
  EXPECT_EQ(ConvertToMixerFormat({1, 11025, 16, testing::Samples16({0, 1000})}),
            (std::vector<int16_t>{0, 0, 500, 500, 1000, 1000, 1000, 1000}));
  // Twice the rate: every other frame.
  EXPECT_EQ(ConvertToMixerFormat({1, 44100, 16, testing::Samples16({1, 2, 3, 4})}),
            (std::vector<int16_t>{1, 1, 3, 3}));
}

TEST(MixerFormat, RefusesSoundsTooLargeForTheMixer) {
  // One byte per frame at 1 Hz would become 22050 frames each.
  WaveSound sound{1, 1, 8, Bytes(kMaxMixerSoundBytes / (4 * 22050) + 1, 0x80)};
  EXPECT_TRUE(ConvertToMixerFormat(sound).empty());
  sound.samples.resize(10);
  EXPECT_EQ(ConvertToMixerFormat(sound).size(), 10u * 22050 * 2);
}

}  // namespace
}  // namespace zentoir
