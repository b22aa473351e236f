// A file of the asset generator's writer, and 8-bit stereo with extra chunks of odd size.
#include "SeedCorpus.h"
#include "WavFile.h"
#include "files/ArchiveFormat.h"

namespace {

using zentoir::AppendLittleEndian32;

void AppendChunk(std::vector<uint8_t>& out, const char* tag, const std::vector<uint8_t>& body) {
  out.insert(out.end(), tag, tag + 4);
  AppendLittleEndian32(out, uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2) out.push_back(0);
}

std::vector<uint8_t> StereoEightBit() {
  std::vector<uint8_t> format;
  AppendLittleEndian32(format, 1 | 2 << 16);  // PCM, two channels
  AppendLittleEndian32(format, 11025);
  AppendLittleEndian32(format, 11025 * 2);
  AppendLittleEndian32(format, 2 | 8 << 16);  // frame of 2 bytes, 8 bits
  std::vector<uint8_t> body = {'W', 'A', 'V', 'E'};
  AppendChunk(body, "LIST", {'I', 'N', 'F', 'O', 'x'});
  AppendChunk(body, "fmt ", format);
  AppendChunk(body, "fact", {7, 0, 0, 0});
  AppendChunk(body, "data", {128, 128, 200, 60, 255, 0, 128, 128, 1, 2, 3});
  std::vector<uint8_t> file = {'R', 'I', 'F', 'F'};
  AppendLittleEndian32(file, uint32_t(body.size()));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

}  // namespace

FUZZ_SEEDS(wav) {
  pindrake_assets::WriteWav(seeds.NextPath(), {0.0, 0.5, -0.5, 1.0, -1.0, 0.25});
  seeds.Add(StereoEightBit());
}
