// Writer of mono 16-bit PCM WAV files: a RIFF header, a 16-byte "fmt " chunk and the
// "data" chunk directly after it, the plainest layout every reader accepts.
#pragma once

#include <string>
#include <vector>

namespace pindrake_assets {

constexpr int kSampleRate = 22050;

// Samples in -1..1; values outside are clipped.
bool WriteWav(const std::string& path, const std::vector<double>& samples);

}  // namespace pindrake_assets
