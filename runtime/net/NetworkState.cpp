#include "net/NetworkState.h"

#include "net/NetLimits.h"
#include "net/NetPlayerRecord.h"
#include "os/Clock.h"
#include "os/Sockets.h"

namespace zentoir {
namespace {

constexpr int kStopPollMs = 50;
constexpr int kReplyPollMs = 20;
// The host joins its own game through the loopback address.
constexpr const char* kThisMachine = "127.0.0.1";

// Checks every kReplyPollMs, under the lock, until `arrived` holds or the reply wait is
// over; whether it held.
template <typename Arrived>
bool PollForReply(std::mutex& lock, Arrived&& arrived) {
  const int checks = NetworkTimeouts().replyWaitMs / kReplyPollMs;
  for (int i = 0; i < checks; ++i) {
    os::SleepMilliseconds(kReplyPollMs);
    std::lock_guard<std::mutex> guard(lock);
    if (arrived()) return true;
  }
  return false;
}

}  // namespace

NetTimeouts& NetworkTimeouts() {
  static NetTimeouts timeouts;
  return timeouts;
}

void NetworkState::Start(bool host) {
  host_ = host;
  {
    // Set here rather than by the thread, so that a Stop right after the start
    // cannot be undone by a thread that starts late.
    std::lock_guard<std::mutex> guard(lock_);
    stop_ = false;
    running_ = true;
    hostGone_ = false;
  }
  clientReader_ = std::make_unique<NetConnection>(client_, os::MonotonicMs());
  thread_ = std::thread([this] { RunThread(); });
}

void NetworkState::Stop() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stop_ = true;
  }
  for (;;) {
    {
      std::lock_guard<std::mutex> guard(lock_);
      if (!running_) break;
    }
    os::SleepMilliseconds(kStopPollMs);
  }
  if (thread_.joinable()) thread_.join();
  clientReader_.reset();  // closes client_
  client_ = os::kNoSocket;
  os::CloseSocket(listener_);
  listener_ = os::kNoSocket;
  connections_.clear();
  remotePlayers_.clear();
  toDrop_.clear();
  stats_.connections = 0;
  std::lock_guard<std::mutex> guard(lock_);
  localPlayers_.clear();
  replies_.clear();
  nextId_ = 101;
  ownId_ = -1;
  host_ = false;
}

void NetworkState::Close() {
  std::vector<int32_t> ids;
  {
    std::lock_guard<std::mutex> guard(lock_);
    for (const NetLocalPlayer& player : localPlayers_)
      if (player.state >= 0) ids.push_back(player.state);
  }
  for (int32_t id : ids)
    RemovePlayer(id);
  Stop();
}

bool NetworkState::ClientUsable() {
  std::lock_guard<std::mutex> guard(lock_);
  return client_ >= 0 && !hostGone_ && !stop_;
}

// Whole messages or nothing: a write that stops half-way is tried once more, and if
// the rest still does not go, the stream can no longer be read by the host and the
// connection is given up.
bool NetworkState::SendToHost(const NetMessage& message) {
  if (!ClientUsable()) return false;
  const std::string bytes = EncodeNetMessage(message);
  std::lock_guard<std::mutex> guard(sendLock_);
  const int waitMs = NetworkTimeouts().writeMs;
  size_t sent = os::SendAll(client_, bytes.data(), bytes.size(), waitMs);
  if (sent < bytes.size())
    sent += os::SendAll(client_, bytes.data() + sent, bytes.size() - sent, waitMs);
  if (sent == bytes.size()) return true;
  if (sent > 0) {
    std::lock_guard<std::mutex> state(lock_);
    hostGone_ = true;
  }
  return false;
}

bool NetworkState::Host(uint16_t port) {
  Stop();
  listener_ = os::ListenOnPort(port);
  if (listener_ == os::kNoSocket) return false;
  client_ = os::ConnectToHost(kThisMachine, port, NetworkTimeouts().connectMs);
  if (client_ == os::kNoSocket) {
    os::CloseSocket(listener_);
    listener_ = os::kNoSocket;
    return false;
  }
  Start(true);
  return true;
}

bool NetworkState::Join(const std::string& host, uint16_t port) {
  Stop();
  client_ =
      os::ConnectToHost(host.empty() ? kThisMachine : host, port, NetworkTimeouts().connectMs);
  if (client_ == os::kNoSocket) return false;
  Start(false);
  NetMessage query;
  query.type = kNetQueryHost;
  if (SendRequest(query)) return true;
  Stop();
  return false;
}

int32_t NetworkState::CreatePlayer(const std::string& name) {
  if (!ClientUsable()) return -1;
  NetLocalPlayer* player = nullptr;
  {
    std::lock_guard<std::mutex> guard(lock_);
    player = &localPlayers_.emplace_back();
    player->anonymous = name.empty();
    player->name = name.substr(0, kNetMaxNameLength);
  }
  // The host's number for the player; after the wait it is looked for once more.
  PollForReply(lock_, [&] { return player->state >= 0; });
  std::lock_guard<std::mutex> guard(lock_);
  if (player->state >= 0) return player->state;
  player->state = -2;
  return -1;
}

void NetworkState::RemovePlayer(int32_t id) {
  if (id < 0) return;
  NetMessage leave;
  leave.type = kNetPlayerLeaves;
  leave.sender = id;
  SendToHost(leave);
}

bool NetworkState::SendMessage(int32_t from, int32_t to, const std::string& text) {
  if (text.size() > static_cast<size_t>(kNetMaxPayload)) return false;
  NetMessage message;
  message.type = kNetGameMessage;
  message.target = to == 0 ? kNetToEverybody : to;
  message.sender = from;
  message.payload = text;
  return SendToHost(message);
}

std::string NetworkState::GetMessage(int32_t id) {
  std::lock_guard<std::mutex> guard(lock_);
  if (id < 0) return {};
  for (NetLocalPlayer& player : localPlayers_) {
    if (player.state != id) continue;
    if (player.inbox.empty()) return {};
    NetMessage message = std::move(player.inbox.front());
    player.inbox.pop_front();
    lastSender_ = message.sender;
    return TextUpToZero(message.payload);
  }
  return {};
}

int32_t NetworkState::LastSender() {
  std::lock_guard<std::mutex> guard(lock_);
  return lastSender_;
}

// Asks the host and waits for its answer of the same type. Replies of another type
// (late answers to an earlier query that timed out) are passed over.
bool NetworkState::SendRequest(NetMessage& request) {
  int32_t ownId = 0;
  {
    std::lock_guard<std::mutex> guard(lock_);
    ownId = ownId_;
  }
  if (ownId == -1) {
    ownId = CreatePlayer("");
    std::lock_guard<std::mutex> guard(lock_);
    ownId_ = ownId;
  }
  if (ownId == -1) return false;
  request.sender = ownId;
  request.target = kNetToHost;
  {
    std::lock_guard<std::mutex> guard(lock_);
    replies_.clear();
  }
  if (!SendToHost(request)) return false;
  return PollForReply(lock_, [&] {
    while (!replies_.empty()) {
      NetMessage reply = std::move(replies_.front());
      replies_.pop_front();
      if (reply.type != request.type) continue;
      request = std::move(reply);
      return true;
    }
    return false;
  });
}

bool NetworkState::PlayerCount(int32_t& count) {
  NetMessage query;
  query.type = kNetQueryCount;
  return SendRequest(query) && ReadInt32Payload(query.payload, count);
}

bool NetworkState::PlayerIdAt(int32_t index, int32_t& id) {
  NetMessage query;
  query.type = kNetQueryIdAt;
  query.payload = Int32Payload(index);
  return SendRequest(query) && ReadInt32Payload(query.payload, id);
}

bool NetworkState::PlayerName(int32_t id, std::string& name) {
  NetMessage query;
  query.type = kNetQueryName;
  query.payload = Int32Payload(id);
  if (!SendRequest(query)) return false;
  name = TextUpToZero(query.payload);
  return true;
}

std::string NetworkState::LocalAddressList() {
  Stop();
  std::string list;
  for (const std::string& address : os::LocalAddresses()) {
    const size_t added = address.size() + (list.empty() ? 0 : 1);
    if (list.size() + added > kNetAddressTextLimit) break;
    if (!list.empty()) list += '|';
    list += address;
  }
  return list;
}

}  // namespace zentoir
