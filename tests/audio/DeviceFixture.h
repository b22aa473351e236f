// A fixture that opens the sound device for one test (the dummy driver unless the
// environment names another) and releases it through the shutdown steps.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "AudioFiles.h"
#include "audio/SoundDevice.h"
#include "base/Shutdown.h"
#include "os/Environment.h"
#include "support/TempDir.h"

namespace zentoir::testing {

class SoundDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(InitSoundDevice(), 1); }
  void TearDown() override { ShutdownRuntime(); }

  // Writes a WAV file into the test's folder and returns its path.
  std::string WriteWave(const std::string& name, const WaveLayout& layout, const Bytes& samples) {
    const std::string path = tmp_.Path() + name;
    EXPECT_TRUE(WriteBytes(path, MakeWave(layout, samples)));
    return path;
  }

  // A quiet 8-bit mono sound long enough to be still playing when a test looks.
  std::string WriteLongSound() {
    return WriteWave("long.wav", {1, 11025, 8, 16}, Bytes(11025 * 10, 0x81));
  }

  ScopedTempDir tmp_;
};

}  // namespace zentoir::testing
