#include "net/NetCommands.h"

#include <memory>
#include <string>

#include "base/Shutdown.h"
#include "net/NetLimits.h"
#include "net/NetworkObject.h"
#include "net/NetworkState.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

std::unique_ptr<NetworkState> network;

void CloseNetworkObject() {
  if (!network) return;
  network->Close();
  network.reset();
}

std::string Bytes(const DynString& text) {
  return std::string(text.View());
}

DynString Text(const std::string& bytes) {
  return DynString(std::string_view(bytes));
}

int32_t IdOf(const DynString& text) {
  return TruncateToInt32(TextToNumber(text));
}

// 0 when the port is outside 1 … 65535 (after 0 or less became the default port).
uint16_t PortOf(const DynString& text) {
  const int64_t port = TruncateToInt64(TextToNumber(text));
  if (port <= 0) return kNetDefaultPort;
  return port > 65535 ? 0 : static_cast<uint16_t>(port);
}

}  // namespace

NetworkState& Network() {
  if (!network) {
    network = std::make_unique<NetworkState>();
    AddShutdownStep(ShutdownStage::Network, CloseNetworkObject);
  }
  return *network;
}

void CreateNetworkObject() {
  Network();
}

double NetHost(const DynString& port) {
  const uint16_t number = PortOf(port);
  return number != 0 && Network().Host(number) ? 1 : 0;
}

double NetJoin(const DynString& host, const DynString& port) {
  const uint16_t number = PortOf(port);
  return number != 0 && Network().Join(Bytes(host), number) ? 1 : 0;
}

DynString NetCreatePlayer(const DynString& name) {
  return NumberToText(Network().CreatePlayer(Bytes(name)));
}

double NetRemovePlayer(const DynString& id) {
  Network().RemovePlayer(IdOf(id));
  return 1;
}

double NetSendMessage(const DynString& from, const DynString& to, const DynString& text) {
  return Network().SendMessage(IdOf(from), IdOf(to), Bytes(text)) ? 1 : 0;
}

DynString NetGetMessage(const DynString& id) {
  return Text(Network().GetMessage(IdOf(id)));
}

DynString NetLastSender() {
  return NumberToText(Network().LastSender());
}

double NetPlayerCount() {
  int32_t count = 0;
  return Network().PlayerCount(count) ? count : 0;
}

DynString NetPlayerIdAt(double index) {
  int32_t id = -1;
  if (!Network().PlayerIdAt(TruncateToInt32(index), id)) id = -1;
  return NumberToText(id);
}

DynString NetPlayerName(const DynString& id) {
  std::string name;
  if (!Network().PlayerName(IdOf(id), name)) return "NO_DATA";
  return Text(name);
}

DynString NetLocalAddresses() {
  return Text(Network().LocalAddressList());
}

}  // namespace zentoir
