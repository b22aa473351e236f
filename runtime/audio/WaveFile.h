// Reading PCM WAV files: 8 or 16 bits, mono or stereo, any sample rate.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zentoir {

// The sample data of a WAV file as stored: 8-bit samples unsigned, 16-bit samples
// signed little-endian, channels interleaved; only whole frames are kept.
struct WaveSound {
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t bitsPerSample = 0;
  std::vector<uint8_t> samples;

  uint32_t FrameBytes() const { return channels * (bitsPerSample / 8u); }
  size_t FrameCount() const { return FrameBytes() ? samples.size() / FrameBytes() : 0; }
};

// Walks the RIFF chunks of a WAV file held in memory: "fmt " (16 bytes or longer) must
// come before "data"; every other chunk ("fact", "LIST" ...) is skipped, with the pad
// byte that follows a chunk of odd size. False for anything that is not such a file,
// including a chunk that claims more bytes than the file holds.
bool ParseWave(std::span<const uint8_t> file, WaveSound& sound);

// Reads and parses a WAV file; false when it cannot be read or is not a usable WAV.
bool ReadWaveFile(const std::string& path, WaveSound& sound);

}  // namespace zentoir
