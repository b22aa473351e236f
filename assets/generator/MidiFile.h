// Standard MIDI files (format 1): tracks of timed events, written with variable-length
// delta times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pindrake_assets {

class MidiTrack {
 public:
  void Add(uint32_t tick, std::vector<uint8_t> message);
  void Note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
  void Program(uint32_t tick, int channel, int program);
  void Controller(uint32_t tick, int channel, int controller, int value);
  void Meta(uint32_t tick, uint8_t type, const std::vector<uint8_t>& data);

  // The track chunk's contents: events in time order (at equal times a note ends before
  // the next one starts), then the end-of-track event at `endTick`.
  std::vector<uint8_t> Serialise(uint32_t endTick) const;

 private:
  struct Event {
    uint32_t tick;
    int order;  // 0 for note ends, 1 for everything else
    std::vector<uint8_t> message;
  };
  std::vector<Event> events_;
};

bool WriteMidiFile(const std::string& path, uint16_t ticksPerQuarter,
                   const std::vector<MidiTrack>& tracks, uint32_t endTick);

}  // namespace pindrake_assets
