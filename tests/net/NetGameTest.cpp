#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

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
  // Shorter than the default, so that a query nobody answers ends sooner; long enough for
  // a host thread that a busy machine keeps waiting.
  void SetUp() override { NetworkTimeouts().replyWaitMs = 3000; }
  void TearDown() override {
    Network().Stop();
    NetworkTimeouts() = NetTimeouts();
  }
};

// Waits for the next text in a player's inbox.
std::string NextMessage(NetworkState& state, int32_t id) {
  std::string text;
  WaitUntil([&] { return !(text = state.GetMessage(id)).empty(); }, 5000);
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
  // No copy for the sender, the anonymous player or the other player, and none twice.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(NetGetMessage("101"), "");
  EXPECT_EQ(NetGetMessage("102"), "");
  EXPECT_EQ(client.GetMessage(ghost), "");
  EXPECT_EQ(client.GetMessage(bob), "");

  EXPECT_EQ(NetPlayerCount(), 3);  // Ann, Cid, Bob: anonymous players are not counted
  EXPECT_EQ(NetPlayerIdAt(0), "101");
  EXPECT_EQ(NetPlayerIdAt(2), DynString(static_cast<double>(bob)));
  EXPECT_EQ(NetPlayerIdAt(3), "0");  // the host knows no fourth named player
  EXPECT_EQ(NetPlayerName(DynString(static_cast<double>(bob))), "Bob");
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

// The joining program runs in a child process; it greets everybody and waits for the
// host's answer.
int RunJoiningProgram(uint16_t port) {
  NetworkState state;
  if (!WaitUntil([&] { return state.Join("127.0.0.1", port); }, 10000)) return 2;
  const int32_t id = state.CreatePlayer("Kid");
  if (id < 0 || !state.SendMessage(id, 0, "hello from the child")) return 3;
  return NextMessage(state, id) == "welcome" ? 0 : 4;
}

TEST_F(NetGame, TwoProcessesExchangeMessages) {
  const uint16_t port = FreePort();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(RunJoiningProgram(port));
  NetworkState host;
  ASSERT_TRUE(host.Host(port));
  const int32_t parent = host.CreatePlayer("Parent");
  EXPECT_EQ(NextMessage(host, parent), "hello from the child");
  EXPECT_TRUE(host.SendMessage(parent, host.LastSender(), "welcome"));
  int status = -1;
  const bool ended = WaitUntil([&] { return waitpid(child, &status, WNOHANG) == child; }, 20000);
  if (!ended) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
  }
  ASSERT_TRUE(ended);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
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
