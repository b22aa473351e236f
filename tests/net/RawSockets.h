// Plain blocking sockets on 127.0.0.1 for the network tests: peers and servers written
// by hand, beside the runtime's own sockets. A socket is an int, as in the runtime.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentoir::testing {

// A socket listening on 127.0.0.1 (port 0: any free port); `bound` gets the port.
int ListenLoopback(uint16_t port, uint16_t& bound);
// Waits at most `limitMs` for the next connection; -1 when none came.
int AcceptConnection(int listener, int limitMs = 10000);
// A blocking connection to 127.0.0.1; -1 on failure. A receive buffer above 0 makes a
// peer that never reads fill up quickly.
int ConnectLoopback(uint16_t port, int receiveBuffer = 0);
// Reads fail after this many seconds without bytes.
void SetReceiveTimeout(int s, int seconds);
void SetNonBlocking(int s);
void CloseRaw(int s);

// What was written (a peer that is gone is an error, never a signal) or read: a count,
// 0 for the peer's close (reads), -1 for an error or, without blocking, nothing now.
long SendRaw(int s, const void* bytes, size_t count);
long ReceiveRaw(int s, void* buffer, size_t count);
// Waits until the socket is readable (or closed); false when nothing came in time.
bool WaitReadableRaw(int s, int limitMs);

}  // namespace zentoir::testing
