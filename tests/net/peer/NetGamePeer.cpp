// One side of a network game between two programs, for the network tests:
//   net_game_peer host PORT   hosts, answers the joining player and watches one leave
//   net_game_peer join PORT   joins with two players, greets everybody, lets one leave
// Exit code 0 when its side went as expected; otherwise the number of the step that
// failed, with a line on standard error.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "net/NetCommands.h"
#include "net/NetworkObject.h"
#include "net/NetworkState.h"

namespace zentoir {
namespace {

constexpr int kLimitMs = 30000;  // for each step; a busy machine may be slow

bool WaitUntil(const std::function<bool()>& condition) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLimitMs);
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// The next text for the player, empty when none came in time.
std::string NextMessage(const DynString& id) {
  std::string text;
  WaitUntil([&] { return !(text = std::string(NetGetMessage(id).View())).empty(); });
  return text;
}

int Fail(int step, const char* what) {
  std::fprintf(stderr, "net_game_peer: step %d: %s\n", step, what);
  Network().Close();
  return step;
}

// The host's player answers the first player that writes to it, then waits for the
// other player of that program to leave and, after a farewell, for the program to go.
int Host(const DynString& port) {
  if (NetHost(port) != 1) return Fail(1, "NetHost failed");
  const DynString self = NetCreatePlayer("Hosting");
  if (self == "-1") return Fail(2, "no id for the host's player");
  if (NextMessage(self) != "hello host") return Fail(3, "no greeting");
  const DynString joiner = NetLastSender();
  if (NetSendMessage(self, joiner, "hello joiner") != 1) return Fail(4, "answer not sent");
  if (!WaitUntil([] { return NetPlayerCount() == 2; })) return Fail(5, "nobody left");
  if (NetSendMessage(self, joiner, "goodbye") != 1) return Fail(6, "farewell not sent");
  if (!WaitUntil([] { return NetPlayerCount() == 1; })) return Fail(7, "the joiner stayed");
  Network().Close();
  return 0;
}

int Join(const DynString& port) {
  if (!WaitUntil([&] { return NetJoin("127.0.0.1", port) == 1; })) return Fail(1, "no host");
  const DynString self = NetCreatePlayer("Joining");
  const DynString leaver = NetCreatePlayer("Leaving");
  if (self == "-1" || leaver == "-1") return Fail(2, "no ids");
  // The host's player may come after ours.
  if (!WaitUntil([] { return NetPlayerCount() == 3; })) return Fail(3, "not three players");
  if (NetSendMessage(self, "0", "hello host") != 1) return Fail(4, "greeting not sent");
  if (NextMessage(self) != "hello joiner") return Fail(5, "no answer");
  const DynString answeredBy = NetLastSender();
  if (answeredBy == self || answeredBy == leaver) return Fail(6, "answered by ourselves");
  NetRemovePlayer(leaver);
  if (NextMessage(self) != "goodbye") return Fail(7, "no farewell");
  Network().Close();
  return 0;
}

}  // namespace
}  // namespace zentoir

int main(int argc, char** argv) {
  if (argc != 3) return 64;
  const zentoir::DynString port(argv[2]);
  if (std::strcmp(argv[1], "host") == 0) return zentoir::Host(port);
  if (std::strcmp(argv[1], "join") == 0) return zentoir::Join(port);
  return 64;
}
