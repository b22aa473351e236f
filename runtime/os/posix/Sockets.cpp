#include "os/Sockets.h"

#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace zentoir::os {
namespace {

// Small messages go out at once instead of waiting to be merged with later ones.
void SetNoDelay(int socket) {
  int on = 1;
  setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

int ListenOn(int family, uint16_t port) {
  const int s = socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (s < 0) return kNoSocket;
  int on = 1;
  setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_storage address{};
  socklen_t length = 0;
  if (family == AF_INET6) {
    int off = 0;
    setsockopt(s, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
    auto* a6 = reinterpret_cast<sockaddr_in6*>(&address);
    a6->sin6_family = AF_INET6;
    a6->sin6_addr = in6addr_any;
    a6->sin6_port = htons(port);
    length = sizeof(sockaddr_in6);
  } else {
    auto* a4 = reinterpret_cast<sockaddr_in*>(&address);
    a4->sin_family = AF_INET;
    a4->sin_addr.s_addr = htonl(INADDR_ANY);
    a4->sin_port = htons(port);
    length = sizeof(sockaddr_in);
  }
  if (bind(s, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(s, 64) != 0) {
    close(s);
    return kNoSocket;
  }
  return s;
}

// Waits for one poll event on a socket; true when it came before the time ran out.
bool WaitFor(int socket, short events, int timeoutMs) {
  pollfd entry{socket, events, 0};
  for (;;) {
    const int ready = poll(&entry, 1, timeoutMs < 0 ? 0 : timeoutMs);
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

int ConnectTo(const addrinfo& candidate, int timeoutMs) {
  const int s =
      socket(candidate.ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
  if (s < 0) return kNoSocket;
  if (connect(s, candidate.ai_addr, candidate.ai_addrlen) != 0) {
    int error = 0;
    socklen_t size = sizeof error;
    if (errno != EINPROGRESS || !WaitFor(s, POLLOUT, timeoutMs) ||
        getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
      close(s);
      return kNoSocket;
    }
  }
  SetNoDelay(s);
  return s;
}

std::string AddressText(const sockaddr* address) {
  char text[INET6_ADDRSTRLEN] = {};
  const void* raw =
      address->sa_family == AF_INET
          ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(address)->sin_addr)
          : static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr);
  if (!inet_ntop(address->sa_family, raw, text, sizeof text)) return {};
  return text;
}

}  // namespace

int ListenOnPort(uint16_t port) {
  const int s = ListenOn(AF_INET6, port);
  return s != kNoSocket ? s : ListenOn(AF_INET, port);
}

uint16_t LocalPort(int socket) {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  if (address.ss_family == AF_INET)
    return ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port);
  return ntohs(reinterpret_cast<sockaddr_in6*>(&address)->sin6_port);
}

int ConnectToHost(const std::string& host, uint16_t port, int timeoutMs) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0) return kNoSocket;
  int s = kNoSocket;
  for (const addrinfo* candidate = found; candidate && s == kNoSocket;
       candidate = candidate->ai_next)
    s = ConnectTo(*candidate, timeoutMs);
  freeaddrinfo(found);
  return s;
}

AcceptResult AcceptPending(int listener, int& connection, int sendBuffer) {
  connection = accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (connection >= 0) {
    SetNoDelay(connection);
    if (sendBuffer > 0)
      setsockopt(connection, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
    return AcceptResult::Accepted;
  }
  // A connection that went away before it was taken, or a shortage of descriptors, is
  // passed over; the listening socket itself stays usable.
  if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == ECONNABORTED ||
      errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM || errno == EPROTO)
    return AcceptResult::NonePending;
  return AcceptResult::Failed;
}

void CloseSocket(int socket) {
  if (socket >= 0) close(socket);
}

IoResult ReceiveSome(int socket, void* buffer, size_t count) {
  for (;;) {
    const ssize_t n = recv(socket, buffer, count, MSG_DONTWAIT);
    if (n > 0) return {IoStatus::Done, static_cast<size_t>(n)};
    if (n == 0) return {count == 0 ? IoStatus::WouldBlock : IoStatus::Closed, 0};
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) return {IoStatus::WouldBlock, 0};
    return {IoStatus::Failed, 0};
  }
}

IoResult SendSome(int socket, const void* bytes, size_t count) {
  for (;;) {
    const ssize_t n = send(socket, bytes, count, MSG_DONTWAIT | MSG_NOSIGNAL);
    if (n >= 0) return {IoStatus::Done, static_cast<size_t>(n)};
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) return {IoStatus::WouldBlock, 0};
    return {IoStatus::Failed, 0};
  }
}

bool WaitWritable(int socket, int timeoutMs) {
  return WaitFor(socket, POLLOUT, timeoutMs);
}

bool WaitReadable(const std::vector<int>& sockets, int timeoutMs, std::vector<bool>& readable) {
  std::vector<pollfd> entries(sockets.size());
  for (size_t i = 0; i < sockets.size(); ++i)
    entries[i] = pollfd{sockets[i], POLLIN, 0};
  readable.assign(sockets.size(), false);
  const int ready = poll(entries.data(), entries.size(), timeoutMs);
  if (ready < 0) return errno == EINTR;
  for (size_t i = 0; i < sockets.size(); ++i)
    readable[i] = (entries[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
  return true;
}

std::vector<std::string> LocalAddresses() {
  std::vector<std::string> texts;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return texts;
  for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
    if (!entry->ifa_addr || !(entry->ifa_flags & IFF_UP)) continue;
    const int family = entry->ifa_addr->sa_family;
    if (family != AF_INET && family != AF_INET6) continue;
    const std::string text = AddressText(entry->ifa_addr);
    if (!text.empty()) texts.push_back(text);
  }
  freeifaddrs(list);
  return texts;
}

}  // namespace zentoir::os
