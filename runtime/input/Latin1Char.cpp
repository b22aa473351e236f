#include "input/Latin1Char.h"

namespace zentoir {

int Latin1FromUtf8(const char* text) {
  if (!text) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return lead;
  // Two-byte sequences starting 0xC2 or 0xC3 cover U+0080 … U+00FF; everything else
  // (longer sequences, overlong forms, stray continuation bytes) is outside Latin-1.
  if (lead != 0xC2 && lead != 0xC3) return 0;
  const auto next = static_cast<unsigned char>(text[1]);
  if ((next & 0xC0) != 0x80) return 0;
  return ((lead & 0x1F) << 6) | (next & 0x3F);
}

}  // namespace zentoir
