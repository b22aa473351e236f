// Little-endian integers in byte buffers: the byte order of every file and message
// format the runtime reads and writes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentoir {

// The unsigned value of `count` bytes (at most 8), lowest byte first.
inline uint64_t ReadLittleEndian(const uint8_t* bytes, size_t count) {
  uint64_t value = 0;
  for (size_t i = count; i-- > 0;)
    value = value << 8 | bytes[i];
  return value;
}

inline uint16_t ReadLittleEndian16(const uint8_t* bytes) {
  return static_cast<uint16_t>(ReadLittleEndian(bytes, 2));
}

inline uint32_t ReadLittleEndian32(const uint8_t* bytes) {
  return static_cast<uint32_t>(ReadLittleEndian(bytes, 4));
}

// Appends the four bytes of `value`, lowest first, to a byte vector or string.
template <typename Bytes>
void AppendLittleEndian32(Bytes& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<typename Bytes::value_type>((value >> shift) & 0xFF));
}

}  // namespace zentoir
