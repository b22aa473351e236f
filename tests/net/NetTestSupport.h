// Helpers of the network tests: free loopback ports, raw client sockets and waiting.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "net/NetMessage.h"
#include "net/NetPlayerRecord.h"

namespace zentoir::testing {

// A socket listening on 127.0.0.1 (port 0: any free port); `bound` gets the port.
inline int ListenLoopback(uint16_t port, uint16_t& bound) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  int on = 1;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(s, 8);
  socklen_t length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  bound = ntohs(address.sin_port);
  return s;
}

// A port nothing listens on right now (bound once to find it, then released).
inline uint16_t FreePort() {
  uint16_t port = 0;
  close(ListenLoopback(0, port));
  return port;
}

// A blocking TCP connection to 127.0.0.1; -1 on failure. A small receive buffer makes a
// peer that never reads fill up quickly.
inline int ConnectLoopback(uint16_t port, int receiveBuffer = 0) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  if (receiveBuffer > 0) setsockopt(s, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(s);
    return -1;
  }
  return s;
}

inline bool SendBytes(int s, const std::string& bytes) {
  return send(s, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
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
    pollfd entry{s, POLLIN, 0};
    if (poll(&entry, 1, limitMs) != 1) return false;
    const ssize_t n = recv(s, chunk, reader.Wanted(), 0);
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
    pollfd entry{s, POLLIN, 0};
    if (poll(&entry, 1, 10) != 1) continue;
    const ssize_t n = recv(s, chunk, sizeof chunk, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return true;
  }
  return false;
}

}  // namespace zentoir::testing
