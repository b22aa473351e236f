// The network game's message on the wire: a 17-byte header ("ZNTR", type, payload
// length, target id, sender id, all little-endian) followed by the payload. The stream
// carries nothing else, so whole messages are cut out of it by the header's length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zentoir {

constexpr size_t kNetHeaderSize = 17;
constexpr int32_t kNetMaxPayload = 1024;

enum NetMessageType : uint8_t {
  kNetRegisterPlayer = 1,  // player -> host, the player record
  kNetIdAssigned = 2,      // host -> player, target = the new id
  kNetGameMessage = 3,     // player -> host -> player, the text
  kNetPlayerLeaves = 4,    // player -> host, sender = the leaving id
  kNetQueryCount = 0x65,   // number of named players
  kNetQueryIdAt = 0x66,    // id of the n-th named player
  kNetQueryName = 0x67,    // name of a player
  kNetQueryHost = 0x68,    // is the host there
};

constexpr int32_t kNetToHost = 0;
constexpr int32_t kNetToEverybody = -1;

struct NetMessage {
  uint8_t type = 0;
  int32_t target = 0;
  int32_t sender = 0;
  std::string payload;  // raw bytes, at most kNetMaxPayload
};

// Header and payload as they go on the wire.
std::string EncodeNetMessage(const NetMessage& message);

// Little-endian int32 payloads of the queries and their replies.
std::string Int32Payload(int32_t value);
// The first four payload bytes as an int32; false when the payload is shorter.
bool ReadInt32Payload(const std::string& payload, int32_t& value);

// Cuts whole messages out of a byte stream. It asks for exactly the bytes the current
// message still lacks, so a read never takes bytes of the next message and the buffer
// never holds more than one message. A wrong tag or a payload length outside
// 0 … kNetMaxPayload makes the stream invalid for good.
class NetMessageReader {
 public:
  enum class State { NeedMore, Complete, Invalid };

  // How many bytes the current message still lacks (0 once complete or invalid).
  size_t Wanted() const;
  // Takes bytes up to the end of the current message (the header first, then the
  // payload it announces); `used` tells how many were taken.
  State Feed(const uint8_t* bytes, size_t count, size_t& used);
  // The complete message; the reader then starts on the next one.
  NetMessage Take();
  // True while a message has begun but is not complete.
  bool InProgress() const { return !invalid_ && !buffer_.empty() && !complete_; }
  bool IsInvalid() const { return invalid_; }

 private:
  size_t MessageSize() const;
  bool HeaderValid() const;

  std::string buffer_;
  bool complete_ = false;
  bool invalid_ = false;
};

}  // namespace zentoir
