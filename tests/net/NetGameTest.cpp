#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "NetTestSupport.h"
#include "net/NetCommands.h"
#include "net/NetLimits.h"
#include "net/NetMessage.h"
#include "net/NetworkObject.h"
#include "net/NetworkState.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::FreePort;
using testing::WaitUntil;

class NetGame : public ::testing::Test {
 protected:
  void TearDown() override {
    Network().Stop();
    NetworkTimeouts() = NetTimeouts();
  }
};

// Waits for the next text in a player's inbox.
std::string NextMessage(NetworkState& state, int32_t id) {
  std::string text;
  WaitUntil([&] { return !(text = state.GetMessage(id)).empty(); }, 20000);
  return text;
}

TEST_F(NetGame, IdsBroadcastsAndQueriesThroughTheHost) {
  const uint16_t port = FreePort();
  ASSERT_EQ(NetHost(DynString(static_cast<double>(port))), 1);
  EXPECT_EQ(NetCreatePlayer("Ann"), "101");
  EXPECT_EQ(NetCreatePlayer("Cid"), "102");
  NetworkState client;
  ASSERT_TRUE(client.Join("", port));  // an empty host: this machine
  const int32_t bob = client.CreatePlayer("Bob");
  const int32_t ghost = client.CreatePlayer("");
  ASSERT_GT(bob, 102);
  ASSERT_GT(ghost, bob);

  ASSERT_EQ(NetSendMessage("101", "0", "hello all"), 1);
  EXPECT_EQ(NextMessage(client, bob), "hello all");
  EXPECT_TRUE(WaitUntil([] { return NetGetMessage("102") == "hello all"; }));
  EXPECT_EQ(NetLastSender(), "101");
  // A targeted message of the greatest length; its reply comes back to the sender only.
  const std::string longest(kNetMaxPayload, 'x');
  EXPECT_FALSE(client.SendMessage(bob, 101, longest + "x"));
  ASSERT_TRUE(client.SendMessage(bob, 101, longest));
  EXPECT_TRUE(
      WaitUntil([&] { return NetGetMessage("101") == DynString(std::string_view(longest)); }));
  EXPECT_EQ(NetLastSender(), DynString(static_cast<double>(bob)));
  // No copy for the sender, the anonymous player or the other player, and none twice:
  // the host relays each connection's messages in order, so a stray copy would come
  // before these.
  const DynString bobText(static_cast<double>(bob)), ghostText(static_cast<double>(ghost));
  for (const DynString& to : {DynString("101"), DynString("102"), bobText, ghostText})
    ASSERT_EQ(NetSendMessage("101", to, "end"), 1);
  ASSERT_TRUE(client.SendMessage(bob, 101, "end"));
  EXPECT_EQ(NextMessage(Network(), 101), "end");
  EXPECT_EQ(NextMessage(Network(), 101), "end");
  EXPECT_EQ(NextMessage(Network(), 102), "end");
  EXPECT_EQ(NextMessage(client, bob), "end");
  EXPECT_EQ(NextMessage(client, ghost), "end");

  EXPECT_EQ(NetPlayerCount(), 3);  // Ann, Cid, Bob: anonymous players are not counted
  EXPECT_EQ(NetPlayerIdAt(0), "101");
  EXPECT_EQ(NetPlayerIdAt(2), DynString(static_cast<double>(bob)));
  EXPECT_EQ(NetPlayerIdAt(3), "0");  // the host knows no fourth named player
  EXPECT_EQ(NetPlayerName(DynString(static_cast<double>(bob))), "Bob");
  NetworkTimeouts().replyWaitMs = 200;  // no answer comes for an unknown id, however long
  EXPECT_EQ(NetPlayerName("999"), "NO_DATA");
}

TEST_F(NetGame, CommandsWithoutAGameFailAtOnce) {
  EXPECT_EQ(NetCreatePlayer("Ann"), "-1");
  EXPECT_EQ(NetSendMessage("101", "0", "hi"), 0);
  EXPECT_EQ(NetPlayerCount(), 0);
  EXPECT_EQ(NetPlayerIdAt(0), "-1");
  EXPECT_EQ(NetPlayerName("101"), "NO_DATA");
  EXPECT_EQ(NetJoin("127.0.0.1", DynString(static_cast<double>(FreePort()))), 0);
  EXPECT_EQ(NetHost("70000"), 0);
  EXPECT_FALSE(NetLocalAddresses().IsEmpty());
}

// A peer that stops reading for a while (a long frame, a debugger) keeps its place, and
// everything sent to it meanwhile arrives once it reads again.
TEST_F(NetGame, APeerThatPausesReadingGetsEveryMessage) {
  const uint16_t port = FreePort();
  NetworkState host, sender;
  ASSERT_TRUE(host.Host(port));
  ASSERT_TRUE(sender.Join("127.0.0.1", port));
  const int32_t from = sender.CreatePlayer("Sam");
  ASSERT_GT(from, 0);
  const int reader = testing::ConnectLoopback(port, 4096);  // the host's outbox holds the rest
  const int32_t id = testing::RegisterPlayer(reader, "Pia");
  ASSERT_GT(id, 0);
  constexpr int kMessages = 4000;
  std::vector<std::string> sent, received;
  for (int i = 0; i < kMessages; ++i) {
    sent.push_back(std::to_string(i) + std::string(200, '.'));
    ASSERT_TRUE(sender.SendMessage(from, id, sent.back()));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  for (NetMessage message; received.size() < sent.size() && testing::ReadMessage(reader, message);)
    received.push_back(message.payload);
  testing::CloseRaw(reader);
  ASSERT_EQ(received.size(), sent.size());
  EXPECT_TRUE(received == sent) << "the messages came changed or out of order";
  EXPECT_EQ(host.Statistics().droppedConnections, 0u);
}

}  // namespace
}  // namespace zentoir
