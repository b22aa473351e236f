#include "MidiFile.h"

#include <algorithm>
#include <fstream>

namespace pindrake_assets {

namespace {

void PutVariableLength(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  while (count-- > 0)
    out.push_back(static_cast<uint8_t>(groups[count] | (count > 0 ? 0x80 : 0)));
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint8_t DataByte(int value) {
  return static_cast<uint8_t>(std::clamp(value, 0, 127));
}

}  // namespace

void MidiTrack::Add(uint32_t tick, std::vector<uint8_t> message) {
  const bool noteEnd = (message[0] & 0xF0) == 0x80;
  events_.push_back({tick, noteEnd ? 0 : 1, std::move(message)});
}

void MidiTrack::Note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
  const uint8_t ch = static_cast<uint8_t>(channel & 0x0F);
  Add(tick, {static_cast<uint8_t>(0x90 | ch), DataByte(key), DataByte(std::max(1, velocity))});
  Add(tick + length, {static_cast<uint8_t>(0x80 | ch), DataByte(key), 64});
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
  Add(tick, {static_cast<uint8_t>(0xC0 | (channel & 0x0F)), DataByte(program)});
}

void MidiTrack::Controller(uint32_t tick, int channel, int controller, int value) {
  Add(tick, {static_cast<uint8_t>(0xB0 | (channel & 0x0F)), DataByte(controller), DataByte(value)});
}

void MidiTrack::Meta(uint32_t tick, uint8_t type, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> message{0xFF, type};
  PutVariableLength(message, static_cast<uint32_t>(data.size()));
  message.insert(message.end(), data.begin(), data.end());
  Add(tick, std::move(message));
}

std::vector<uint8_t> MidiTrack::Serialise(uint32_t endTick) const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> out;
  uint32_t now = 0;
  for (const Event& event : sorted) {
    const uint32_t tick = std::min(event.tick, endTick);
    PutVariableLength(out, tick - now);
    now = tick;
    out.insert(out.end(), event.message.begin(), event.message.end());
  }
  PutVariableLength(out, endTick - now);
  out.insert(out.end(), {0xFF, 0x2F, 0x00});
  return out;
}

bool WriteMidiFile(const std::string& path, uint16_t ticksPerQuarter,
                   const std::vector<MidiTrack>& tracks, uint32_t endTick) {
  std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
  PutBigEndian(out, 6, 4);
  PutBigEndian(out, 1, 2);  // format 1: simultaneous tracks
  PutBigEndian(out, static_cast<uint32_t>(tracks.size()), 2);
  PutBigEndian(out, ticksPerQuarter, 2);
  for (const MidiTrack& track : tracks) {
    const std::vector<uint8_t> body = track.Serialise(endTick);
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    PutBigEndian(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace pindrake_assets
