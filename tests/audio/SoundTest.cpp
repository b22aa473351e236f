#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "DeviceFixture.h"
#include "audio/Sound.h"
#include "audio/SoundDevice.h"
#include "audio/SoundLevels.h"
#include "base/ErrorLog.h"
#include "base/ErrorLogFile.h"
#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "os/Environment.h"

namespace zentoir {
namespace {

using testing::Bytes;
using SoundSlots = testing::SoundDeviceTest;

TEST_F(SoundSlots, ThreeBuffersOverlapAndAFourthPlayCutsOffTheOldest) {
  ASSERT_EQ(LoadSound(WriteLongSound().c_str(), 5, 3), 1);
  EXPECT_EQ(PlaySound(5, 0, 1), 1280);
  EXPECT_EQ(PlaySound(5, 0, 1), 1281);
  EXPECT_EQ(PlaySound(5, 0, 1), 1282);
  for (double channel : {1280, 1281, 1282})
    EXPECT_EQ(SoundPlaying(channel), 1) << channel;
  EXPECT_EQ(PlaySound(5, 0, 1), 1280);  // buffer 0 cut off and started again
  EXPECT_EQ(SoundPlaying(1280), 1);
  EXPECT_EQ(SoundPlaying(1283), 0);  // no fourth buffer

  StopAllSounds();
  for (double channel : {1280, 1281, 1282})
    EXPECT_EQ(SoundPlaying(channel), 0) << channel;
  EXPECT_EQ(PlaySound(5, 0, 1), 1280);
}

TEST_F(SoundSlots, BufferCountsAreClampedAndABusySingleBufferIsNotRestarted) {
  ASSERT_EQ(LoadSound(WriteLongSound().c_str(), 1, 0), 1);  // 0 buffers means 1
  EXPECT_EQ(PlaySound(1, 0, 1), 256);
  EXPECT_EQ(PlaySound(1, 0, 1), -1);
  EXPECT_EQ(SoundPlaying(256), 1);

  ASSERT_EQ(LoadSound(WriteLongSound().c_str(), 2, 9), 1);  // at most 4
  for (int play = 0; play < 4; ++play)
    EXPECT_EQ(PlaySound(2, 0, 1), 512 + play);
  EXPECT_EQ(PlaySound(2, 0, 1), 512);
}

TEST_F(SoundSlots, SlotsAbove127UseSlot127AndNegativeSlotsAreRefused) {
  const std::string sound = WriteLongSound();
  ASSERT_EQ(LoadSound(sound.c_str(), 200, 1), 1);
  EXPECT_EQ(PlaySound(200, 0, 1), 256 * 127);
  EXPECT_EQ(PlaySound(127, 0, 1), -1);  // the same slot, still busy
  EXPECT_EQ(SoundPlaying(256 * 127), 1);

  EXPECT_EQ(LoadSound(sound.c_str(), -1, 1), 0);
  EXPECT_EQ(PlaySound(-1, 0, 1), -1);
  EXPECT_EQ(PlaySound(NAN, 0, 1), -1);
  EXPECT_EQ(SoundPlaying(-1), 0);
  EXPECT_EQ(SoundPlaying(256 * 255 + 3), 0);  // a slot the commands never load
  EXPECT_EQ(SoundPlaying(1e12), 0);           // beyond the table
}

TEST_F(SoundSlots, AFailedLoadLeavesTheSlotEmpty) {
  ASSERT_EQ(LoadSound(WriteLongSound().c_str(), 3, 2), 1);
  ASSERT_EQ(PlaySound(3, 0, 1), 768);
  const std::string broken = tmp_.Path() + "broken.wav";
  ASSERT_TRUE(testing::WriteBytes(broken, Bytes{'R', 'I', 'F', 'F', 1, 2}));
  EXPECT_EQ(LoadSound(broken.c_str(), 3, 2), 0);
  EXPECT_EQ(SoundPlaying(768), 0);  // the old sound was stopped and released
  EXPECT_EQ(PlaySound(3, 0, 1), -1);
  EXPECT_EQ(LoadSound((tmp_.Path() + "missing.wav").c_str(), 4, 1), 0);
  EXPECT_EQ(PlaySound(4, 0, 1), -1);
}

TEST_F(SoundSlots, PlaySetsTheChannelVolumeFromTheAttenuation) {
  ASSERT_EQ(LoadSound(WriteLongSound().c_str(), 6, 3), 1);
  ASSERT_EQ(PlaySound(6, 0, 0.9), 1536);  // −1000: −10 dB
  EXPECT_EQ(Mix_Volume(MixerChannel(6, 0), -1), 40);
  ASSERT_EQ(PlaySound(6, -1, 1), 1537);
  EXPECT_EQ(Mix_Volume(MixerChannel(6, 1), -1), 128);
  ASSERT_EQ(PlaySound(6, 1, 0.5), 1538);  // −5000: below the mixer's smallest step
  EXPECT_EQ(Mix_Volume(MixerChannel(6, 2), -1), 0);
}

TEST(SoundLevels, VolumeBecomesHundredthsOfADecibelAndALinearLevel) {
  EXPECT_EQ(VolumeToHundredthsDb(0.5), -5000);
  EXPECT_NEAR(HundredthsDbToLinear(-5000), std::pow(10.0, -2.5), 1e-12);  // 0.00316
  EXPECT_EQ(VolumeToHundredthsDb(1), 0);
  EXPECT_EQ(HundredthsDbToLinear(0), 1.0);
  EXPECT_EQ(MixerVolume(0), 128);
  EXPECT_EQ(VolumeToHundredthsDb(0.999), -100);  // whole percent, truncated
  EXPECT_EQ(VolumeToHundredthsDb(0), -10000);
  EXPECT_EQ(HundredthsDbToLinear(-10000), 0.0);
  EXPECT_EQ(VolumeToHundredthsDb(7), 0);
  EXPECT_EQ(VolumeToHundredthsDb(-2), -10000);
  EXPECT_EQ(VolumeToHundredthsDb(NAN), -10000);
  EXPECT_EQ(MixerVolume(-600), 64);  // −6 dB is about half
}

TEST(SoundLevels, PanSilencesTheOtherSide) {
  uint8_t left = 0;
  uint8_t right = 0;
  EXPECT_EQ(PanToHundredthsDb(-1), -10000);
  MixerPanLevels(-10000, left, right);
  EXPECT_EQ(left, 255);
  EXPECT_EQ(right, 0);
  EXPECT_EQ(PanToHundredthsDb(0.25), 2500);
  MixerPanLevels(2500, left, right);
  EXPECT_EQ(left, 14);  // 255 × 10^(−1.25)
  EXPECT_EQ(right, 255);
  MixerPanLevels(PanToHundredthsDb(0), left, right);
  EXPECT_EQ(left, 255);
  EXPECT_EQ(right, 255);
  EXPECT_EQ(PanToHundredthsDb(-5), -10000);
  EXPECT_EQ(PanToHundredthsDb(NAN), 0);
}

TEST(SoundWithoutDevice, TheProgramGoesOnSilentlyWithOneLogLine) {
  testing::ScopedTempDir tmp;
  const char* oldDriver = std::getenv("SDL_AUDIODRIVER");
  const bool hadDriver = oldDriver != nullptr;
  const std::string saved = hadDriver ? oldDriver : "";
  os::SetEnvironmentValue("SDL_AUDIODRIVER", "no-such-driver", true);
  EXPECT_EQ(InitSoundDevice(), 0);
  EXPECT_EQ(InitSoundDevice(), 0);  // already made: no second line
  const std::string sound = tmp.Path() + "pop.wav";
  ASSERT_TRUE(testing::WriteBytes(sound, testing::MakeWave({1, 22050, 8, 16}, Bytes(100, 1))));
  EXPECT_EQ(LoadSound(sound.c_str(), 1, 1), 0);
  EXPECT_EQ(PlaySound(1, 0, 1), -1);
  EXPECT_EQ(SoundPlaying(256), 0);
  StopAllSounds();
  ShutdownRuntime();
  if (hadDriver) {
    os::SetEnvironmentValue("SDL_AUDIODRIVER", saved.c_str(), true);
  } else {
    os::SetEnvironmentValue("SDL_AUDIODRIVER", nullptr);
  }

  const std::string log = testing::ReadFileBytes(ErrorLogPath());
  EXPECT_EQ(log.rfind("Sound device could not be opened", 0), 0u) << log;
  EXPECT_EQ(log.find("\r\n"), log.size() - 2) << log;
}

TEST(SoundWithoutDevice, CommandsBeforeStartUpDoNothing) {
  EXPECT_EQ(LoadSound("pop.wav", 1, 1), 0);
  EXPECT_EQ(PlaySound(1, 0, 1), -1);
  EXPECT_EQ(SoundPlaying(256), 0);
  StopAllSounds();
}

}  // namespace
}  // namespace zentoir
