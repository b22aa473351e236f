// Test data made on the spot: WAV files with chosen layouts and small MIDI files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zentoir::testing {

using Bytes = std::vector<uint8_t>;

struct WaveLayout {
  uint16_t channels = 2;
  uint32_t rate = 22050;
  uint16_t bits = 16;
  uint32_t fmtBytes = 16;      // 16, or longer with zero bytes appended
  bool listBeforeFmt = false;  // a "LIST" chunk of odd size before "fmt "
  bool factBeforeData = false;
};

// A WAV file of the given layout around the given sample bytes.
Bytes MakeWave(const WaveLayout& layout, const Bytes& samples);

// Little-endian 16-bit samples as bytes.
Bytes Samples16(const std::vector<int16_t>& values);

// A MIDI file: header (format 1, the given division) and the given track bodies, each
// wrapped in an "MTrk" chunk.
Bytes MakeMidi(uint16_t division, const std::vector<Bytes>& tracks);

// Writes bytes to a file; true on success.
bool WriteBytes(const std::string& path, const Bytes& bytes);

}  // namespace zentoir::testing
