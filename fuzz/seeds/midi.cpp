// Two-track files of the asset generator's MIDI writer (with tempo changes, one with a
// frame-based time division) and a track with running status, a system-exclusive event
// and no end-of-track event, built here.
#include <fstream>

#include "MidiFile.h"
#include "SeedCorpus.h"

namespace {

using pindrake_assets::MidiTrack;

std::vector<MidiTrack> Tracks() {
  std::vector<MidiTrack> tracks(2);
  tracks[0].Meta(0, 0x51, {0x07, 0xA1, 0x20});  // 500000 µs a beat
  tracks[0].Meta(192, 0x51, {0x03, 0xD0, 0x90});
  tracks[1].Program(0, 0, 5);
  tracks[1].Note(0, 96, 0, 60, 100);
  tracks[1].Controller(96, 0, 7, 90);
  tracks[1].Note(120, 200, 0, 64, 90);
  return tracks;
}

std::vector<uint8_t> RunningStatusTrack() {
  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 48};
  const std::vector<uint8_t> events = {
      0x00, 0x90, 60,   100,                                       // note on
      0x30, 62,   100,                                             // running status
      0x81, 0x00, 0x80, 60,   0,                                   // two-byte delta time
      0x10, 0xF0, 0x03, 0x7E, 0x7F, 0xF7,                          // system exclusive
      0x20, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x40, 0xC0, 0x10,  // program change: one data byte
  };
  file.insert(file.end(), {'M', 'T', 'r', 'k', 0, 0, 0, uint8_t(events.size())});
  file.insert(file.end(), events.begin(), events.end());
  return file;
}

}  // namespace

FUZZ_SEEDS(midi) {
  pindrake_assets::WriteMidiFile(seeds.NextPath(), 96, Tracks(), 400);
  pindrake_assets::WriteMidiFile(seeds.NextPath(), 0xE728, Tracks(), 400);  // 25 fps × 40
  seeds.Add(RunningStatusTrack());
}
