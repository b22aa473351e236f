// A player's registration on the wire: the 152 bytes of the player record that travel
// as the payload of a register message.
#pragma once

#include <cstddef>
#include <string>

namespace zentoir {

// Names keep at most this many bytes (the record holds 128 with the terminator).
constexpr size_t kNetMaxNameLength = 127;

// The register payload of a player with that name and anonymous flag.
std::string EncodePlayerRecord(bool anonymous, const std::string& name);

// Reads the flag and the name back; false when the payload is not a player record.
bool DecodePlayerRecord(const std::string& payload, bool& anonymous, std::string& name);

// The bytes before the first zero byte (all of them when there is none).
std::string TextUpToZero(const std::string& bytes);

}  // namespace zentoir
