// The network game commands. Ids travel as texts; a port text of 0 or less means 26000.
#pragma once

#include "text/DynString.h"

namespace zentoir {

class NetworkState;

double NetHost(const DynString& port);
double NetJoin(const DynString& host, const DynString& port);
DynString NetCreatePlayer(const DynString& name);  // the id, "-1" on failure
double NetRemovePlayer(const DynString& id);       // 1
double NetSendMessage(const DynString& from, const DynString& to,
                      const DynString& text);  // to "0": everybody
DynString NetGetMessage(const DynString& id);  // empty when none
DynString NetLastSender();
double NetPlayerCount();                       // 0 without an answer
DynString NetPlayerIdAt(double index);         // "-1" without an answer
DynString NetPlayerName(const DynString& id);  // "NO_DATA" without an answer
DynString NetLocalAddresses();                 // joined with "|"

// The program's network object: created at start-up (or by the first command),
// closed at shutdown after a leave message for each local player.
NetworkState& Network();
void CreateNetworkObject();

}  // namespace zentoir
