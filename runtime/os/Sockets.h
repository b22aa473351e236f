// TCP sockets: non-blocking sockets, name resolution through getaddrinfo (IPv4 and IPv6),
// waiting for sockets to become ready, and this machine's addresses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zentoir::os {

constexpr int kNoSocket = -1;

// Listens on every address of this machine (IPv6 with IPv4 mapped in, or IPv4 alone
// where IPv6 is missing). Returns the socket or kNoSocket.
int ListenOnPort(uint16_t port);

// The local port a socket is bound to, 0 on failure.
uint16_t LocalPort(int socket);

// Connects to the host (a name or a numeric address; every address it resolves to is
// tried in turn), waiting at most `timeoutMs` for each. The socket returned is
// non-blocking; kNoSocket on failure.
int ConnectToHost(const std::string& host, uint16_t port, int timeoutMs);

enum class AcceptResult { Accepted, NonePending, Failed };
// Takes one pending connection off a listening socket without waiting. A `sendBuffer`
// above 0 fixes the system's send buffer of the connection to that many bytes.
AcceptResult AcceptPending(int listener, int& connection, int sendBuffer = 0);

void CloseSocket(int socket);

// What a read or write did: a count of bytes (> 0), nothing to do now, a normal close
// by the peer (reads only) or an error.
enum class IoStatus { Done, WouldBlock, Closed, Failed };
struct IoResult {
  IoStatus status;
  size_t bytes;
};

// Reads up to `count` bytes without waiting.
IoResult ReceiveSome(int socket, void* buffer, size_t count);
// Writes up to `count` bytes without waiting; a peer that is gone is an error, never a
// signal.
IoResult SendSome(int socket, const void* bytes, size_t count);

// Waits up to `timeoutMs` until a socket has room to write (or is in error); true when it
// came in time.
bool WaitWritable(int socket, int timeoutMs);

// Writes every byte, waiting for room at most `timeoutMs` in total. Returns the number
// of bytes written (all of them on success).
size_t SendAll(int socket, const void* bytes, size_t count, int timeoutMs);

// Waits up to `timeoutMs` until a socket is readable (or closed or in error).
// `readable` gets one flag per socket. Returns false when the wait itself failed.
bool WaitReadable(const std::vector<int>& sockets, int timeoutMs, std::vector<bool>& readable);

// This machine's interface addresses as numeric texts (IPv4 and IPv6).
std::vector<std::string> LocalAddresses();

}  // namespace zentoir::os
