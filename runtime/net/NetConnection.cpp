#include "net/NetConnection.h"

#include <cstdint>

#include "net/NetLimits.h"
#include "os/Sockets.h"

namespace zentoir {

NetConnection::NetConnection(int socket, double nowMs) : socket_(socket), lastWriteMs_(nowMs) {}

NetConnection::~NetConnection() {
  os::CloseSocket(socket_);
}

NetConnection::ReadOutcome NetConnection::ReadOne(NetMessage& message, double nowMs) {
  uint8_t chunk[kNetHeaderSize + kNetMaxPayload];
  for (;;) {
    const bool begun = reader_.InProgress();
    const os::IoResult r = os::ReceiveSome(socket_, chunk, reader_.Wanted());
    if (r.status == os::IoStatus::WouldBlock) return ReadOutcome::Nothing;
    if (r.status == os::IoStatus::Closed) return begun ? ReadOutcome::Broken : ReadOutcome::Closed;
    if (r.status == os::IoStatus::Failed) return ReadOutcome::Broken;
    if (!begun) messageStartMs_ = nowMs;
    size_t used = 0;
    const auto state = reader_.Feed(chunk, r.bytes, used);
    if (state == NetMessageReader::State::Invalid) return ReadOutcome::Broken;
    if (state == NetMessageReader::State::Complete) {
      message = reader_.Take();
      return ReadOutcome::Message;
    }
  }
}

bool NetConnection::Queue(const NetMessage& message) {
  const std::string bytes = EncodeNetMessage(message);
  if (Pending() + bytes.size() > kNetOutboxLimit) return false;
  outbox_ += bytes;
  return true;
}

bool NetConnection::Flush(double nowMs) {
  if (Pending() == 0) {
    lastWriteMs_ = nowMs;
    return true;
  }
  const os::IoResult r = os::SendSome(socket_, outbox_.data() + sent_, Pending());
  if (r.status == os::IoStatus::Failed) return false;
  if (r.status == os::IoStatus::Done && r.bytes > 0) {
    sent_ += r.bytes;
    lastWriteMs_ = nowMs;
  }
  // What went out is dropped once all of it is, or once it is worth the copy.
  if (sent_ == outbox_.size() || sent_ >= kNetOutboxLimit / 4) {
    outbox_.erase(0, sent_);
    sent_ = 0;
  }
  return true;
}

bool NetConnection::Stalled(double nowMs, double limitMs) const {
  if (reader_.InProgress() && nowMs - messageStartMs_ > limitMs) return true;
  return Pending() > 0 && nowMs - lastWriteMs_ > limitMs;
}

}  // namespace zentoir
