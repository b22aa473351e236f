#include "net/NetPlayerRecord.h"

namespace zentoir {
namespace {

// Layout of the payload: socket and state (8 bytes, sent as zeros), the anonymous
// flag, a reserved byte, the name (128 bytes, zero-terminated) and the inbox fields
// (14 bytes, sent as zeros).
constexpr size_t kAnonymousOffset = 8;
constexpr size_t kNameOffset = 10;
constexpr size_t kPayloadSize = 152;

}  // namespace

std::string TextUpToZero(const std::string& bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

std::string EncodePlayerRecord(bool anonymous, const std::string& name) {
  std::string payload(kPayloadSize, '\0');
  payload[kAnonymousOffset] = anonymous ? 1 : 0;
  const std::string kept = name.substr(0, kNetMaxNameLength);
  payload.replace(kNameOffset, kept.size(), kept);
  return payload;
}

bool DecodePlayerRecord(const std::string& payload, bool& anonymous, std::string& name) {
  if (payload.size() != kPayloadSize) return false;
  anonymous = payload[kAnonymousOffset] != 0;
  name = TextUpToZero(payload.substr(kNameOffset, kNetMaxNameLength));
  return true;
}

}  // namespace zentoir
