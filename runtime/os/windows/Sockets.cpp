#include "os/Sockets.h"

#include "os/windows/SystemHeaders.h"

#include <iphlpapi.h>

#include <algorithm>
#include <climits>

namespace zentoir::os {
namespace {

bool WinsockReady() {
  static const bool ready = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return ready;
}

// Winsock handles are kernel handles, of which only the low 32 bits count; they are
// sign-extended on the way back, as handles are.
SOCKET ToSocket(int socket) {
  return static_cast<SOCKET>(static_cast<intptr_t>(socket));
}

int FromSocket(SOCKET socket) {
  if (socket == INVALID_SOCKET) return kNoSocket;
  if (socket > static_cast<SOCKET>(INT_MAX)) {  // handle values stay far below; not kept
    closesocket(socket);
    return kNoSocket;
  }
  return static_cast<int>(socket);
}

// Non-blocking, and not handed to programs started later.
SOCKET NewSocket(int family) {
  if (!WinsockReady()) return INVALID_SOCKET;
  const SOCKET s = socket(family, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return s;
  u_long on = 1;
  if (ioctlsocket(s, FIONBIO, &on) != 0) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  SetHandleInformation(reinterpret_cast<HANDLE>(s), HANDLE_FLAG_INHERIT, 0);
  return s;
}

// Small messages go out at once instead of waiting to be merged with later ones.
void SetNoDelay(SOCKET socket) {
  BOOL on = TRUE;
  setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
}

int ListenOn(int family, uint16_t port) {
  const SOCKET s = NewSocket(family);
  if (s == INVALID_SOCKET) return kNoSocket;
  // No other socket may bind the port while we listen (Windows would otherwise let one
  // with SO_REUSEADDR take it over).
  BOOL on = TRUE;
  setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&on), sizeof on);
  sockaddr_storage address{};
  int length = 0;
  if (family == AF_INET6) {
    DWORD off = 0;
    setsockopt(s, IPPROTO_IPV6, IPV6_V6ONLY, reinterpret_cast<const char*>(&off), sizeof off);
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
    closesocket(s);
    return kNoSocket;
  }
  return FromSocket(s);
}

timeval Timeval(int timeoutMs) {
  const int ms = std::max(timeoutMs, 0);
  return timeval{ms / 1000, ms % 1000 * 1000};
}

// Waits for a non-blocking connect to end, either way; true when it did in time. A
// failed connect shows in the exception set only.
bool WaitConnectEnded(SOCKET socket, int timeoutMs) {
  fd_set writable;
  fd_set failed;
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  FD_SET(socket, &writable);
  FD_SET(socket, &failed);
  timeval wait = Timeval(timeoutMs);
  return select(0, nullptr, &writable, &failed, &wait) > 0;
}

bool ConnectFailed(SOCKET socket) {
  int error = 0;
  int size = sizeof error;
  return getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0 ||
         error != 0;
}

int ConnectTo(const addrinfo& candidate, int timeoutMs) {
  const SOCKET s = NewSocket(candidate.ai_family);
  if (s == INVALID_SOCKET) return kNoSocket;
  if (connect(s, candidate.ai_addr, static_cast<int>(candidate.ai_addrlen)) != 0) {
    if (WSAGetLastError() != WSAEWOULDBLOCK || !WaitConnectEnded(s, timeoutMs) ||
        ConnectFailed(s)) {
      closesocket(s);
      return kNoSocket;
    }
  }
  SetNoDelay(s);
  return FromSocket(s);
}

// Without the zone of a link-local IPv6 address, as inet_ntop writes it.
std::string AddressText(const sockaddr* address) {
  char text[INET6_ADDRSTRLEN] = {};
  const void* raw =
      address->sa_family == AF_INET
          ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(address)->sin_addr)
          : static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr);
  if (!inet_ntop(address->sa_family, raw, text, sizeof text)) return {};
  return text;
}

// The adapter list; its size is only known by asking, and may grow between two asks.
bool ReadAdapters(std::vector<unsigned char>& buffer) {
  constexpr ULONG kFlags =
      GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
  ULONG size = 16 * 1024;
  for (int attempt = 0; attempt < 4; ++attempt) {
    buffer.assign(size, 0);
    const ULONG result = GetAdaptersAddresses(
        AF_UNSPEC, kFlags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    if (result == NO_ERROR) return true;
    if (result != ERROR_BUFFER_OVERFLOW) return false;
  }
  return false;
}

}  // namespace

int ListenOnPort(uint16_t port) {
  const int s = ListenOn(AF_INET6, port);
  return s != kNoSocket ? s : ListenOn(AF_INET, port);
}

uint16_t LocalPort(int socket) {
  sockaddr_storage address{};
  int length = sizeof address;
  if (getsockname(ToSocket(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  if (address.ss_family == AF_INET)
    return ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port);
  return ntohs(reinterpret_cast<sockaddr_in6*>(&address)->sin6_port);
}

int ConnectToHost(const std::string& host, uint16_t port, int timeoutMs) {
  if (!WinsockReady()) return kNoSocket;
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
  const SOCKET s = accept(ToSocket(listener), nullptr, nullptr);
  if (s != INVALID_SOCKET) {
    u_long on = 1;
    ioctlsocket(s, FIONBIO, &on);  // as the listener is; set all the same
    SetHandleInformation(reinterpret_cast<HANDLE>(s), HANDLE_FLAG_INHERIT, 0);
    SetNoDelay(s);
    if (sendBuffer > 0)
      setsockopt(s, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&sendBuffer),
                 sizeof sendBuffer);
    connection = FromSocket(s);
    return connection != kNoSocket ? AcceptResult::Accepted : AcceptResult::NonePending;
  }
  connection = kNoSocket;
  // A connection that went away before it was taken, or a shortage of sockets or
  // memory, is passed over; the listening socket itself stays usable.
  const int error = WSAGetLastError();
  if (error == WSAEWOULDBLOCK || error == WSAEINTR || error == WSAECONNRESET ||
      error == WSAECONNABORTED || error == WSAEMFILE || error == WSAENOBUFS)
    return AcceptResult::NonePending;
  return AcceptResult::Failed;
}

void CloseSocket(int socket) {
  if (socket >= 0) closesocket(ToSocket(socket));
}

IoResult ReceiveSome(int socket, void* buffer, size_t count) {
  const int length = static_cast<int>(std::min<size_t>(count, INT_MAX));
  const int n = recv(ToSocket(socket), static_cast<char*>(buffer), length, 0);
  if (n > 0) return {IoStatus::Done, static_cast<size_t>(n)};
  if (n == 0) return {count == 0 ? IoStatus::WouldBlock : IoStatus::Closed, 0};
  if (WSAGetLastError() == WSAEWOULDBLOCK) return {IoStatus::WouldBlock, 0};
  return {IoStatus::Failed, 0};
}

IoResult SendSome(int socket, const void* bytes, size_t count) {
  const int length = static_cast<int>(std::min<size_t>(count, INT_MAX));
  const int n = send(ToSocket(socket), static_cast<const char*>(bytes), length, 0);
  if (n >= 0) return {IoStatus::Done, static_cast<size_t>(n)};
  if (WSAGetLastError() == WSAEWOULDBLOCK) return {IoStatus::WouldBlock, 0};
  return {IoStatus::Failed, 0};
}

bool WaitWritable(int socket, int timeoutMs) {
  WSAPOLLFD entry{ToSocket(socket), POLLWRNORM, 0};
  return WSAPoll(&entry, 1, std::max(timeoutMs, 0)) > 0;
}

bool WaitReadable(const std::vector<int>& sockets, int timeoutMs, std::vector<bool>& readable) {
  readable.assign(sockets.size(), false);
  if (sockets.empty()) {  // the system call refuses an empty list; poll would just wait
    Sleep(timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs));
    return true;
  }
  // Entries of kNoSocket become INVALID_SOCKET, which the system call passes over.
  std::vector<WSAPOLLFD> entries(sockets.size());
  for (size_t i = 0; i < sockets.size(); ++i)
    entries[i] = WSAPOLLFD{ToSocket(sockets[i]), POLLRDNORM, 0};
  if (WSAPoll(entries.data(), static_cast<ULONG>(entries.size()), timeoutMs) == SOCKET_ERROR)
    return false;
  for (size_t i = 0; i < sockets.size(); ++i)
    readable[i] = (entries[i].revents & (POLLRDNORM | POLLHUP | POLLERR)) != 0;
  return true;
}

std::vector<std::string> LocalAddresses() {
  std::vector<std::string> texts;
  std::vector<unsigned char> buffer;
  if (!WinsockReady() || !ReadAdapters(buffer)) return texts;
  for (const auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter;
       adapter = adapter->Next) {
    if (adapter->OperStatus != IfOperStatusUp) continue;
    for (const auto* entry = adapter->FirstUnicastAddress; entry; entry = entry->Next) {
      const sockaddr* address = entry->Address.lpSockaddr;
      if (!address || (address->sa_family != AF_INET && address->sa_family != AF_INET6)) continue;
      const std::string text = AddressText(address);
      if (!text.empty()) texts.push_back(text);
    }
  }
  return texts;
}

}  // namespace zentoir::os
