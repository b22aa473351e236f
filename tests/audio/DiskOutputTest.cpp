#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AudioFiles.h"
#include "audio/Sound.h"
#include "audio/SoundDevice.h"
#include "base/Shutdown.h"
#include "os/Clock.h"
#include "os/Environment.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::Bytes;

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      had_ = true;
      old_ = old;
    }
    os::SetEnvironmentValue(name, value.c_str(), true);
  }
  ~ScopedEnv() {
    if (had_) {
      os::SetEnvironmentValue(name_, old_.c_str(), true);
    } else {
      os::SetEnvironmentValue(name_, nullptr);
    }
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

// 0.2 s of stereo samples that do not repeat: the left side rises, the right falls.
std::vector<int16_t> Pattern() {
  std::vector<int16_t> samples;
  for (int frame = 0; frame < 4410; ++frame) {
    samples.push_back(static_cast<int16_t>(frame * 7 - 15000));
    samples.push_back(static_cast<int16_t>(15000 - frame * 5));
  }
  return samples;
}

// Plays slot 1 once with the given pan on SDL's disk driver and returns what the
// device wrote.
Bytes PlayToDisk(const std::string& folder, double pan) {
  const std::string output = folder + "output.raw";
  ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  ScopedEnv file("SDL_DISKAUDIOFILE", output);
  EXPECT_EQ(InitSoundDevice(), 1);
  const std::string wave = folder + "pattern.wav";
  EXPECT_TRUE(testing::WriteBytes(
      wave, testing::MakeWave({2, 22050, 16, 16}, testing::Samples16(Pattern()))));
  EXPECT_EQ(LoadSound(wave.c_str(), 1, 1), 1);
  EXPECT_EQ(PlaySound(1, pan, 1), 256);
  // The driver writes in real time; wait (at most 20 s) until the sound has played and
  // a few more device buffers have followed it.
  for (int wait = 0; wait < 2000 && SoundPlaying(256) == 1; ++wait)
    os::SleepMilliseconds(10);
  os::SleepMilliseconds(300);
  ShutdownRuntime();
  const std::string bytes = testing::ReadFileBytes(output);
  return Bytes(bytes.begin(), bytes.end());
}

bool Contains(const Bytes& haystack, const Bytes& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
         haystack.end();
}

TEST(DiskOutput, ThePlayedSamplesReachTheDevice) {
  testing::ScopedTempDir tmp;
  const Bytes output = PlayToDisk(tmp.Path(), 0);
  const std::vector<int16_t> pattern = Pattern();
  // Stretches from the start, the middle and the end of the sound, byte for byte.
  for (size_t frame : {0, 2000, 4310}) {
    const std::vector<int16_t> part(pattern.begin() + 2 * frame, pattern.begin() + 2 * frame + 200);
    EXPECT_TRUE(Contains(output, testing::Samples16(part))) << "frame " << frame;
  }
}

TEST(DiskOutput, PanToTheLeftSilencesTheRightSide) {
  testing::ScopedTempDir tmp;
  const Bytes output = PlayToDisk(tmp.Path(), -1);
  std::vector<int16_t> leftOnly = Pattern();
  for (size_t i = 1; i < leftOnly.size(); i += 2)
    leftOnly[i] = 0;
  const std::vector<int16_t> part(leftOnly.begin() + 4000, leftOnly.begin() + 4200);
  EXPECT_TRUE(Contains(output, testing::Samples16(part)));
}

}  // namespace
}  // namespace zentoir
