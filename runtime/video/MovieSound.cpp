#include "video/MovieSound.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>

#include "os/Clock.h"

namespace zentoir {
namespace {

constexpr int kSilenceFrames = 1024;

bool SampleTypeOf(Uint16 format, MovieSampleType& type) {
  switch (format) {
    case AUDIO_U8:
      type = MovieSampleType::U8;
      return true;
    case AUDIO_S16SYS:
      type = MovieSampleType::S16;
      return true;
    case AUDIO_S32SYS:
      type = MovieSampleType::S32;
      return true;
    case AUDIO_F32SYS:
      type = MovieSampleType::F32;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool MovieSound::MixerFormat(MovieSoundFormat& format) {
  int rate = 0, channels = 0;
  Uint16 sdlFormat = 0;
  if (Mix_QuerySpec(&rate, &sdlFormat, &channels) == 0 || rate <= 0 || channels <= 0) return false;
  format.rate = rate;
  format.channels = channels;
  return SampleTypeOf(sdlFormat, format.type);
}

bool MovieSound::Start() {
  if (chunk_ != nullptr || !MixerFormat(format_)) return false;
  const uint8_t zero = format_.type == MovieSampleType::U8 ? 0x80 : 0;
  silence_.assign(size_t(format_.FrameBytes()) * kSilenceFrames, zero);
  chunk_ = Mix_QuickLoad_RAW(silence_.data(), static_cast<Uint32>(silence_.size()));
  if (chunk_ == nullptr) return false;
  channelsBefore_ = Mix_AllocateChannels(-1);
  channel_ = channelsBefore_;
  if (Mix_AllocateChannels(channel_ + 1) != channel_ + 1 ||
      Mix_RegisterEffect(channel_, Effect, nullptr, this) == 0) {
    Stop();
    return false;
  }
  Mix_Volume(channel_, MIX_MAX_VOLUME);
  if (Mix_PlayChannel(channel_, chunk_, -1) < 0) {
    Stop();
    return false;
  }
  return true;
}

void MovieSound::Stop() {
  if (chunk_ == nullptr) return;
  if (channel_ >= 0) {
    Mix_UnregisterEffect(channel_, Effect);
    Mix_HaltChannel(channel_);
    if (Mix_AllocateChannels(-1) == channel_ + 1) Mix_AllocateChannels(channelsBefore_);
    channel_ = -1;
  }
  Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
}

void MovieSound::Queue(const std::vector<uint8_t>& bytes, double seconds) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!started_) {
    started_ = true;
    baseSeconds_ = seconds;
  }
  queue_.insert(queue_.end(), bytes.begin(), bytes.end());
}

double MovieSound::QueuedSeconds() const {
  std::lock_guard<std::mutex> hold(lock_);
  const size_t bytesPerSecond = size_t(format_.FrameBytes()) * size_t(format_.rate);
  return bytesPerSecond == 0 ? 0 : double(queue_.size() - readAt_) / double(bytesPerSecond);
}

void MovieSound::Clear() {
  std::lock_guard<std::mutex> hold(lock_);
  queue_.clear();
  readAt_ = 0;
  started_ = false;
  playedFrames_ = 0;
  flowing_ = false;
}

bool MovieSound::Clock(double nowMs, double& seconds) const {
  std::lock_guard<std::mutex> hold(lock_);
  if (!flowing_) return false;
  seconds = pieceStart_ + std::clamp((nowMs - pieceAtMs_) / 1000.0, 0.0, pieceSeconds_);
  return true;
}

void MovieSound::Effect(int, void* stream, int length, void* self) {
  if (length > 0)
    static_cast<MovieSound*>(self)->Fill(static_cast<uint8_t*>(stream), size_t(length));
}

// The mixer's thread: the next samples in place of the channel's silence.
void MovieSound::Fill(uint8_t* stream, size_t length) {
  std::lock_guard<std::mutex> hold(lock_);
  const size_t frameBytes = size_t(format_.FrameBytes());
  const size_t count = std::min(length, queue_.size() - readAt_) / frameBytes * frameBytes;
  if (count > 0) std::memcpy(stream, queue_.data() + readAt_, count);
  std::memset(stream + count, silence_.empty() ? 0 : silence_[0], length - count);
  readAt_ += count;
  if (readAt_ * 2 > queue_.size()) {
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(readAt_));
    readAt_ = 0;
  }
  const double rate = format_.rate;
  pieceStart_ = baseSeconds_ + double(playedFrames_) / rate;
  pieceSeconds_ = double(count / frameBytes) / rate;
  pieceAtMs_ = os::MonotonicMs();
  playedFrames_ += count / frameBytes;
  flowing_ = started_ && count == length;
}

}  // namespace zentoir
