// MovieSound: a movie's sound on the running mixer. One extra mixer channel plays
// silence in a loop and an effect on that channel puts the movie's samples in its
// place, so the music and the sound effects go on beside it (the music's own hook
// stays free). The samples the mixer has taken are the movie's clock.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "video/MovieReader.h"

struct Mix_Chunk;

namespace zentoir {

class MovieSound {
 public:
  MovieSound() = default;
  ~MovieSound() { Stop(); }
  MovieSound(const MovieSound&) = delete;
  MovieSound& operator=(const MovieSound&) = delete;

  // The running mixer's format; false when no mixer is open or its format is not
  // one of the four the reader delivers.
  static bool MixerFormat(MovieSoundFormat& format);

  // Starts the movie's channel in the mixer's format; false without a mixer.
  bool Start();
  // Halts the channel and gives the mixer back its channel count.
  void Stop();
  const MovieSoundFormat& Format() const { return format_; }

  // Adds samples; `seconds` is the movie time of the first one when nothing is
  // queued or played since the start (or Clear).
  void Queue(const std::vector<uint8_t>& bytes, double seconds);
  // Seconds of sound waiting to be mixed.
  double QueuedSeconds() const;
  // Forgets what is queued and played (for another pass).
  void Clear();
  // The movie time of the sound being mixed at nowMs (a monotonic clock), carried on
  // between the mixer's calls by the clock; false while nothing flows (not started,
  // or the queue ran dry).
  bool Clock(double nowMs, double& seconds) const;

 private:
  static void Effect(int channel, void* stream, int length, void* self);
  void Fill(uint8_t* stream, size_t length);

  MovieSoundFormat format_;
  int channel_ = -1;
  int channelsBefore_ = 0;
  std::vector<uint8_t> silence_;
  Mix_Chunk* chunk_ = nullptr;

  // Shared with the mixer's thread.
  mutable std::mutex lock_;
  std::vector<uint8_t> queue_;
  size_t readAt_ = 0;
  bool started_ = false;       // samples have been queued since the start (or Clear)
  double baseSeconds_ = 0;     // movie time of the first sample queued
  uint64_t playedFrames_ = 0;  // sample frames taken by the mixer since then
  double pieceStart_ = 0;      // movie time of the last piece the mixer took
  double pieceSeconds_ = 0;    // and its length
  double pieceAtMs_ = 0;       // when it took it
  bool flowing_ = false;       // the last piece was whole
};

}  // namespace zentoir
