#include "modal/PlayMovie.h"

#include <algorithm>
#include <cmath>

#include "audio/AudioFiles.h"
#include "audio/Music.h"
#include "base/RuntimeContext.h"
#include "base/Shutdown.h"
#include "core/ServiceStep.h"
#include "gfx2d/OffscreenScreens.h"
#include "gfx2d/renderer/RendererFace.h"
#include "input/InputState.h"
#include "input/Mouse.h"
#include "input/TypedText.h"
#include "os/Clock.h"
#include "video/MoviePlayer.h"

namespace zentoir {
namespace {

constexpr double kNotPlayable = 3;
constexpr long long kLongestSleepMs = 5;

void PresentMovieFrame() {
  ShowBackBuffer();
}

// The movie draws with GL of its own: the renderer's cached state is forgotten before
// and after.
struct GLLentToMovie {
  GLLentToMovie() { HandOverGL(); }
  ~GLLentToMovie() { HandOverGL(); }
  GLLentToMovie(const GLLentToMovie&) = delete;
  GLLentToMovie& operator=(const GLLentToMovie&) = delete;
};

// The press counters when the movie starts: any press after it ends the movie.
struct PressMark {
  uint32_t keys = 0;
  uint32_t buttons = 0;
};

PressMark MarkPresses() {
  const InputState* input = ActiveInput();
  if (input == nullptr) return {};
  return {input->KeyPressCount(), input->ButtonPressCount()};
}

// True when a key or a mouse button was pressed since the mark.
bool UserStops(const PressMark& mark) {
  const InputState* input = ActiveInput();
  if (input == nullptr) return false;
  return input->KeyPressCount() != mark.keys || input->ButtonPressCount() != mark.buttons;
}

void WaitUntilNoKeyOrButton() {
  if (ActiveInput() == nullptr) return;
  while (KeyTyped() != 0 || AnyMouseButton() != 0) {
    ServiceStep();
    os::SleepMilliseconds(1);
  }
}

// The playing movie, stopped first should the program end while it plays (Esc, a
// close request).
MoviePlayer* playing = nullptr;

void StopPlayingMovie() {
  if (playing) playing->Stop();
  playing = nullptr;
}

struct PlayingMovie {
  explicit PlayingMovie(MoviePlayer& player) {
    playing = &player;
    AddShutdownStep(ShutdownStage::Music, StopPlayingMovie);
  }
  ~PlayingMovie() { playing = nullptr; }
  PlayingMovie(const PlayingMovie&) = delete;
  PlayingMovie& operator=(const PlayingMovie&) = delete;
};

// Sleeps until the next picture is due, a few milliseconds at most, so that input
// and the music are looked after in between.
void SleepUntilNextPicture(MoviePlayer& player) {
  const auto ms = static_cast<long long>(std::floor(player.SecondsToNextPicture() * 1000));
  if (ms > 0) os::SleepMilliseconds(std::min(ms, kLongestSleepMs));
}

}  // namespace

double PlayMovie(const DynString& path) {
  return PlayMovie(path, 0);
}

double PlayMovie(const DynString& path, double loop) {
  int32_t largest = 0;
  bool anySize = false;
  if (!RendererTextureLimits(largest, anySize)) return kNotPlayable;
  const std::string file = ResolveAudioFile(path, AudioFileKind::Music);
  if (file.empty()) return kNotPlayable;
  UseScreen(-1);  // the movie goes to the window
  const GLLentToMovie lent;
  MoviePlayer player(Runtime().mainWindow, PresentMovieFrame);
  if (!player.Open(file, largest, anySize)) return kNotPlayable;
  WaitUntilNoKeyOrButton();
  const PressMark mark = MarkPresses();
  const PlayingMovie shown(player);
  player.Start();
  bool stoppedByUser = false;
  for (;;) {
    ServiceStep();
    if (UserStops(mark)) {
      ApplyStopKeys();
      stoppedByUser = true;
      break;
    }
    if (player.Step()) {
      SleepUntilNextPicture(player);
    } else if (loop == 0 || !player.Restart()) {
      break;
    }
  }
  player.Stop();
  return player.ShownAny() || stoppedByUser ? 0 : kNotPlayable;
}

}  // namespace zentoir
