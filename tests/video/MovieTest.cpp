#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include <GL/gl.h>

#include "MovieFixture.h"
#include "base/RuntimeContext.h"
#include "gfx2d/gl/MovieScreen.h"
#include "os/Environment.h"
#include "video/MovieReader.h"
#include "zentoir.h"

namespace zentoir::testing {
namespace {

constexpr double kNotPlayable = 3;

// Two seconds at 10 frames per second: frame k is due at k / 10 s.
MovieRecipe TwoSeconds(int width = 320, int height = 240) {
  MovieRecipe recipe;
  recipe.width = width;
  recipe.height = height;
  return recipe;
}

// The frame due at a time (the last one stays after the end).
int DueFrame(double seconds) {
  return std::min(19, static_cast<int>(std::floor(seconds * 10 + 1e-9)));
}

// A 16-bit WAV file at 22050 Hz holding `bytes` bytes of `fill`.
std::string Wave(int channels, uint32_t bytes, char fill) {
  std::string wave;
  auto put = [&wave](uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
      wave.push_back(static_cast<char>(value >> (8 * i)));
  };
  wave += "RIFF";
  put(36 + bytes, 4);
  wave += "WAVEfmt ";
  put(16, 4), put(1, 2), put(uint32_t(channels), 2), put(22050, 4);
  put(22050u * 2 * uint32_t(channels), 4), put(2u * uint32_t(channels), 2), put(16, 2);
  wave += "data";
  put(bytes, 4);
  return wave + std::string(bytes, fill);
}

TEST_F(MovieTest, FramesAppearAtTheirTimesNeverEarly) {
  const std::string path = Make("count.mkv", TwoSeconds());
  ASSERT_EQ(Play(path, 0, 0.013), 0);
  // The clock moves in steps smaller than a frame: every frame is shown, in order,
  // and only while it is the one due.
  ASSERT_EQ(seen_.size(), 20u);
  for (size_t k = 0; k < seen_.size(); ++k) {
    EXPECT_EQ(seen_[k].Frame(), static_cast<int>(k));
    EXPECT_EQ(DueFrame(seen_[k].seconds), static_cast<int>(k)) << seen_[k].seconds;
  }
}

TEST_F(MovieTest, LateFramesAreDropped) {
  const std::string path = Make("count.mkv", TwoSeconds());
  ASSERT_EQ(Play(path, 0, 0.25), 0);
  // The clock jumps by a quarter second: only the frame due at a reading is drawn.
  ASSERT_GE(seen_.size(), 5u);
  EXPECT_LT(seen_.size(), 12u);
  int previous = -1;
  for (const Seen& seen : seen_) {
    EXPECT_EQ(seen.Frame(), DueFrame(seen.seconds)) << seen.seconds;
    EXPECT_GT(seen.Frame(), previous);
    previous = seen.Frame();
  }
}

TEST_F(MovieTest, FillsTheWindowKeepingTheAspect) {
  // 320 × 240 fills 640 × 480 exactly.
  probes_ = {{0, 0}, {639, 0}, {0, 479}, {639, 479}};
  ASSERT_EQ(Play(Make("four-three.mkv", TwoSeconds()), 0, 0.5), 0);
  ASSERT_FALSE(seen_.empty());
  for (size_t i = 0; i < probes_.size(); ++i)
    EXPECT_EQ(seen_[0].Frame(i), DueFrame(seen_[0].seconds)) << "corner " << i;

  // 400 × 100 is scaled by 1.6 to 640 × 160, centred: rows 160 … 319, black around.
  probes_ = {{320, 159}, {320, 160}, {0, 240}, {639, 240}, {320, 319}, {320, 320}, {5, 5}};
  ASSERT_EQ(Play(Make("wide.mkv", TwoSeconds(400, 100)), 0, 0.5), 0);
  ASSERT_FALSE(seen_.empty());
  const Seen& first = seen_[0];
  const int due = DueFrame(first.seconds);
  EXPECT_TRUE(first.Black(0));
  for (size_t i : {1, 2, 3, 4})
    EXPECT_EQ(first.Frame(i), due) << "probe " << i;
  EXPECT_TRUE(first.Black(5));
  EXPECT_TRUE(first.Black(6));
}

TEST_F(MovieTest, APowerOfTwoTextureShowsNoSeamAtTheEdges) {
  MovieScreen screen(Runtime().mainWindow);
  ASSERT_TRUE(screen.Create(320, 240, 4096, false));
  MoviePicture picture;
  picture.width = 320;
  picture.height = 240;
  picture.rgba.assign(320 * 240 * 4, 200);
  screen.Upload(picture.rgba.data(), picture.width, picture.height);
  screen.Draw();
  unsigned char rgba[4 * 4] = {};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(638, 0, 2, 2, GL_RGBA, GL_UNSIGNED_BYTE, rgba);  // the bottom right corner
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(rgba[4 * i], 200) << i;
}

TEST_F(MovieTest, AKeyOrAMouseButtonEndsTheMovieEarly) {
  const std::string path = Make("count.mkv", TwoSeconds());
  pushAt_ = 3;
  push_ = KeyEvent(SDL_SCANCODE_SPACE, true);
  EXPECT_EQ(Play(path, 0, 0.013), 0);
  EXPECT_EQ(seen_.size(), 4u);  // the press is seen before the next picture
  SDL_Event release = KeyEvent(SDL_SCANCODE_SPACE, false);
  SDL_PushEvent(&release);

  push_ = ButtonEvent(true);
  EXPECT_EQ(Play(path, 0, 0.013), 0);
  EXPECT_EQ(seen_.size(), 4u);
  release = ButtonEvent(false);
  SDL_PushEvent(&release);
}

TEST_F(MovieTest, TheLoopFlagStartsAgainAtTheEnd) {
  MovieRecipe recipe = TwoSeconds();
  recipe.frames = 4;
  recipe.framesPerSecond = 20;
  const std::string path = Make("short.mkv", recipe);
  // Played on the real clock; the key stops the third pass.
  pushAt_ = 9;
  push_ = KeyEvent(SDL_SCANCODE_A, true);
  EXPECT_EQ(Play(path, 1, 0), 0);
  int restarts = 0;
  for (size_t i = 1; i < seen_.size(); ++i)
    restarts += seen_[i].Frame() < seen_[i - 1].Frame() ? 1 : 0;
  EXPECT_GE(restarts, 1);
  EXPECT_EQ(seen_.front().Frame(), 0);
  SDL_Event release = KeyEvent(SDL_SCANCODE_A, false);
  SDL_PushEvent(&release);

  // Without the flag it plays once.
  pushAt_ = -1;
  EXPECT_EQ(Play(path, 0, 0.01), 0);
  EXPECT_EQ(seen_.size(), 4u);
}

TEST_F(MovieTest, UnusableFilesReturnThree) {
  EXPECT_EQ(PlayMovie((dir_.Path() + "missing.mkv").c_str()), kNotPlayable);
  EXPECT_EQ(PlayMovie(dir_.Path().c_str()), kNotPlayable);  // a folder

  const std::string whole = ReadFileBytes(Make("whole.mkv", TwoSeconds()));
  ASSERT_GT(whole.size(), 4000u);
  const std::string header = dir_.Path() + "header.mkv";
  ASSERT_TRUE(WriteFileBytes(header, whole.substr(0, 300)));
  EXPECT_EQ(PlayMovie(header.c_str()), kNotPlayable);

  const std::string noise = dir_.Path() + "noise.mkv";
  std::string bytes(20000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
  ASSERT_TRUE(WriteFileBytes(noise, bytes));
  EXPECT_EQ(PlayMovie(noise.c_str()), kNotPlayable);

  // Sound only: no pictures to show.
  const std::string wave = Wave(1, 4096, '\x10');
  ASSERT_TRUE(WriteFileBytes(dir_.Path() + "sound.wav", wave));
  EXPECT_EQ(PlayMovie((dir_.Path() + "sound.wav").c_str()), kNotPlayable);
}

TEST_F(MovieTest, AMovieCutShortPlaysWhatItHas) {
  const std::string whole = ReadFileBytes(Make("whole.mkv", TwoSeconds()));
  const std::string cut = dir_.Path() + "cut.mkv";
  ASSERT_TRUE(WriteFileBytes(cut, whole.substr(0, whole.size() / 2)));
  EXPECT_EQ(Play(cut, 0, 0.05), 0);
  EXPECT_GE(seen_.size(), 3u);
  EXPECT_LT(seen_.size(), 20u);

  // Damaged in the middle: every byte of a stretch flipped.
  std::string damaged = whole;
  for (size_t i = whole.size() / 3; i < whole.size() / 3 + 3000; ++i)
    damaged[i] = static_cast<char>(~damaged[i]);
  ASSERT_TRUE(WriteFileBytes(dir_.Path() + "damaged.mkv", damaged));
  EXPECT_EQ(Play(dir_.Path() + "damaged.mkv", 0, 0.05), 0);
  EXPECT_GE(seen_.size(), 3u);
}

bool Contains(const std::string& haystack, const std::string& needle) {
  return haystack.find(needle) != std::string::npos;
}

// The movie's samples from `first` on, as the mixer's bytes.
std::string SoundBytes(size_t first, size_t count) {
  std::string bytes;
  for (size_t i = first; i < first + count; ++i) {
    for (int side = 0; side < 2; ++side) {
      const auto sample = static_cast<uint16_t>(SoundSample(i, side));
      bytes.push_back(static_cast<char>(sample & 0xFF));
      bytes.push_back(static_cast<char>(sample >> 8));
    }
  }
  return bytes;
}

// Reopens the mixer on SDL's disk driver for the life of the object.
class DiskMixer {
 public:
  explicit DiskMixer(const std::string& file) : channels_(Mix_AllocateChannels(-1)) {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    os::SetEnvironmentValue("SDL_AUDIODRIVER", "disk", true);
    os::SetEnvironmentValue("SDL_DISKAUDIOFILE", file.c_str(), true);
    open_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
            Mix_OpenAudioDevice(22050, AUDIO_S16SYS, 2, 1024, nullptr, 0) == 0;
  }
  ~DiskMixer() {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    os::SetEnvironmentValue("SDL_AUDIODRIVER", "dummy", true);
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    Mix_OpenAudioDevice(22050, AUDIO_S16SYS, 2, 1024, nullptr, 0);
    Mix_AllocateChannels(channels_);
  }
  int channels_;
  bool open_ = false;
};

TEST_F(MovieTest, TheSoundReachesTheAudioDevice) {
  const std::string path = Make("count.mkv", TwoSeconds());
  const std::string output = dir_.Path() + "output.raw";
  {
    DiskMixer mixer(output);
    ASSERT_TRUE(mixer.open_);
    EXPECT_EQ(PlayMovie(path.c_str()), 0);
  }
  const std::string written = ReadFileBytes(output);
  // Stretches from the start, the middle and the end, byte for byte.
  for (size_t frame : {100, 22050, 43000})
    EXPECT_TRUE(Contains(written, SoundBytes(frame, 200))) << "frame " << frame;
}

TEST_F(MovieTest, TheMusicPlaysOnBesideTheMovie) {
  // Ten seconds of quiet sound as the tune.
  const std::string wave = Wave(2, 220500 * 4, '\x01');
  ASSERT_TRUE(WriteFileBytes(dir_.Path() + "tune.wav", wave));
  PlayMusic((dir_.Path() + "tune.wav").c_str());
  ASSERT_EQ(Mix_PlayingMusic(), 1);
  const int channels = Mix_AllocateChannels(-1);
  MovieRecipe recipe = TwoSeconds();
  recipe.frames = 5;
  EXPECT_EQ(Play(Make("short.mkv", recipe), 0, 0.02), 0);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  EXPECT_EQ(Mix_AllocateChannels(-1), channels);  // the movie's channel is given back
  StopMusic();
}

TEST_F(MovieTest, EscEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string path = Make("count.mkv", TwoSeconds());
  pushAt_ = 2;
  EXPECT_EXIT(
      {
        push_ = KeyEvent(SDL_SCANCODE_ESCAPE, true);
        SetEscapeEnds(1);
        Play(path, 1, 0.013);
        std::exit(9);  // not reached
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace zentoir::testing
