#include "video/MoviePlayer.h"

#include <algorithm>

#include "os/Clock.h"

namespace zentoir {
namespace {

// Pictures are shown at most this large (a power of two, so the texture fits too).
constexpr int kMaxShownSide = 4096;
// Decoded pictures waiting, by their total size.
constexpr size_t kQueuedPictureBytes = size_t{48} << 20;
// Sound kept queued ahead of the mixer.
constexpr double kSoundAheadSeconds = 0.3;

const MovieTestHooks*& TestHooks() {
  static const MovieTestHooks* hooks = nullptr;
  return hooks;
}

int LargestPowerOfTwoUpTo(int n) {
  int size = 1;
  while (size * 2 <= n)
    size *= 2;
  return size;
}

}  // namespace

void SetMovieTestHooks(const MovieTestHooks* hooks) {
  TestHooks() = hooks;
}

bool MoviePlayer::Open(const std::string& path, int maxTextureSide, bool anySize) {
  const int maxSide = LargestPowerOfTwoUpTo(std::min(maxTextureSide, kMaxShownSide));
  if (!reader_.OpenFile(path, maxSide)) return false;
  if (!screen_.Create(reader_.Width(), reader_.Height(), maxSide, anySize)) return false;
  const size_t pictureBytes = size_t(reader_.Width()) * size_t(reader_.Height()) * 4;
  maxQueued_ = std::max<size_t>(2, kQueuedPictureBytes / pictureBytes);
  MovieSoundFormat format;
  withSound_ = MovieSound::MixerFormat(format) && reader_.EnableSound(format);
  return true;
}

void MoviePlayer::Start() {
  if (withSound_) withSound_ = sound_.Start();
  clock_ = 0;
  clockAtMs_ = os::MonotonicMs();
}

bool MoviePlayer::Restart() {
  if (!shownThisPass_ || !reader_.Rewind()) return false;
  shownThisPass_ = false;
  for (MoviePicture& picture : pictures_)
    spares_.push_back(std::move(picture));
  pictures_.clear();
  sound_.Clear();
  readerEnded_ = false;
  shownUntil_ = 0;
  clock_ = 0;
  clockAtMs_ = os::MonotonicMs();
  return true;
}

// The movie time: the test's clock, else the sound's while it flows, else the
// monotonic clock carried on from the last value.
double MoviePlayer::Now() {
  if (const MovieTestHooks* hooks = TestHooks(); hooks != nullptr && hooks->clock != nullptr) {
    return hooks->clock();
  }
  const double nowMs = os::MonotonicMs();
  double seconds = 0;
  if (!withSound_ || !sound_.Clock(nowMs, seconds)) seconds = clock_ + (nowMs - clockAtMs_) / 1000;
  clock_ = std::max(clock_, seconds);
  clockAtMs_ = nowMs;
  return clock_;
}

bool MoviePlayer::NeedsMore() const {
  if (readerEnded_ || pictures_.size() >= maxQueued_) return false;
  return pictures_.size() < 2 || (withSound_ && sound_.QueuedSeconds() < kSoundAheadSeconds);
}

void MoviePlayer::DecodeAhead() {
  while (NeedsMore()) {
    switch (reader_.Next()) {
      case MovieEvent::Picture:
        pictures_.emplace_back();
        if (!spares_.empty()) {
          pictures_.back() = std::move(spares_.back());
          spares_.pop_back();
        }
        reader_.TakePicture(pictures_.back());
        break;
      case MovieEvent::Sound:
        if (withSound_) sound_.Queue(reader_.Sound(), reader_.SoundSeconds());
        break;
      case MovieEvent::End:
        readerEnded_ = true;
        break;
    }
  }
}

void MoviePlayer::Show(MoviePicture& picture, double now) {
  screen_.Upload(picture.rgba.data(), picture.width, picture.height);
  screen_.Draw();
  shownUntil_ = picture.seconds + reader_.FrameSeconds();
  shown_ = shownThisPass_ = true;
  if (const MovieTestHooks* hooks = TestHooks(); hooks != nullptr && hooks->drawn != nullptr) {
    hooks->drawn(now);
  }
  if (present_ != nullptr) present_();
}

bool MoviePlayer::Step() {
  DecodeAhead();
  const double now = Now();
  // Late pictures (the next one is due as well) are dropped unseen.
  while (pictures_.size() >= 2 && pictures_[1].seconds <= now) {
    spares_.push_back(std::move(pictures_.front()));
    pictures_.pop_front();
    DecodeAhead();
  }
  if (!pictures_.empty() && pictures_.front().seconds <= now) {
    Show(pictures_.front(), now);
    spares_.push_back(std::move(pictures_.front()));
    pictures_.pop_front();
  }
  const bool soundLeft = withSound_ && sound_.QueuedSeconds() > 0;
  return !(readerEnded_ && pictures_.empty() && !soundLeft && now >= shownUntil_);
}

double MoviePlayer::SecondsToNextPicture() {
  if (pictures_.empty()) return 0;
  return std::max(0.0, pictures_.front().seconds - Now());
}

}  // namespace zentoir
