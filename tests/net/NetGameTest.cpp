#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "NetTestSupport.h"
#include "core/RuntimeChild.h"
#include "net/NetCommands.h"
#include "net/NetLimits.h"
#include "net/NetMessage.h"
#include "net/NetworkObject.h"
#include "net/NetworkState.h"
#include "support/TempDir.h"
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

// One of the helper programs; killed, if it still runs, when the test is over.
class PeerProgram {
 public:
  PeerProgram(const char* role, uint16_t port) {
    const std::string portText = std::to_string(port);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
      // Ends with the test, even one killed by a time limit.
      if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(127);
      execl(NET_GAME_PEER, NET_GAME_PEER, role, portText.c_str(), nullptr);
      _exit(127);
    }
  }
  ~PeerProgram() {
    if (pid_ <= 0 || status_ != -1) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  // The exit code, -1 when it did not end in time (or ended otherwise).
  int ExitCode(int limitMs = 60000) {
    if (pid_ <= 0) return -1;
    WaitUntil([&] { return status_ != -1 || waitpid(pid_, &status_, WNOHANG) == pid_; }, limitMs);
    return status_ != -1 && WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
  }

 private:
  pid_t pid_ = -1;
  int status_ = -1;
};

// Two programs: one hosts, the other joins with two players; messages go both ways, and
// the host sees one of the joining program's players leave.
TEST_F(NetGame, TwoProgramsPlayAGame) {
  const uint16_t port = FreePort();
  PeerProgram host("host", port);
  PeerProgram joining("join", port);
  EXPECT_EQ(joining.ExitCode(), 0);
  EXPECT_EQ(host.ExitCode(), 0);
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
  close(reader);
  ASSERT_EQ(received.size(), sent.size());
  EXPECT_TRUE(received == sent) << "the messages came changed or out of order";
  EXPECT_EQ(host.Statistics().droppedConnections, 0u);
}

// A host written by hand: gives ids from 101, answers "is the host there", and keeps
// every message it reads until the peer closes.
class RecordingHost {
 public:
  explicit RecordingHost(uint16_t port) {
    uint16_t bound = 0;
    listener_ = testing::ListenLoopback(port, bound);
    thread_ = std::thread([this] { Serve(); });
  }
  ~RecordingHost() {
    shutdown(listener_, SHUT_RDWR);
    thread_.join();
    close(listener_);
  }
  // Waits for the peer to close; then the messages can be read.
  const std::vector<NetMessage>& Finish() {
    thread_.join();
    thread_ = std::thread([] {});
    return received_;
  }

 private:
  void Serve() {
    const int peer = accept(listener_, nullptr, nullptr);
    if (peer < 0) return;
    timeval wait{10, 0};
    setsockopt(peer, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    NetMessageReader reader;
    int32_t nextId = 101;
    uint8_t byte = 0;
    size_t used = 0;
    while (recv(peer, &byte, 1, 0) == 1) {
      if (reader.Feed(&byte, 1, used) != NetMessageReader::State::Complete) continue;
      NetMessage message = reader.Take();
      received_.push_back(message);
      NetMessage answer;
      answer.type = message.type;
      answer.target = message.sender;
      if (message.type == kNetRegisterPlayer) {
        answer.type = kNetIdAssigned;
        answer.target = nextId++;
      } else if (message.type == kNetQueryHost) {
        answer.payload = Int32Payload(1);
      } else {
        continue;
      }
      testing::SendBytes(peer, EncodeNetMessage(answer));
    }
    close(peer);
  }

  int listener_;
  std::thread thread_;
  std::vector<NetMessage> received_;
};

std::vector<int32_t> LeavingIds(const std::vector<NetMessage>& received) {
  std::vector<int32_t> leaving;
  for (const NetMessage& message : received)
    if (message.type == kNetPlayerLeaves && message.target == kNetToHost)
      leaving.push_back(message.sender);
  return leaving;
}

// The whole program: the runtime starts, joins, and its end says goodbye for each player.
TEST_F(NetGame, TheProgramsEndSaysGoodbyeForEachPlayer) {
  testing::ScopedTempDir tmp;
  const uint16_t port = FreePort();
  RecordingHost host(port);
  GTEST_FLAG_SET(death_test_style, "fast");  // the child must reach this host's socket
  EXPECT_EXIT(
      {
        testing::StartRuntime();
        NetJoin("", DynString(static_cast<double>(port)));
        NetCreatePlayer("Bob");  // 102: 101 is the program's own query player
        EndProgram();
      },
      ::testing::ExitedWithCode(0), "Init OK");
  EXPECT_EQ(LeavingIds(host.Finish()), (std::vector<int32_t>{101, 102}));
}

}  // namespace
}  // namespace zentoir
