#include <winsock2.h>

#include "RawSockets.h"

namespace zentoir::testing {

namespace {
SOCKET Handle(int s) {
  return static_cast<SOCKET>(s);
}

SOCKET NewSocket() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started ? socket(AF_INET, SOCK_STREAM, IPPROTO_TCP) : INVALID_SOCKET;
}

sockaddr_in Loopback(uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}

int Number(SOCKET s) {
  return s == INVALID_SOCKET ? -1 : static_cast<int>(s);
}
}  // namespace

int ListenLoopback(uint16_t port, uint16_t& bound) {
  const SOCKET s = NewSocket();
  sockaddr_in address = Loopback(port);
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(s, 8);
  int length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  bound = ntohs(address.sin_port);
  return Number(s);
}

int AcceptConnection(int listener, int limitMs) {
  if (!WaitReadableRaw(listener, limitMs)) return -1;
  return Number(accept(Handle(listener), nullptr, nullptr));
}

int ConnectLoopback(uint16_t port, int receiveBuffer) {
  const SOCKET s = NewSocket();
  if (receiveBuffer > 0) {
    setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&receiveBuffer),
               sizeof receiveBuffer);
  }
  const sockaddr_in address = Loopback(port);
  if (connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    closesocket(s);
    return -1;
  }
  return Number(s);
}

void SetReceiveTimeout(int s, int seconds) {
  const DWORD wait = DWORD(seconds) * 1000;
  setsockopt(Handle(s), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait), sizeof wait);
}

void SetNonBlocking(int s) {
  u_long on = 1;
  ioctlsocket(Handle(s), FIONBIO, &on);
}

void CloseRaw(int s) {
  closesocket(Handle(s));
}

long SendRaw(int s, const void* bytes, size_t count) {
  return send(Handle(s), static_cast<const char*>(bytes), int(count), 0);
}

long ReceiveRaw(int s, void* buffer, size_t count) {
  return recv(Handle(s), static_cast<char*>(buffer), int(count), 0);
}

bool WaitReadableRaw(int s, int limitMs) {
  WSAPOLLFD entry{Handle(s), POLLRDNORM, 0};
  return WSAPoll(&entry, 1, limitMs) == 1;
}

}  // namespace zentoir::testing
