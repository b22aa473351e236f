// MoviePlayer: one movie played in the window, a step at a time. Pictures are shown
// at their presentation times on the movie's clock (the sound's while it flows, else
// the monotonic clock), never early; a picture whose successor is already due is
// dropped. Input and the loop are the caller's.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "gfx2d/gl/MovieScreen.h"
#include "os/Window.h"
#include "video/MovieReader.h"
#include "video/MovieSound.h"

namespace zentoir {

// A test's hold on the playback: its own movie clock in seconds, and a call after each
// picture is drawn into the back buffer, before it is shown.
struct MovieTestHooks {
  double (*clock)() = nullptr;
  void (*drawn)(double seconds) = nullptr;
};
// Null: no hooks (the default).
void SetMovieTestHooks(const MovieTestHooks* hooks);

class MoviePlayer {
 public:
  using PresentFunction = void (*)();

  MoviePlayer(os::WindowHandle window, PresentFunction present)
      : screen_(window), present_(present) {}
  MoviePlayer(const MoviePlayer&) = delete;
  MoviePlayer& operator=(const MoviePlayer&) = delete;

  // Opens the movie and makes its texture (anySize: the context takes textures of
  // any size); with a running mixer, its sound goes there. False when the movie cannot
  // be played.
  bool Open(const std::string& path, int maxTextureSide, bool anySize);
  // Starts the clock at 0 (and the sound channel).
  void Start();
  // Decodes ahead, then draws and presents the picture that is due. False once the
  // pass has ended: every picture shown for its time, the sound played out.
  bool Step();
  // Starts another pass from the beginning; false when the data cannot seek or the
  // pass showed nothing (so a broken movie is not looped endlessly).
  bool Restart();
  // Seconds until the next picture is due (0 when none is decoded yet).
  double SecondsToNextPicture();
  // Whether any picture was shown.
  bool ShownAny() const { return shown_; }
  // Halts the sound.
  void Stop() { sound_.Stop(); }

 private:
  double Now();
  bool NeedsMore() const;
  void DecodeAhead();
  void Show(MoviePicture& picture, double now);

  MovieReader reader_;
  MovieScreen screen_;
  MovieSound sound_;
  PresentFunction present_;
  bool withSound_ = false;
  bool readerEnded_ = false;
  bool shown_ = false;
  bool shownThisPass_ = false;
  size_t maxQueued_ = 2;
  std::deque<MoviePicture> pictures_;
  std::vector<MoviePicture> spares_;
  double shownUntil_ = 0;  // the end of the last picture shown
  double clock_ = 0;       // the movie time last read; it never goes back
  double clockAtMs_ = 0;   // and the monotonic clock then
};

}  // namespace zentoir
