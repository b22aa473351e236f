#include "net/NetMessage.h"

#include <algorithm>
#include <cstring>

#include "base/LittleEndian.h"

namespace zentoir {
namespace {

constexpr char kTag[4] = {'Z', 'N', 'T', 'R'};

void PutInt32(std::string& out, int32_t value) {
  AppendLittleEndian32(out, static_cast<uint32_t>(value));
}

int32_t GetInt32(const char* bytes) {
  return static_cast<int32_t>(ReadLittleEndian32(reinterpret_cast<const uint8_t*>(bytes)));
}

}  // namespace

std::string EncodeNetMessage(const NetMessage& message) {
  std::string out(kTag, sizeof kTag);
  out.push_back(static_cast<char>(message.type));
  PutInt32(out, static_cast<int32_t>(message.payload.size()));
  PutInt32(out, message.target);
  PutInt32(out, message.sender);
  out += message.payload;
  return out;
}

std::string Int32Payload(int32_t value) {
  std::string out;
  PutInt32(out, value);
  return out;
}

bool ReadInt32Payload(const std::string& payload, int32_t& value) {
  if (payload.size() < 4) return false;
  value = GetInt32(payload.data());
  return true;
}

bool NetMessageReader::HeaderValid() const {
  if (std::memcmp(buffer_.data(), kTag, sizeof kTag) != 0) return false;
  const int32_t length = GetInt32(buffer_.data() + 5);
  return length >= 0 && length <= kNetMaxPayload;
}

size_t NetMessageReader::MessageSize() const {
  if (buffer_.size() < kNetHeaderSize) return kNetHeaderSize;
  return kNetHeaderSize + static_cast<size_t>(GetInt32(buffer_.data() + 5));
}

size_t NetMessageReader::Wanted() const {
  if (invalid_ || complete_) return 0;
  return MessageSize() - buffer_.size();
}

NetMessageReader::State NetMessageReader::Feed(const uint8_t* bytes, size_t count, size_t& used) {
  used = 0;
  while (!invalid_ && !complete_ && used < count) {
    const size_t take = std::min(Wanted(), count - used);
    buffer_.append(reinterpret_cast<const char*>(bytes + used), take);
    used += take;
    if (buffer_.size() == kNetHeaderSize && !HeaderValid()) invalid_ = true;
    if (!invalid_ && buffer_.size() == MessageSize()) complete_ = true;
  }
  if (invalid_) return State::Invalid;
  return complete_ ? State::Complete : State::NeedMore;
}

NetMessage NetMessageReader::Take() {
  NetMessage message;
  if (!complete_) return message;
  message.type = static_cast<uint8_t>(buffer_[4]);
  message.target = GetInt32(buffer_.data() + 9);
  message.sender = GetInt32(buffer_.data() + 13);
  message.payload.assign(buffer_, kNetHeaderSize, std::string::npos);
  buffer_.clear();
  complete_ = false;
  return message;
}

}  // namespace zentoir
