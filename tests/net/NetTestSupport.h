// Helpers of the network tests: free loopback ports, raw client sockets and waiting.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

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

}  // namespace zentoir::testing
