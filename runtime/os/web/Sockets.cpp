// A web page has no TCP sockets: nothing listens or connects, so the network commands
// answer with the failures they give when the network is down.
#include "os/Sockets.h"

namespace zentoir::os {

int ListenOnPort(uint16_t) {
  return kNoSocket;
}

uint16_t LocalPort(int) {
  return 0;
}

int ConnectToHost(const std::string&, uint16_t, int) {
  return kNoSocket;
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
