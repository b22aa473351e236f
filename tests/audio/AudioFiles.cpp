#include "AudioFiles.h"

#include <fstream>

namespace zentoir::testing {
namespace {

void Put32(Bytes& out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void Put16(Bytes& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutBigEndian32(Bytes& out, uint32_t value) {
  for (int i = 3; i >= 0; --i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutChunk(Bytes& out, const char* id, const Bytes& body) {
  out.insert(out.end(), id, id + 4);
  Put32(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2 == 1) out.push_back(0);
}

}  // namespace

Bytes MakeWave(const WaveLayout& layout, const Bytes& samples) {
  Bytes format;
  const uint16_t blockAlign = static_cast<uint16_t>(layout.channels * layout.bits / 8);
  Put16(format, 1);
  Put16(format, layout.channels);
  Put32(format, layout.rate);
  Put32(format, layout.rate * blockAlign);
  Put16(format, blockAlign);
  Put16(format, layout.bits);
  format.resize(layout.fmtBytes, 0);

  Bytes body = {'W', 'A', 'V', 'E'};
  if (layout.listBeforeFmt) PutChunk(body, "LIST", {'I', 'N', 'F', 'O', 'x'});
  PutChunk(body, "fmt ", format);
  if (layout.factBeforeData) PutChunk(body, "fact", {1, 2, 3, 4});
  PutChunk(body, "data", samples);

  Bytes file = {'R', 'I', 'F', 'F'};
  Put32(file, static_cast<uint32_t>(body.size()));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

Bytes Samples16(const std::vector<int16_t>& values) {
  Bytes out;
  for (int16_t value : values)
    Put16(out, static_cast<uint16_t>(value));
  return out;
}

Bytes MakeMidi(uint16_t division, const std::vector<Bytes>& tracks) {
  Bytes file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  file.push_back(static_cast<uint8_t>(tracks.size() >> 8));
  file.push_back(static_cast<uint8_t>(tracks.size()));
  file.push_back(static_cast<uint8_t>(division >> 8));
  file.push_back(static_cast<uint8_t>(division));
  for (const Bytes& track : tracks) {
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    PutBigEndian32(file, static_cast<uint32_t>(track.size()));
    file.insert(file.end(), track.begin(), track.end());
  }
  return file;
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace zentoir::testing
