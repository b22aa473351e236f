#include "audio/MidiLength.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace zentoir {
namespace {

constexpr uint32_t kDefaultTempo = 500000;  // microseconds per quarter note
constexpr uint8_t kMetaEvent = 0xFF;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr uint8_t kSysex = 0xF0;
constexpr uint8_t kSysexContinuation = 0xF7;

struct TempoChange {
  uint64_t tick;
  uint32_t microsPerQuarter;
};

// A bounds-checked reader over one chunk.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  bool AtEnd() const { return at_ >= bytes_.size(); }
  std::optional<uint8_t> Byte() {
    if (AtEnd()) return std::nullopt;
    return bytes_[at_++];
  }
  std::optional<uint8_t> Peek() const {
    if (AtEnd()) return std::nullopt;
    return bytes_[at_];
  }
  // A variable-length quantity: at most four bytes of seven bits each.
  std::optional<uint32_t> Quantity() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const auto byte = Byte();
      if (!byte) return std::nullopt;
      value = (value << 7) | (*byte & 0x7Fu);
      if ((*byte & 0x80) == 0) return value;
    }
    return std::nullopt;
  }
  std::optional<std::span<const uint8_t>> Take(uint32_t count) {
    if (count > bytes_.size() - at_) return std::nullopt;
    const auto part = bytes_.subspan(at_, count);
    at_ += count;
    return part;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

uint32_t Read32(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

// Data bytes that follow a channel status byte.
int ChannelDataBytes(uint8_t status) {
  const uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Walks one track; returns the tick of its last readable event and adds its tempo
// changes.
uint64_t ScanTrack(std::span<const uint8_t> track, std::vector<TempoChange>& tempos) {
  ByteReader reader(track);
  uint64_t tick = 0;
  uint64_t lastEventTick = 0;
  uint8_t runningStatus = 0;
  while (!reader.AtEnd()) {
    const auto delta = reader.Quantity();
    const auto next = reader.Peek();
    if (!delta || !next) break;
    tick += *delta;
    uint8_t status = *next;
    if (status >= 0x80) {
      reader.Byte();
    } else if (runningStatus != 0) {
      status = runningStatus;  // the data byte belongs to the previous status
    } else {
      break;
    }
    if (status == kMetaEvent) {
      const auto type = reader.Byte();
      const auto length = type ? reader.Quantity() : std::nullopt;
      const auto data = length ? reader.Take(*length) : std::nullopt;
      if (!data) break;
      lastEventTick = tick;
      if (*type == kMetaEndOfTrack) break;
      if (*type == kMetaTempo && data->size() == 3) {
        tempos.push_back(
            {tick, static_cast<uint32_t>(((*data)[0] << 16) | ((*data)[1] << 8) | (*data)[2])});
      }
    } else if (status == kSysex || status == kSysexContinuation) {
      const auto length = reader.Quantity();
      if (!length || !reader.Take(*length)) break;
      lastEventTick = tick;
    } else if (status < 0xF0) {
      if (!reader.Take(ChannelDataBytes(status))) break;
      runningStatus = status;
      lastEventTick = tick;
    } else {
      break;  // system messages other than sysex do not occur in files
    }
  }
  return lastEventTick;
}

// Milliseconds of `endTick` ticks of a tempo-based division, through the tempo map.
double TempoTicksToMs(uint64_t endTick, uint32_t ticksPerQuarter,
                      std::vector<TempoChange>& tempos) {
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  double micros = 0;
  uint64_t tick = 0;
  uint32_t tempo = kDefaultTempo;
  for (const TempoChange& change : tempos) {
    if (change.tick >= endTick) break;
    micros += static_cast<double>(change.tick - tick) * tempo / ticksPerQuarter;
    tick = change.tick;
    tempo = change.microsPerQuarter;
  }
  micros += static_cast<double>(endTick - tick) * tempo / ticksPerQuarter;
  return micros / 1000.0;
}

// Milliseconds per tick of a frame-based division: high byte minus the frames per
// second (−29 stands for 29.97), low byte the ticks per frame.
double FrameTickMs(uint16_t division) {
  const int framesCode = -static_cast<int8_t>(division >> 8);
  const double framesPerSecond = framesCode == 29 ? 30000.0 / 1001.0 : framesCode;
  const int ticksPerFrame = division & 0xFF;
  if (framesPerSecond <= 0 || ticksPerFrame == 0) return 0;
  return 1000.0 / (framesPerSecond * ticksPerFrame);
}

}  // namespace

double MidiLengthMs(std::span<const uint8_t> file) {
  constexpr size_t kHeaderBytes = 14;
  if (file.size() < kHeaderBytes || std::memcmp(file.data(), "MThd", 4) != 0) return -1;
  const uint32_t headerLength = Read32(&file[4]);
  if (headerLength < 6 || headerLength > file.size() - 8) return -1;
  const uint16_t division = static_cast<uint16_t>((file[12] << 8) | file[13]);

  std::vector<TempoChange> tempos;
  uint64_t endTick = 0;
  size_t offset = 8 + static_cast<size_t>(headerLength);
  while (file.size() - offset >= 8) {
    const uint8_t* chunk = &file[offset];
    const size_t available = file.size() - offset - 8;
    const size_t length = std::min<size_t>(Read32(chunk + 4), available);
    if (std::memcmp(chunk, "MTrk", 4) == 0) {
      endTick = std::max(endTick, ScanTrack(file.subspan(offset + 8, length), tempos));
    }
    offset += 8 + length;
  }

  if (division & 0x8000) return static_cast<double>(endTick) * FrameTickMs(division);
  if (division == 0) return 0;
  return TempoTicksToMs(endTick, division, tempos);
}

}  // namespace zentoir
