// The playing time of a standard MIDI file, worked out from the file itself.
#pragma once

#include <cstdint>
#include <span>

namespace zentoir {

// Milliseconds from the start to the last event of the longest track, following the
// tempo changes of every track (120 beats per minute until the first one). Frame-based
// (SMPTE) time divisions are honoured. A track cut short or garbled ends at its last
// readable event; −1 when the data do not start with a MIDI header.
double MidiLengthMs(std::span<const uint8_t> file);

}  // namespace zentoir
