// Helpers of the network tests: free loopback ports, raw client sockets and waiting.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "RawSockets.h"
#include "net/NetMessage.h"
#include "net/NetPlayerRecord.h"

namespace zentoir::testing {

// A port nothing listens on right now (bound once to find it, then released).
inline uint16_t FreePort() {
  uint16_t port = 0;
  CloseRaw(ListenLoopback(0, port));
  return port;
}

inline bool SendBytes(int s, const std::string& bytes) {
  return SendRaw(s, bytes.data(), bytes.size()) == static_cast<long>(bytes.size());
}

// Polls the condition every 10 ms until it holds or `limitMs` passed.
inline bool WaitUntil(const std::function<bool()>& condition, int limitMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

// Reads the next whole message off a raw connection; false when the connection ends or
// nothing comes for `limitMs`.
inline bool ReadMessage(int s, NetMessage& message, int limitMs = 10000) {
  NetMessageReader reader;
  uint8_t chunk[kNetHeaderSize + kNetMaxPayload];
  for (;;) {
    if (!WaitReadableRaw(s, limitMs)) return false;
    const long n = ReceiveRaw(s, chunk, reader.Wanted());
    if (n <= 0) return false;
    size_t used = 0;
    const auto state = reader.Feed(chunk, static_cast<size_t>(n), used);
    if (state == NetMessageReader::State::Invalid) return false;
    if (state == NetMessageReader::State::Complete) {
      message = reader.Take();
      return true;
    }
  }
}

// Registers a player over a raw connection: its id, -1 when the host gives none.
inline int32_t RegisterPlayer(int s, const std::string& name) {
  NetMessage record{kNetRegisterPlayer, 0, 0, EncodePlayerRecord(name.empty(), name)};
  if (!SendBytes(s, EncodeNetMessage(record))) return -1;
  NetMessage assigned;
  if (!ReadMessage(s, assigned) || assigned.type != kNetIdAssigned) return -1;
  return assigned.target;
}

// True once the peer has closed the connection (what it still sent is passed over).
inline bool WaitForClose(int s, int limitMs = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  char chunk[4096];
  while (std::chrono::steady_clock::now() < end) {
    if (WaitReadableRaw(s, 10) && ReceiveRaw(s, chunk, sizeof chunk) <= 0) return true;
  }
  return false;
}

}  // namespace zentoir::testing
