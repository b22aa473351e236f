#include "files/ArchiveFormat.h"

namespace zentoir {

int64_t ResolveArchivePosition(int32_t position, int64_t fileSize) {
  int64_t offset = position < 0 ? fileSize + position : position;
  return (offset < 0 || offset > fileSize) ? -1 : offset;
}

void AppendLittleEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t ReadLittleEndian32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace zentoir
