#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "RawSockets.h"

namespace zentoir::testing {

namespace {
sockaddr_in Loopback(uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}
}  // namespace

int ListenLoopback(uint16_t port, uint16_t& bound) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  int on = 1;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address = Loopback(port);
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(s, 8);
  socklen_t length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  bound = ntohs(address.sin_port);
  return s;
}

int AcceptConnection(int listener, int limitMs) {
  return WaitReadableRaw(listener, limitMs) ? accept(listener, nullptr, nullptr) : -1;
}

int ConnectLoopback(uint16_t port, int receiveBuffer) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  if (receiveBuffer > 0) setsockopt(s, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
  const sockaddr_in address = Loopback(port);
  if (connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    close(s);
    return -1;
  }
  return s;
}

void SetReceiveTimeout(int s, int seconds) {
  timeval wait{seconds, 0};
  setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
}

void SetNonBlocking(int s) {
  fcntl(s, F_SETFL, fcntl(s, F_GETFL) | O_NONBLOCK);
}

void CloseRaw(int s) {
  close(s);
}

long SendRaw(int s, const void* bytes, size_t count) {
  return send(s, bytes, count, MSG_NOSIGNAL);
}

long ReceiveRaw(int s, void* buffer, size_t count) {
  return recv(s, buffer, count, 0);
}

bool WaitReadableRaw(int s, int limitMs) {
  pollfd entry{s, POLLIN, 0};
  return poll(&entry, 1, limitMs) == 1;
}

}  // namespace zentoir::testing
