// The title tune: a short piece in C major composed here by rule (chord progression,
// melody drawn from the chords, bass, arpeggio, strings and drums) and written as a
// standard MIDI file. It lasts exactly 32 bars at 128 beats per minute (one minute) and
// ends on the dominant, so it flows back into its own beginning when it loops.
#pragma once

#include <string>

namespace pindrake_assets {

constexpr int kTuneBars = 32;
constexpr int kTuneBeatsPerMinute = 128;

bool WriteTitleTune(const std::string& path);

}  // namespace pindrake_assets
