#include "audio/MixerFormat.h"

#include <algorithm>

#include "base/LittleEndian.h"

namespace zentoir {
namespace {

// One channel of one frame as a signed 16-bit value.
int16_t SampleAt(const WaveSound& sound, size_t frame, int channel) {
  const int side = sound.channels == 2 ? channel : 0;
  if (sound.bitsPerSample == 8) {
    const uint8_t byte = sound.samples[frame * sound.channels + side];
    return static_cast<int16_t>((byte - 128) * 256);
  }
  const size_t at = (frame * sound.channels + side) * 2;
  return static_cast<int16_t>(ReadLittleEndian16(&sound.samples[at]));
}

}  // namespace

std::vector<int16_t> ConvertToMixerFormat(const WaveSound& sound) {
  const size_t inFrames = sound.FrameCount();
  if (inFrames == 0 || sound.sampleRate == 0) return {};
  const uint64_t rate = sound.sampleRate;
  const size_t outFrames = static_cast<size_t>(
      std::max<uint64_t>(1, (static_cast<uint64_t>(inFrames) * kMixerRate) / rate));
  if (outFrames > kMaxMixerSoundBytes / (kMixerChannels * sizeof(int16_t))) return {};
  std::vector<int16_t> out(outFrames * kMixerChannels);
  for (size_t i = 0; i < outFrames; ++i) {
    // Source position i * rate / 22050 as a whole frame and a fraction.
    const uint64_t position = static_cast<uint64_t>(i) * rate;
    const size_t frame = static_cast<size_t>(position / kMixerRate);
    const int64_t fraction = static_cast<int64_t>(position % kMixerRate);
    const size_t next = frame + 1 < inFrames ? frame + 1 : frame;
    for (int channel = 0; channel < kMixerChannels; ++channel) {
      const int64_t a = SampleAt(sound, frame, channel);
      const int64_t b = SampleAt(sound, next, channel);
      out[i * kMixerChannels + channel] = static_cast<int16_t>(a + (b - a) * fraction / kMixerRate);
    }
  }
  return out;
}

}  // namespace zentoir
