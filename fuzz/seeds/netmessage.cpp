// Streams of network game messages: each kind of message alone, two in a row, and a
// message cut short.
#include "net/NetMessage.h"
#include "SeedCorpus.h"
#include "net/NetPlayerRecord.h"

namespace {

std::string Message(uint8_t type, int32_t target, int32_t sender, std::string payload) {
  return zentoir::EncodeNetMessage(zentoir::NetMessage{type, target, sender, std::move(payload)});
}

}  // namespace

FUZZ_SEEDS(netmessage) {
  using namespace zentoir;
  seeds.Add(Message(kNetGameMessage, -1, 101, "hello everybody"));
  seeds.Add(Message(kNetRegisterPlayer, 0, 0, EncodePlayerRecord(false, "Ann")));
  seeds.Add(Message(kNetIdAssigned, 102, 0, ""));
  seeds.Add(Message(kNetQueryIdAt, 0, 101, Int32Payload(1)) +
            Message(kNetQueryName, 0, 101, Int32Payload(102)));
  seeds.Add(Message(kNetGameMessage, 103, 101, std::string(kNetMaxPayload, 'x')).substr(0, 600));
}
