// The network game commands. Ids travel as texts; a port text of 0 or less means 26000.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Hosts a game on the port and joins it; 1 hosting, else 0.
double NetHost(const DynString& port);
// Joins the game hosted on the host (empty: this machine) and port; 1 joined, else 0.
double NetJoin(const DynString& host, const DynString& port);
// Registers a local player under the name: its id, "-1" on failure.
DynString NetCreatePlayer(const DynString& name);
// Removes a local player; 1.
double NetRemovePlayer(const DynString& id);
// Sends the text from one player to another ("0": every named player but the sender);
// 1 sent, else 0. Texts over 1024 bytes are refused. "Sent" means handed to the host:
// the host relays without confirming, so a text for a player that is gone, or whose
// program was dropped, is lost without a word.
double NetSendMessage(const DynString& from, const DynString& to, const DynString& text);
// The oldest message in the local player's inbox; empty when there is none.
DynString NetGetMessage(const DynString& id);
// The id of the sender of the message NetGetMessage took last.
DynString NetLastSender();
// The number of players in the game; 0 without an answer.
double NetPlayerCount();
// The id of the player at the index; "-1" without an answer.
DynString NetPlayerIdAt(double index);
// The name of the player; "NO_DATA" without an answer.
DynString NetPlayerName(const DynString& id);
// This machine's addresses, joined with "|".
DynString NetLocalAddresses();

}  // namespace zentoir
