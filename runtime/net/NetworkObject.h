// The program's network object, behind the network commands.
#pragma once

namespace zentoir {

class NetworkState;

// Created at start-up (or by the first command), closed at shutdown after a leave
// message for each local player.
NetworkState& Network();
void CreateNetworkObject();

}  // namespace zentoir
