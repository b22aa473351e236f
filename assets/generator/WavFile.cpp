#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace pindrake_assets {

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

}  // namespace

bool WriteWav(const std::string& path, const std::vector<double>& samples) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  PutTag(out, "RIFF");
  Put(out, 36 + dataBytes, 4);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, kSampleRate, 4);
  Put(out, kSampleRate * 2, 4);  // bytes per second
  Put(out, 2, 2);                // block align
  Put(out, 16, 2);               // bits per sample
  PutTag(out, "data");
  Put(out, dataBytes, 4);
  for (double sample : samples) {
    const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
    Put(out, static_cast<uint32_t>(static_cast<int16_t>(value)), 2);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace pindrake_assets
