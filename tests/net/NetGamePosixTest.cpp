// The network between whole programs: helper programs, and a runtime in a child
// process of the test, which POSIX systems start by fork.
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
#include "net/NetMessage.h"
#include "support/TempDir.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::FreePort;
using testing::WaitUntil;

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
TEST(NetPrograms, TwoProgramsPlayAGame) {
  const uint16_t port = FreePort();
  PeerProgram host("host", port);
  PeerProgram joining("join", port);
  EXPECT_EQ(joining.ExitCode(), 0);
  EXPECT_EQ(host.ExitCode(), 0);
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
    thread_.join();
    testing::CloseRaw(listener_);
  }
  // Waits for the peer to close; then the messages can be read.
  const std::vector<NetMessage>& Finish() {
    thread_.join();
    thread_ = std::thread([] {});
    return received_;
  }

 private:
  void Serve() {
    const int peer = testing::AcceptConnection(listener_);
    if (peer < 0) return;
    testing::SetReceiveTimeout(peer, 10);
    NetMessageReader reader;
    int32_t nextId = 101;
    uint8_t byte = 0;
    size_t used = 0;
    while (testing::ReceiveRaw(peer, &byte, 1) == 1) {
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
    testing::CloseRaw(peer);
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
TEST(NetPrograms, TheProgramsEndSaysGoodbyeForEachPlayer) {
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
