#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "DeviceFixture.h"
#include "audio/AudioState.h"
#include "audio/Music.h"
#include "audio/MusicTrack.h"
#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "os/File.h"
#include "support/Platform.h"
#include "support/StopReport.h"

namespace zentoir {
namespace {

using testing::Bytes;

constexpr const char* kNoSynthesizer = "no MIDI synthesizer plays the tune under Wine";

// A tune of `ticks` (below 128) ticks at 96 per quarter and 120 bpm, one note.
Bytes TuneOfTicks(uint8_t ticks) {
  return testing::MakeMidi(
      96, {{0x00, 0x90, 0x3C, 0x64, ticks, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}});
}

// Bytes this process has read from files so far ("rchar" of /proc/self/io).
int64_t BytesReadSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  int64_t value = -1;
  while (io >> key >> value) {
    if (key == "rchar:") return value;
  }
  return -1;
}

class Music : public testing::SoundDeviceTest {
 protected:
  DynString WriteTune(const std::string& name, const Bytes& midi) {
    const std::string path = tmp_.Path() + name;
    EXPECT_TRUE(testing::WriteBytes(path, midi));
    return path.c_str();
  }
  double LoopTime() const { return Audio().musicLoopTime; }
};

TEST_F(Music, AShortTuneRestartsEvery500Ms) {
  PlayMusicAt(WriteTune("short.mid", TuneOfTicks(48)), 1000);  // 250 ms long
  ASSERT_NE(Audio().music, nullptr);
  EXPECT_DOUBLE_EQ(Audio().music->lengthMs, 250.0);
  EXPECT_EQ(LoopTime(), 1500);
  if (testing::OnWindows()) GTEST_SKIP() << kNoSynthesizer;
  EXPECT_EQ(Mix_PlayingMusic(), 1);

  MusicLoopCheckAt(1499.9);
  EXPECT_EQ(LoopTime(), 1500);
  MusicLoopCheckAt(1500);
  EXPECT_EQ(LoopTime(), 2000);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  MusicLoopCheckAt(2000);
  EXPECT_EQ(LoopTime(), 2500);
  MusicLoopCheckAt(2730);  // a late frame: the next loop counts from the restart
  EXPECT_EQ(LoopTime(), 3230);
}

TEST_F(Music, ALongerTuneLoopsAfterItsOwnLength) {
  PlayMusicAt(WriteTune("long.mid", TuneOfTicks(120)), 40);  // 625 ms
  ASSERT_NE(Audio().music, nullptr);
  EXPECT_DOUBLE_EQ(LoopTime(), 40 + 625.0);
  RestartMusicAt(100);
  EXPECT_DOUBLE_EQ(LoopTime(), 100 + 625.0);
}

// Stands in for the clock and notes whether the tune already played when it was read.
bool playingWhenClockRead = false;
double ClockReading2000() {
  playingWhenClockRead = Mix_PlayingMusic() == 1;
  return 2000;
}

// Opening the file takes time; the first loop counts from the moment the tune plays.
TEST_F(Music, TheLoopCountsFromTheMomentTheTunePlays) {
  if (testing::OnWindows()) GTEST_SKIP() << kNoSynthesizer;
  PlayMusicTimedBy(WriteTune("long.mid", TuneOfTicks(120)), ClockReading2000);
  EXPECT_TRUE(playingWhenClockRead) << "the clock was read before the tune was open";
  EXPECT_DOUBLE_EQ(LoopTime(), 2000 + 625.0);
}

TEST_F(Music, OtherFormatsUseTheLengthTheMixerReports) {
  // One second of 16-bit stereo silence at 22050 Hz, played as music.
  const std::string path = WriteWave("tune.wav", {2, 22050, 16, 16}, Bytes(22050 * 4, 0));
  PlayMusicAt(path.c_str(), 0);
  ASSERT_NE(Audio().music, nullptr);
  EXPECT_NEAR(LoopTime(), 1000, 1);
}

// A page has no synthesizer: its build renders each tune into an OGG file of its name.
TEST_F(Music, ATuneThatCannotBePlayedIsPlayedFromItsRendering) {
  if (testing::OnWindows()) GTEST_SKIP() << "no renderer of tunes under Wine";
  const std::string rendered = tmp_.Path() + "tune.ogg";
  const DynString tune = WriteTune("source.mid", TuneOfTicks(120));
  const std::string render = "fluidsynth -n -i -q -T oga -F '" + rendered +
                             "' /usr/share/sounds/sf2/TimGM6mb.sf2 '" + tune.CStr() + "'";
  ASSERT_EQ(std::system(render.c_str()), 0);
  PlayMusicAt((tmp_.Path() + "tune.mid").c_str(), 0);  // not there: its rendering plays
  ASSERT_NE(Audio().music, nullptr);
  EXPECT_EQ(Audio().music->path, rendered);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  EXPECT_GE(LoopTime(), 625);  // the rendering's length, with the notes' last sound
}

TEST_F(Music, StopMusicAndAMissingFileLeaveSilence) {
  PlayMusicAt(WriteTune("short.mid", TuneOfTicks(48)), 0);
  ASSERT_NE(Audio().music, nullptr);
  StopMusic();
  EXPECT_EQ(Audio().music, nullptr);
  EXPECT_EQ(LoopTime(), 0);
  EXPECT_EQ(Audio().musicVolume, -1);
  EXPECT_EQ(Mix_PlayingMusic(), 0);
  MusicLoopCheckAt(1e9);  // nothing to restart
  EXPECT_EQ(Mix_PlayingMusic(), 0);

  PlayMusicAt(WriteTune("short.mid", TuneOfTicks(48)), 0);
  PlayMusic((tmp_.Path() + "missing.mid").c_str());  // replaces the tune with silence
  EXPECT_EQ(Audio().music, nullptr);
  EXPECT_EQ(LoopTime(), 0);
  EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(Music, AFileBeyondTheMusicLimitIsNotReadAtAll) {
  // A valid tune followed by zeros (a sparse file), one byte over the limit.
  const DynString path = WriteTune("huge.mid", TuneOfTicks(48));
  ASSERT_EQ(truncate(path.CStr(), kMaxMusicFileBytes + 1), 0);
  const int64_t readBefore = BytesReadSoFar();
  PlayMusicAt(path, 0);
  EXPECT_EQ(Audio().music, nullptr);
  if (!testing::OnWindows()) {  // which has no /proc/self/io
    EXPECT_LT(BytesReadSoFar() - readBefore, int64_t{1} << 20);
  }
  const std::vector<std::string> log = testing::ErrorLogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Music file too large: " + os::NativePath(path.View()));
}

TEST_F(Music, VolumeSetBeforeTheTuneIsReplacedByFullVolume) {
  SetMusicVolume(0.3);
  EXPECT_EQ(Audio().musicVolume, 0.3);
  PlayMusic(WriteTune("short.mid", TuneOfTicks(48)));
  EXPECT_EQ(Audio().musicVolume, 1.0);
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
  SetMusicVolume(0.5);
  EXPECT_EQ(Audio().musicVolume, 0.5);
  EXPECT_EQ(Mix_VolumeMusic(-1), 64);
  SetMusicVolume(0);
  EXPECT_EQ(Mix_VolumeMusic(-1), 0);
}

TEST_F(Music, ShutdownStopsTheMusic) {
  PlayMusic(WriteTune("short.mid", TuneOfTicks(48)));
  ASSERT_NE(Audio().music, nullptr);
  EXPECT_GT(LoopTime(), 0);
  ShutdownRuntime();
  EXPECT_EQ(Audio().music, nullptr);
  EXPECT_EQ(LoopTime(), 0);
}

}  // namespace
}  // namespace zentoir
