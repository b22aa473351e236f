// NetThread: one pass after another until the stop flag is set. A pass announces new
// local players, waits up to 10 ms for traffic, hands the host's messages to the local
// players and, on the host, takes new connections, reads one message from each
// connection that has data, relays and answers, and writes the outboxes.
#include <algorithm>

#include "net/NetLimits.h"
#include "net/NetPlayerRecord.h"
#include "net/NetworkState.h"
#include "os/Clock.h"
#include "os/Sockets.h"

namespace zentoir {
namespace {

constexpr int kPassWaitMs = 10;
constexpr int kAcceptsPerPass = 16;
constexpr size_t kFirstConnectionSlot = 2;  // poll list: host's connection, listener, ...

}  // namespace

void NetworkState::RunThread() {
  for (;;) {
    {
      std::lock_guard<std::mutex> guard(lock_);
      if (stop_) break;
    }
    Pass();
  }
  std::lock_guard<std::mutex> guard(lock_);
  running_ = false;
}

void NetworkState::Pass() {
  AnnounceLocalPlayers();
  WaitForTraffic();
  std::vector<NetMessage> fromHost;
  ReadFromHost(fromHost);
  DeliverToLocalPlayers(fromHost);
  if (!host_) return;
  AcceptConnections();
  std::vector<Incoming> received;
  ReadConnections(received);
  for (const Incoming& incoming : received)
    Relay(incoming);
  FlushConnections();
  DropMarkedConnections();
}

// New local players are registered with the host; discarded ones are freed.
void NetworkState::AnnounceLocalPlayers() {
  std::vector<std::string> records;
  {
    std::lock_guard<std::mutex> guard(lock_);
    localPlayers_.remove_if([](const NetLocalPlayer& p) { return p.state == -2; });
    for (NetLocalPlayer& player : localPlayers_) {
      if (player.state != -1) continue;
      records.push_back(EncodePlayerRecord(player.anonymous, player.name));
      player.state = -3;
    }
  }
  for (std::string& record : records) {
    NetMessage announce;
    announce.type = kNetRegisterPlayer;
    announce.payload = std::move(record);
    SendToHost(announce);
  }
}

// The pause between passes: ends early when any socket has something to read.
void NetworkState::WaitForTraffic() {
  pollSockets_.assign({client_, listener_});
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (hostGone_) pollSockets_[0] = os::kNoSocket;  // poll passes over negative entries
  }
  for (const auto& connection : connections_)
    pollSockets_.push_back(connection->Socket());
  if (!os::WaitReadable(pollSockets_, kPassWaitMs, readable_)) os::SleepMilliseconds(kPassWaitMs);
}

void NetworkState::ReadFromHost(std::vector<NetMessage>& received) {
  if (readable_.empty() || !readable_[0]) return;
  const double now = os::MonotonicMs();
  for (size_t i = 0; i < kNetClientReadsPerPass; ++i) {
    NetMessage message;
    const auto outcome = clientReader_->ReadOne(message, now);
    if (outcome == NetConnection::ReadOutcome::Nothing) return;
    if (outcome != NetConnection::ReadOutcome::Message) {
      std::lock_guard<std::mutex> guard(lock_);
      hostGone_ = true;
      return;
    }
    received.push_back(std::move(message));
  }
}

// Game messages go into the inbox of the local player they are addressed to; the host's
// own messages give new players their ids or answer queries. The rest is dropped.
void NetworkState::DeliverToLocalPlayers(std::vector<NetMessage>& received) {
  std::lock_guard<std::mutex> guard(lock_);
  for (NetMessage& message : received) {
    if (message.type == kNetGameMessage) {
      if (message.target < 0) continue;
      for (NetLocalPlayer& player : localPlayers_) {
        if (player.state != message.target) continue;
        if (player.inbox.size() < kNetInboxLimit) player.inbox.push_back(std::move(message));
        break;
      }
    } else if (message.sender == 0 && message.type == kNetIdAssigned) {
      if (message.target < 0) continue;
      auto waiting = std::find_if(localPlayers_.begin(), localPlayers_.end(),
                                  [](const NetLocalPlayer& p) { return p.state == -3; });
      if (waiting != localPlayers_.end()) waiting->state = message.target;
    } else if (message.sender == 0 && message.type >= 100) {
      if (replies_.size() < kNetReplyLimit) replies_.push_back(std::move(message));
    }
  }
}

void NetworkState::AcceptConnections() {
  for (int i = 0; i < kAcceptsPerPass; ++i) {
    int socket = os::kNoSocket;
    const os::AcceptResult result = os::AcceptPending(listener_, socket, kNetSendBuffer);
    if (result == os::AcceptResult::NonePending) return;
    if (result == os::AcceptResult::Failed) {  // the listening socket is gone: game over
      std::lock_guard<std::mutex> guard(lock_);
      stop_ = true;
      return;
    }
    if (connections_.size() >= kNetMaxConnections) {
      os::CloseSocket(socket);
      ++stats_.droppedConnections;
      continue;
    }
    connections_.push_back(std::make_unique<NetConnection>(socket, os::MonotonicMs()));
    stats_.connections = connections_.size();
  }
}

// At most one message from each connection with data, so that no peer crowds out
// the others however fast it sends.
void NetworkState::ReadConnections(std::vector<Incoming>& received) {
  const double now = os::MonotonicMs();
  const size_t polled = readable_.size() - std::min(readable_.size(), kFirstConnectionSlot);
  for (size_t i = 0; i < polled && i < connections_.size(); ++i) {
    if (!readable_[kFirstConnectionSlot + i]) continue;
    NetConnection* connection = connections_[i].get();
    NetMessage message;
    const auto outcome = connection->ReadOne(message, now);
    if (outcome == NetConnection::ReadOutcome::Message) {
      received.push_back({connection, std::move(message)});
    } else if (outcome != NetConnection::ReadOutcome::Nothing) {
      DropConnection(connection, outcome == NetConnection::ReadOutcome::Broken);
    }
  }
}

void NetworkState::Relay(const Incoming& incoming) {
  const NetMessage& message = incoming.message;
  switch (message.type) {
    case kNetGameMessage:
      RelayGameMessage(incoming);
      break;
    case kNetRegisterPlayer:
      RegisterRemotePlayer(incoming);
      break;
    case kNetPlayerLeaves:
      RemoveRemotePlayer(incoming);
      break;
    case kNetQueryCount:
    case kNetQueryIdAt:
    case kNetQueryName:
    case kNetQueryHost:
      if (message.target == kNetToHost) AnswerQuery(incoming);
      break;
    default:
      break;
  }
}

// To everybody: one copy to each named player but the sender, addressed to that player.
// A message may only come from a player of its own connection: a peer that speaks for
// someone else is dropped with it.
void NetworkState::RelayGameMessage(const Incoming& incoming) {
  const NetMessage& message = incoming.message;
  if (!IsPlayerOf(incoming.from, message.sender)) {
    DropConnection(incoming.from, true);
    return;
  }
  for (const NetRemotePlayer& player : remotePlayers_) {
    if (message.target == kNetToEverybody) {
      if (player.anonymous || player.id == message.sender) continue;
      NetMessage copy = message;
      copy.target = player.id;
      SendTo(player.connection, copy);
    } else if (player.id == message.target) {
      SendTo(player.connection, message);
      return;
    }
  }
}

void NetworkState::RegisterRemotePlayer(const Incoming& incoming) {
  NetRemotePlayer player;
  if (!DecodePlayerRecord(incoming.message.payload, player.anonymous, player.name)) return;
  const auto onConnection =
      std::count_if(remotePlayers_.begin(), remotePlayers_.end(),
                    [&](const NetRemotePlayer& p) { return p.connection == incoming.from; });
  if (static_cast<size_t>(onConnection) >= kNetMaxPlayersPerConnection ||
      remotePlayers_.size() >= kNetMaxPlayers)
    return;
  player.connection = incoming.from;
  player.id = nextId_++;
  remotePlayers_.push_back(player);
  NetMessage assigned;
  assigned.type = kNetIdAssigned;
  assigned.target = player.id;
  SendTo(incoming.from, assigned);
}

bool NetworkState::IsPlayerOf(const NetConnection* connection, int32_t id) const {
  return std::any_of(remotePlayers_.begin(), remotePlayers_.end(), [&](const NetRemotePlayer& p) {
    return p.connection == connection && p.id == id;
  });
}

// Only the connection a player registered on may take it out of the game.
void NetworkState::RemoveRemotePlayer(const Incoming& incoming) {
  std::erase_if(remotePlayers_, [&](const NetRemotePlayer& p) {
    return p.connection == incoming.from && p.id == incoming.message.sender;
  });
}

void NetworkState::AnswerQuery(const Incoming& incoming) {
  const NetMessage& query = incoming.message;
  NetMessage reply;
  reply.type = query.type;
  reply.target = query.sender;
  std::vector<const NetRemotePlayer*> named;
  for (const NetRemotePlayer& player : remotePlayers_)
    if (!player.anonymous) named.push_back(&player);
  int32_t value = 0;
  const bool hasValue = ReadInt32Payload(query.payload, value);
  if (query.type == kNetQueryCount) {
    reply.payload = Int32Payload(static_cast<int32_t>(named.size()));
  } else if (query.type == kNetQueryIdAt) {
    const bool inRange = hasValue && value >= 0 && static_cast<size_t>(value) < named.size();
    reply.payload = Int32Payload(inRange ? named[static_cast<size_t>(value)]->id : 0);
  } else if (query.type == kNetQueryName) {
    auto found = std::find_if(remotePlayers_.begin(), remotePlayers_.end(),
                              [&](const NetRemotePlayer& p) { return p.id == value; });
    if (!hasValue || found == remotePlayers_.end()) return;  // unknown: no answer
    reply.payload = found->name;
  } else {
    reply.payload = Int32Payload(1);
  }
  SendTo(incoming.from, reply);
}

// A peer whose outbox would overflow has stopped reading: it is dropped.
void NetworkState::SendTo(NetConnection* connection, const NetMessage& message) {
  if (std::find(toDrop_.begin(), toDrop_.end(), connection) != toDrop_.end()) return;
  if (!connection->Queue(message)) DropConnection(connection, true);
}

void NetworkState::FlushConnections() {
  const double now = os::MonotonicMs();
  const double stallMs = NetworkTimeouts().stallMs;
  size_t buffered = 0;
  for (const auto& connection : connections_) {
    if (!connection->Flush(now) || connection->Stalled(now, stallMs))
      DropConnection(connection.get(), true);
    buffered += connection->Pending();
  }
  if (buffered > stats_.peakBufferedBytes) stats_.peakBufferedBytes = buffered;
}

// Marks a connection to be closed at the end of the pass; `peerFault` counts it as
// dropped for misbehaving rather than closed by its peer.
void NetworkState::DropConnection(NetConnection* connection, bool peerFault) {
  if (std::find(toDrop_.begin(), toDrop_.end(), connection) != toDrop_.end()) return;
  toDrop_.push_back(connection);
  if (peerFault) ++stats_.droppedConnections;
}

// The players of a closed connection leave the game with it.
void NetworkState::DropMarkedConnections() {
  for (NetConnection* connection : toDrop_) {
    std::erase_if(remotePlayers_,
                  [&](const NetRemotePlayer& p) { return p.connection == connection; });
    std::erase_if(connections_, [&](const auto& c) { return c.get() == connection; });
  }
  toDrop_.clear();
  stats_.connections = connections_.size();
}

}  // namespace zentoir
