// One TCP connection of a network game: whole messages read off it one at a time, and
// an outbox of bounded size written without waiting.
#pragma once

#include <cstddef>
#include <string>

#include "net/NetMessage.h"

namespace zentoir {

class NetConnection {
 public:
  NetConnection(int socket, double nowMs);
  ~NetConnection();
  NetConnection(const NetConnection&) = delete;
  NetConnection& operator=(const NetConnection&) = delete;

  int Socket() const { return socket_; }

  // Message: one whole message in `message`. Nothing: no whole message yet. Closed: the
  // peer closed between messages. Broken: a read error, an invalid message or a close
  // in the middle of one.
  enum class ReadOutcome { Message, Nothing, Closed, Broken };
  ReadOutcome ReadOne(NetMessage& message, double nowMs);

  // Adds a message to the outbox; false when that would pass the outbox limit.
  bool Queue(const NetMessage& message);
  // Writes as much of the outbox as the socket takes now; false on a write error.
  bool Flush(double nowMs);
  size_t Pending() const { return outbox_.size() - sent_; }

  // True when a message has been half read, or the outbox has not moved, for longer
  // than `limitMs`.
  bool Stalled(double nowMs, double limitMs) const;

 private:
  int socket_;
  NetMessageReader reader_;
  double messageStartMs_ = 0;  // when the first byte of the current message came
  std::string outbox_;
  size_t sent_ = 0;
  double lastWriteMs_ = 0;  // when the outbox last moved (or was empty)
};

}  // namespace zentoir
