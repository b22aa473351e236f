// Writing a whole message over a non-blocking socket, on top of each system's own calls.
#include "os/Sockets.h"

#include <chrono>

namespace zentoir::os {

size_t SendAll(int socket, const void* bytes, size_t count, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  const auto* next = static_cast<const unsigned char*>(bytes);
  size_t sent = 0;
  while (sent < count) {
    const IoResult r = SendSome(socket, next + sent, count - sent);
    if (r.status == IoStatus::Done) {
      sent += r.bytes;
      continue;
    }
    if (r.status != IoStatus::WouldBlock) break;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0 || !WaitWritable(socket, static_cast<int>(left))) break;
  }
  return sent;
}

}  // namespace zentoir::os
