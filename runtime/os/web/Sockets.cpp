// A web page has no TCP sockets: nothing listens or connects, so the network commands
// answer with the failures they give when the network is down, and the console says why
// once.
#include "os/Sockets.h"

#include <emscripten.h>

namespace zentoir::os {
namespace {

int NoSocket() {
  static bool told = false;
  if (!told) emscripten_log(EM_LOG_CONSOLE | EM_LOG_WARN, "A web page has no network games");
  told = true;
  return kNoSocket;
}

}  // namespace

int ListenOnPort(uint16_t) {
  return NoSocket();
}

uint16_t LocalPort(int) {
  return 0;
}

int ConnectToHost(const std::string&, uint16_t, int) {
  return NoSocket();
}

AcceptResult AcceptPending(int, int& connection, int) {
  connection = kNoSocket;
  return AcceptResult::Failed;
}

void CloseSocket(int) {}

IoResult ReceiveSome(int, void*, size_t) {
  return {IoStatus::Failed, 0};
}

IoResult SendSome(int, const void*, size_t) {
  return {IoStatus::Failed, 0};
}

bool WaitWritable(int, int) {
  return false;
}

bool WaitReadable(const std::vector<int>& sockets, int, std::vector<bool>& readable) {
  readable.assign(sockets.size(), false);
  return false;
}

std::vector<std::string> LocalAddresses() {
  return {};
}

}  // namespace zentoir::os
