// Pause, title, and the ways out of the frame loop, driven by synthetic window events
// and a stand-in key reader.
#include <gtest/gtest.h>

#include <time.h>

#include <set>
#include <string>

#include "audio/AudioState.h"
#include "base/Hooks.h"
#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "core/RuntimeChild.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::CurrentTitle;
using ::testing::ExitedWithCode;
using testing::PushWindowEvent;
using testing::StartRuntime;

class FrameLoop : public ::testing::Test {
 protected:
  void SetUp() override { testing::UseHeadlessVideo(); }
  testing::ScopedTempDir tmp_;
};

void Print(const std::string& text) {
  std::fprintf(stderr, "[%s]", text.c_str());
}

void MarkShutdown() {
  AddShutdownStep(ShutdownStage::Input, [] { Print("shut down"); });
}

// Loses and regains the focus, printing the title after each.
void LoseAndRegainFocus() {
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  PumpMessages();
  Print(std::string(CurrentTitle()) + (Runtime().paused ? " paused" : " running"));
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  PumpMessages();
  Print(std::string(CurrentTitle()) + (Runtime().paused ? " paused" : " running"));
}

TEST_F(FrameLoop, FocusLossPausesAndMarksTheTitle) {
  EXPECT_EXIT(
      {
        StartRuntime("Pindrake");
        LoseAndRegainFocus();
        StopProgram();
      },
      ExitedWithCode(0), "\\[Pindrake <pause> paused\\]\\[Pindrake running\\]");
}

TEST_F(FrameLoop, NoPauseWithoutAutoPauseOrInDebugMode) {
  EXPECT_EXIT(
      {
        StartRuntime("Pindrake");
        SetAutoPause(0);
        LoseAndRegainFocus();
        SetAutoPause(1);
        Runtime().debugMode = 1;
        LoseAndRegainFocus();
        Runtime().debugMode = 0;
        StopProgram();
      },
      ExitedWithCode(0),
      "\\[Pindrake running\\]\\[Pindrake running\\]\\[Pindrake running\\]"
      "\\[Pindrake running\\]");
}

// A MIDI file of one note a quarter of a second long (96 ticks per quarter, 120 bpm):
// the music loop restarts it every 500 ms.
constexpr unsigned char kShortTune[] = {
    'M', 'T', 'h', 'd', 0,  0, 0,    6,    0,    1,  0,    1,    0,    96,   'M',  'T',  'r',
    'k', 0,   0,   0,   12, 0, 0x90, 0x3C, 0x64, 48, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};

int pausedTicks = 0;
int pausedReads = 0;
double lastLoopTime = 0;

// Read by the pause loop on each pass: a tick for each restart of the tune since the
// last pass; the focus comes back after the third, or after a hundred reads without.
bool TickOnMusicRestart(int /*keyCode*/) {
  if (!Runtime().paused) return false;
  if (++pausedReads == 100) PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  if (Audio().musicLoopTime == lastLoopTime) return false;
  lastLoopTime = Audio().musicLoopTime;
  Print("tick " + std::string(CurrentTitle()));
  if (++pausedTicks == 3) PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  return false;
}

TEST_F(FrameLoop, PresentFrameWaitsWhilePausedAndKeepsMusicLooping) {
  const std::string tune = tmp_.Path() + "short.mid";
  ASSERT_TRUE(
      testing::WriteFileBytes(tune, std::string(std::begin(kShortTune), std::end(kShortTune))));
  EXPECT_EXIT(
      {
        StartRuntime("Game");
        PlayMusic(tune.c_str());
        lastLoopTime = Audio().musicLoopTime;
        SetFrameKeyReader(TickOnMusicRestart);
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
        PumpMessages();
        PresentFrame();
        Print("returned " + std::string(CurrentTitle()));
        StopProgram();
      },
      ExitedWithCode(0),
      "\\[tick Game <pause>\\]\\[tick Game <pause>\\]\\[tick Game <pause>\\]"
      "\\[returned Game\\]");
}

TEST_F(FrameLoop, CloseRequestStopsThroughShutdown) {
  EXPECT_EXIT(
      {
        StartRuntime();
        MarkShutdown();
        PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
        PresentFrame();
        Print("still running");
      },
      ExitedWithCode(0), "\\[shut down\\]$");
}

TEST_F(FrameLoop, QuitRequestStopsThroughShutdown) {
  EXPECT_EXIT(
      {
        StartRuntime();
        MarkShutdown();
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        PresentFrame();
        Print("still running");
      },
      ExitedWithCode(0), "\\[shut down\\]$");
}

std::set<int> keysDown;
bool FakeKeys(int code) {
  return keysDown.count(code) > 0;
}

TEST_F(FrameLoop, EscapeEndsTheProgramAtTheNextFrame) {
  EXPECT_EXIT(
      {
        StartRuntime();
        MarkShutdown();
        SetFrameKeyReader(FakeKeys);
        PresentFrame();
        Print("no key");
        keysDown = {1};
        PresentFrame();
        Print("still running");
      },
      ExitedWithCode(0), "\\[no key\\]\\[shut down\\]$");
}

TEST_F(FrameLoop, AltF4EndsTheProgramEvenWhenEscapeDoesNot) {
  EXPECT_EXIT(
      {
        StartRuntime();
        MarkShutdown();
        SetFrameKeyReader(FakeKeys);
        SetEscapeEnds(0);
        keysDown = {1};
        PresentFrame();
        keysDown = {56};
        PresentFrame();
        keysDown = {62};
        PresentFrame();
        Print("esc, alt and f4 alone");
        keysDown.insert(56);  // Alt held with F4
        PresentFrame();
        Print("still running");
      },
      ExitedWithCode(0), "\\[esc, alt and f4 alone\\]\\[shut down\\]$");
}

TEST_F(FrameLoop, FrameTimesArePositive) {
  EXPECT_EXIT(
      {
        StartRuntime();
        SetFrameRateLimit(0);
        bool positive = GetFrameTime() > 0;
        for (int i = 0; i < 20; ++i) {
          PresentFrame();
          positive = positive && GetFrameTime() > 0 && GetTimeMs() >= 0;
        }
        // A frame held up by 40 ms measures at least that: the time is the real one, not
        // a stand-in.
        SleepMs(40);
        PresentFrame();
        const double slow = GetFrameTime();
        if (positive && slow >= 39) Print("positive");
        StopProgram();
      },
      ExitedWithCode(0), "\\[positive\\]");
}

double ThreadProcessorMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The offscreen driver's swaps return at once although vertical sync is asked for: the
// frames are then paced at 60 per second, and the wait sleeps rather than spins.
TEST_F(FrameLoop, FramesWhoseSwapDoesNotWaitArePacedBySleeping) {
  EXPECT_EXIT(
      {
        StartRuntime();
        for (const double settle = GetTimeMs(); GetTimeMs() - settle < 500;)
          PresentFrame();
        const double start = GetTimeMs();
        const double processorStart = ThreadProcessorMs();
        int frames = 0;
        for (; GetTimeMs() - start < 1000; ++frames)
          PresentFrame();
        const double wall = GetTimeMs() - start;
        const double processor = ThreadProcessorMs() - processorStart;
        std::fprintf(stderr, "[%d frames, %.0f of %.0f ms on the processor]", frames, processor,
                     wall);
        if (frames >= 40 && frames <= 63 && processor < 0.5 * wall) Print("paced");
        StopProgram();
      },
      ExitedWithCode(0), "\\[paced\\]");
}

}  // namespace
}  // namespace zentoir
