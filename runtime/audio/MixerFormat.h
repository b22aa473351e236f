// The one sample format the mixer plays: 22050 frames per second, signed 16-bit,
// two interleaved channels (left, right).
#pragma once

#include <cstdint>
#include <vector>

#include "audio/WaveFile.h"

namespace zentoir {

constexpr int kMixerRate = 22050;
constexpr int kMixerChannels = 2;

// The largest converted sound, in bytes.
constexpr size_t kMaxMixerSoundBytes = size_t{256} << 20;

// Converts WAV samples into the mixer's format: 8-bit samples are widened, mono is
// copied to both sides and other rates are resampled by linear interpolation. Empty
// when there is nothing to convert or the result would exceed kMaxMixerSoundBytes.
std::vector<int16_t> ConvertToMixerFormat(const WaveSound& sound);

}  // namespace zentoir
