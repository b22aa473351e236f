#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "NetTestSupport.h"
#include "net/NetLimits.h"
#include "net/NetMessage.h"
#include "net/NetPlayerRecord.h"
#include "net/NetworkState.h"

namespace zentoir {
namespace {

using testing::ConnectLoopback;
using testing::SendBytes;
using testing::WaitUntil;

constexpr int kEachKind = 20;  // five kinds: 100 hostile connections

std::string HeaderClaiming(int32_t length) {
  std::string bytes = EncodeNetMessage(NetMessage{kNetGameMessage, 0, 0, ""});
  for (int i = 0; i < 4; ++i)
    bytes[5 + i] = static_cast<char>((static_cast<uint32_t>(length) >> (8 * i)) & 0xFF);
  return bytes;
}

// 100 connections that misbehave in five ways; the flooders keep sending until told
// to stop. Half the flooders ask for a long player name and never read the answers,
// the other half send valid messages from a player of their own to nobody.
class HostileCrowd {
 public:
  HostileCrowd(uint16_t port, int32_t namedId)
      : query_(EncodeNetMessage(NetMessage{kNetQueryName, 0, 5, Int32Payload(namedId)})) {
    std::mt19937 random(17);
    const int32_t lies[] = {kNetMaxPayload + 1, -5, 5000, INT32_MAX};
    for (int i = 0; i < kEachKind; ++i) {
      std::string garbage(4096, '\0');
      for (char& c : garbage)
        c = static_cast<char>(random());
      garbage[0] = 'X';
      Open(port, garbage);
      Open(port, HeaderClaiming(lies[i % 4]) + "some bytes");
      Open(port, HeaderClaiming(100) + "only ten..");
      Open(port, "");  // silent
    }
    // The askers send enough questions at once for the answers to overflow the host's
    // send buffer. Asking only while the answers pile up is not enough: once an asker's
    // small receive buffer is full, the system can hold back its further questions,
    // and the host then sees a quiet peer with nothing left to send it.
    std::string questions;
    for (int i = 0; i < kQuestionsAtOnce; ++i)
      questions += query_;
    for (int i = 0; i < kEachKind; ++i) {
      const int s = ConnectLoopback(port, 2048);
      if (i % 2 == 0) {
        SendBytes(s, questions);
        floods_.push_back(query_);
      } else {
        const int32_t own = testing::RegisterPlayer(s, "");
        floods_.push_back(EncodeNetMessage(NetMessage{kNetGameMessage, 7777777, own, "spam"}));
      }
      testing::SetNonBlocking(s);
      flooders_.push_back(s);
    }
    thread_ = std::thread([this] { Flood(); });
  }
  ~HostileCrowd() {
    StopFlooding();
    for (int s : sockets_)
      testing::CloseRaw(s);
    for (int s : flooders_)
      testing::CloseRaw(s);
  }
  void StopFlooding() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }

 private:
  void Open(uint16_t port, const std::string& bytes) {
    const int s = ConnectLoopback(port);
    if (!bytes.empty()) SendBytes(s, bytes);
    sockets_.push_back(s);
  }
  // As fast as the sockets take it, with a short rest each round so that the thread
  // leaves the processor to the host it floods.
  void Flood() {
    std::vector<size_t> offsets(flooders_.size(), 0);
    while (!stop_) {
      for (size_t i = 0; i < flooders_.size(); ++i) {
        const std::string& message = floods_[i];
        const long n = testing::SendRaw(flooders_[i], message.data() + offsets[i],
                                        message.size() - offsets[i]);
        if (n > 0) offsets[i] = (offsets[i] + static_cast<size_t>(n)) % message.size();
      }
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
  }

  // Answers of 144 bytes each: 2000 of them are more than the host's send buffer holds.
  static constexpr int kQuestionsAtOnce = 2000;
  const std::string query_;
  std::vector<int> sockets_;
  std::vector<int> flooders_;
  std::vector<std::string> floods_;  // what each flooder sends over and over
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

std::vector<std::string> Collect(NetworkState& state, int32_t id, size_t count) {
  std::vector<std::string> texts;
  WaitUntil(
      [&] {
        for (std::string t; !(t = state.GetMessage(id)).empty();)
          texts.push_back(t);
        return texts.size() >= count;
      },
      60000);
  return texts;
}

// Half messages and stuck outboxes are given up after half a second.
class NetHostile : public ::testing::Test {
 protected:
  void SetUp() override { NetworkTimeouts().stallMs = 500; }
  void TearDown() override { NetworkTimeouts() = NetTimeouts(); }
};

TEST_F(NetHostile, TheHostSurvivesACrowdOfBadPeersAndHonestMessagesAllArrive) {
  const uint16_t port = testing::FreePort();
  NetworkState host, ann, bob;
  ASSERT_TRUE(host.Host(port));
  ASSERT_TRUE(ann.Join("127.0.0.1", port));
  ASSERT_TRUE(bob.Join("127.0.0.1", port));
  const int32_t a = ann.CreatePlayer(std::string(kNetMaxNameLength, 'A'));
  const int32_t b = bob.CreatePlayer("Bob");
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);

  HostileCrowd crowd(port, a);
  constexpr int kMessages = 200;
  std::vector<std::string> expectedByBob, expectedByAnn;
  for (int i = 0; i < kMessages; ++i) {
    expectedByBob.push_back("from Ann " + std::to_string(i));
    expectedByAnn.push_back("from Bob " + std::to_string(i));
    ASSERT_TRUE(ann.SendMessage(a, b, expectedByBob.back()));
    ASSERT_TRUE(bob.SendMessage(b, a, expectedByAnn.back()));
  }
  EXPECT_EQ(Collect(bob, b, kMessages), expectedByBob);
  EXPECT_EQ(Collect(ann, a, kMessages), expectedByAnn);

  // Everything but the silent peers and the flooders that still read is dropped: the
  // garbage, the lies, the half messages and the flooders whose answers pile up.
  const auto& stats = host.Statistics();
  const size_t kept = 3 + kEachKind + kEachKind / 2;  // host, Ann, Bob, silent, senders
  EXPECT_TRUE(WaitUntil([&] { return stats.connections == kept; }, 60000))
      << stats.connections << " connections";
  EXPECT_GE(stats.droppedConnections, static_cast<size_t>(3 * kEachKind + kEachKind / 2));
  EXPECT_LE(stats.peakBufferedBytes, (kEachKind / 2 + 3) * kNetOutboxLimit);
  crowd.StopFlooding();

  // Still hosting: a newcomer is answered.
  NetworkState newcomer;
  ASSERT_TRUE(newcomer.Join("127.0.0.1", port));
  int32_t count = 0;
  EXPECT_TRUE(newcomer.PlayerCount(count));
  EXPECT_EQ(count, 2);
}

// A peer speaks only for its own players: a message in another player's name, or from
// a connection with no player, is not passed on, and the peer is dropped.
TEST_F(NetHostile, AMessageInAnotherPlayersNameDropsItsPeer) {
  const uint16_t port = testing::FreePort();
  NetworkState host, ann;
  ASSERT_TRUE(host.Host(port));
  ASSERT_TRUE(ann.Join("127.0.0.1", port));
  const int32_t a = ann.CreatePlayer("Ann");
  const int32_t b = ann.CreatePlayer("Bob");
  ASSERT_GT(a, 0);
  ASSERT_GT(b, 0);
  struct Forgery {
    bool registers;  // the forger has a player of its own
    int32_t sender, target, recipient;
  };
  for (const Forgery& forgery : {Forgery{true, a, kNetToEverybody, b}, Forgery{false, b, a, a}}) {
    const int forger = ConnectLoopback(port);
    if (forgery.registers) {
      ASSERT_GT(testing::RegisterPlayer(forger, "Eve"), 0);
    }
    const NetMessage forged{kNetGameMessage, forgery.target, forgery.sender, "forged"};
    ASSERT_TRUE(SendBytes(forger, EncodeNetMessage(forged)));
    EXPECT_TRUE(testing::WaitForClose(forger));
    testing::CloseRaw(forger);
    // Anything relayed before the close would arrive before this.
    ASSERT_TRUE(ann.SendMessage(forgery.sender, forgery.recipient, "honest"));
    EXPECT_EQ(Collect(ann, forgery.recipient, 1), std::vector<std::string>{"honest"});
  }
  EXPECT_EQ(host.Statistics().droppedConnections, 2u);
}

TEST_F(NetHostile, ConnectionsBeyondTheCapAreClosedAtOnce) {
  const uint16_t port = testing::FreePort();
  NetworkState host;
  ASSERT_TRUE(host.Host(port));
  std::vector<int> sockets;
  for (size_t i = 0; i < kNetMaxConnections + 20; ++i)
    sockets.push_back(ConnectLoopback(port));
  // Connections the listening queue could not take at once come with the system's
  // retries, seconds later on a busy machine.
  EXPECT_TRUE(WaitUntil([&] { return host.Statistics().droppedConnections >= 21; }, 60000));
  EXPECT_EQ(host.Statistics().connections, kNetMaxConnections);
  for (int s : sockets)
    testing::CloseRaw(s);
  // The host's own connection stays.
  EXPECT_TRUE(WaitUntil([&] { return host.Statistics().connections == 1; }, 60000));
}

}  // namespace
}  // namespace zentoir
