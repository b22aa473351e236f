#include "text/Latin1Text.h"

namespace zentoir {
namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte starts (1 for a stray byte).
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

}  // namespace

std::string Utf8FromLatin1(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::string Latin1FromUtf8(std::string_view utf8) {
  std::string latin1;
  size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      latin1 += static_cast<char>(lead);
      ++i;
      continue;
    }
    size_t length = SequenceLength(lead);
    size_t complete = 1;
    while (complete < length && i + complete < utf8.size() &&
           IsContinuation(static_cast<unsigned char>(utf8[i + complete])))
      ++complete;
    if (length == 2 && complete == 2 && lead <= 0xC3) {
      latin1 += static_cast<char>(((lead & 0x1F) << 6) |
                                  (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
    }
    i += complete;  // an incomplete sequence is skipped up to the next lead byte
  }
  return latin1;
}

}  // namespace zentoir
