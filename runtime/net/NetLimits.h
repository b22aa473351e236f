// What a network game allows a peer, so that a broken or hostile one can neither crash
// the host, hang it nor make it grow without bound; and the waits, which tests shorten.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentoir {

// Connections the host keeps at once; later ones are accepted and closed at once.
constexpr size_t kNetMaxConnections = 256;
// Players one connection may register, and players the host keeps in all.
constexpr size_t kNetMaxPlayersPerConnection = 64;
constexpr size_t kNetMaxPlayers = 1024;
// Bytes waiting to be sent to one connection; a peer that lets more pile up is dropped.
// A peer may stop reading for as long as the stall limit (10 s) while a busy game goes
// on, so the outbox holds 10 s of such a game: 400 messages a second of the largest
// size (1041 bytes), or the 2,700 a second of a game that sends 4,000 in 1.5 s at up
// to 155 bytes each. All connections stalled at once could hold 1 GiB; one peer cannot.
constexpr size_t kNetOutboxLimit = 4 * 1024 * 1024;
// The system's send buffer of each connection (fixed, so that the bytes a peer can
// leave unread are bounded in the kernel too).
constexpr int kNetSendBuffer = 64 * 1024;
// Messages kept in one local player's inbox; newer ones are dropped while it is full.
constexpr size_t kNetInboxLimit = 4096;
// Replies kept for a waiting query.
constexpr size_t kNetReplyLimit = 16;
// Messages taken from the host's connection in one pass of the thread (each other
// connection gives at most one per pass, so a flood is read fairly).
constexpr size_t kNetClientReadsPerPass = 256;
// Texts the host's address list may hold.
constexpr size_t kNetAddressTextLimit = 4096 - 32;

constexpr uint16_t kNetDefaultPort = 26000;

struct NetTimeouts {
  int replyWaitMs = 5000;  // a query or a new player's id (250 checks, 20 ms apart)
  int connectMs = 15000;   // connecting to a host
  int writeMs = 5000;      // one write to the host that finds no room
  int stallMs = 10000;     // a half-read message or an outbox that does not move
};

// The waits in use; tests shorten them.
NetTimeouts& NetworkTimeouts();

}  // namespace zentoir
