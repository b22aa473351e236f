#include "audio/WaveFile.h"

#include <cstring>

#include "audio/AudioFiles.h"
#include "base/LittleEndian.h"

namespace zentoir {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr size_t kRiffHeaderBytes = 12;
constexpr size_t kChunkHeaderBytes = 8;
constexpr size_t kPcmFormatBytes = 16;
constexpr size_t kMaxWaveFileBytes = size_t{64} << 20;

bool HasId(const uint8_t* p, const char* id) {
  return std::memcmp(p, id, 4) == 0;
}

// Takes the format from a "fmt " chunk body; false for anything but 8/16-bit PCM with
// one or two channels. An extensible header is accepted as long as its basic fields
// describe such PCM; its extra bytes are ignored like those of any longer chunk.
bool ReadFormat(std::span<const uint8_t> body, WaveSound& sound) {
  if (body.size() < kPcmFormatBytes) return false;
  const uint16_t tag = ReadLittleEndian16(&body[0]);
  sound.channels = ReadLittleEndian16(&body[2]);
  sound.sampleRate = ReadLittleEndian32(&body[4]);
  sound.bitsPerSample = ReadLittleEndian16(&body[14]);
  if (tag != kFormatPcm && tag != kFormatExtensible) return false;
  if (sound.channels != 1 && sound.channels != 2) return false;
  if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16) return false;
  return sound.sampleRate > 0;
}

}  // namespace

bool ParseWave(std::span<const uint8_t> file, WaveSound& sound) {
  sound = WaveSound{};
  if (file.size() < kRiffHeaderBytes || !HasId(&file[0], "RIFF") || !HasId(&file[8], "WAVE")) {
    return false;
  }
  bool haveFormat = false;
  size_t offset = kRiffHeaderBytes;
  while (file.size() - offset >= kChunkHeaderBytes) {
    const uint8_t* header = &file[offset];
    const uint32_t size = ReadLittleEndian32(header + 4);
    offset += kChunkHeaderBytes;
    if (size > file.size() - offset) return false;  // truncated, or a lying size
    const std::span<const uint8_t> body = file.subspan(offset, size);
    if (HasId(header, "fmt ")) {
      if (!haveFormat && !ReadFormat(body, sound)) return false;
      haveFormat = true;  // a second "fmt " chunk is ignored
    } else if (HasId(header, "data")) {
      if (!haveFormat) return false;
      const size_t whole = size - size % sound.FrameBytes();
      if (whole == 0) return false;  // nothing to play
      sound.samples.assign(body.begin(), body.begin() + whole);
      return true;
    }
    offset += size;
    if (size % 2 == 1 && offset < file.size()) ++offset;  // pad byte
  }
  return false;  // no data chunk
}

bool ReadWaveFile(const std::string& path, WaveSound& sound) {
  std::vector<uint8_t> bytes;
  if (!ReadAudioFile(path, kMaxWaveFileBytes, bytes)) return false;
  return ParseWave(bytes, sound);
}

}  // namespace zentoir
