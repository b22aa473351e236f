// Network game messages cut out of any byte stream fed in chunks of varying size: no
// more than one message is taken at a time, no payload passes the limit, a spoilt
// stream stays spoilt, and a player record gives a name of at most 127 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "net/NetMessage.h"
#include "net/NetPlayerRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using zentoir::NetMessageReader;
  constexpr size_t kLargest = zentoir::kNetHeaderSize + zentoir::kNetMaxPayload;
  NetMessageReader reader;
  bool spoilt = false;
  size_t at = 0;
  while (at < size) {
    const size_t chunk = 1 + data[at] % 64;  // the first byte of each step sets its size
    const size_t count = chunk < size - at ? chunk : size - at;
    if (reader.Wanted() > kLargest) std::abort();
    size_t used = 0;
    const auto state = reader.Feed(data + at, count, used);
    if (used > count || used > kLargest) std::abort();
    // Once spoilt, the rest of the stream is refused whole, whatever it holds.
    if (spoilt && (state != NetMessageReader::State::Invalid || used != 0)) std::abort();
    if (state == NetMessageReader::State::Invalid) {
      if (reader.Wanted() != 0 || !reader.IsInvalid() || reader.InProgress()) std::abort();
      const zentoir::NetMessage none = reader.Take();
      if (none.type != 0 || !none.payload.empty()) std::abort();
      spoilt = true;
    }
    if (state == NetMessageReader::State::Complete) {
      const zentoir::NetMessage message = reader.Take();
      if (message.payload.size() > static_cast<size_t>(zentoir::kNetMaxPayload)) std::abort();
      bool anonymous = false;
      std::string name;
      if (zentoir::DecodePlayerRecord(message.payload, anonymous, name) &&
          name.size() > zentoir::kNetMaxNameLength)
        std::abort();
    }
    at += used == 0 ? count : used;
  }
  return 0;
}
