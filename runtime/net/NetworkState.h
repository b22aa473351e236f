// The network object: one program's part in a network game. It hosts a game (and joins
// it as a client of its own), or joins another program's game; its local players send
// and receive text messages, which the host relays.
//
// NetThread does all reading and relaying. The game thread only queues work and reads
// results; `lock_` guards what both threads touch (local players, replies, flags, ids)
// and is never held while sleeping or writing to a socket. The host's connections and
// their player records belong to the thread alone.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/NetConnection.h"
#include "net/NetMessage.h"

namespace zentoir {

// A player registered by this program.
struct NetLocalPlayer {
  // -1 not yet announced, -3 announced and waiting for its id, -2 to be discarded,
  // otherwise the id.
  int32_t state = -1;
  bool anonymous = false;
  std::string name;
  std::deque<NetMessage> inbox;
};

// A player the host knows, with the connection it registered on.
struct NetRemotePlayer {
  NetConnection* connection = nullptr;
  int32_t id = 0;
  bool anonymous = false;
  std::string name;
};

// Figures a test can watch (read from any thread).
struct NetStatistics {
  std::atomic<size_t> connections{0};         // the host's open connections
  std::atomic<size_t> droppedConnections{0};  // connections the host closed on a peer
  std::atomic<size_t> peakBufferedBytes{0};   // most bytes waiting in all outboxes at once
};

class NetworkState {
 public:
  NetworkState() = default;
  ~NetworkState() { Close(); }
  NetworkState(const NetworkState&) = delete;
  NetworkState& operator=(const NetworkState&) = delete;

  bool Host(uint16_t port);
  bool Join(const std::string& host, uint16_t port);
  int32_t CreatePlayer(const std::string& name);  // the id, -1 on failure
  void RemovePlayer(int32_t id);
  bool SendMessage(int32_t from, int32_t to, const std::string& text);
  std::string GetMessage(int32_t id);  // the oldest text, empty when none
  int32_t LastSender();
  bool PlayerCount(int32_t& count);
  bool PlayerIdAt(int32_t index, int32_t& id);
  bool PlayerName(int32_t id, std::string& name);
  std::string LocalAddressList();

  // Back to idle: the thread stopped, every socket closed, every list emptied.
  void Stop();
  // The end of the program: a leave message for every local player with an id, then Stop.
  void Close();

  const NetStatistics& Statistics() const { return stats_; }

 private:
  struct Incoming {
    NetConnection* from;
    NetMessage message;
  };

  // Game thread.
  void Start(bool host);
  bool SendToHost(const NetMessage& message);
  bool SendRequest(NetMessage& request);
  bool ClientUsable();

  // NetThread (NetThread.cpp).
  void RunThread();
  void Pass();
  void AnnounceLocalPlayers();
  void ReadFromHost(std::vector<NetMessage>& received);
  void WaitForTraffic();
  void AcceptConnections();
  void ReadConnections(std::vector<Incoming>& received);
  void DeliverToLocalPlayers(std::vector<NetMessage>& received);
  void Relay(const Incoming& incoming);
  void RelayGameMessage(const Incoming& incoming);
  bool IsPlayerOf(const NetConnection* connection, int32_t id) const;
  void RegisterRemotePlayer(const Incoming& incoming);
  void RemoveRemotePlayer(const Incoming& incoming);
  void AnswerQuery(const Incoming& incoming);
  void SendTo(NetConnection* connection, const NetMessage& message);
  void FlushConnections();
  void DropConnection(NetConnection* connection, bool peerFault);
  void DropMarkedConnections();

  std::mutex lock_;
  bool stop_ = true;
  bool running_ = false;
  int32_t ownId_ = -1;
  int32_t lastSender_ = 0;
  std::list<NetLocalPlayer> localPlayers_;
  std::deque<NetMessage> replies_;
  bool hostGone_ = false;  // the host's connection closed or failed

  std::mutex sendLock_;  // one writer at a time on the host's connection
  bool host_ = false;
  int listener_ = -1;
  int client_ = -1;
  std::unique_ptr<NetConnection> clientReader_;  // reads client_ (owned by the thread)
  std::thread thread_;

  // The thread's own.
  int32_t nextId_ = 101;
  std::vector<std::unique_ptr<NetConnection>> connections_;
  std::vector<NetConnection*> toDrop_;
  std::vector<NetRemotePlayer> remotePlayers_;
  std::vector<int> pollSockets_;
  std::vector<bool> readable_;

  NetStatistics stats_;
};

}  // namespace zentoir
