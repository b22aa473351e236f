// Sounds and tune as their readers see them: the WAV layout the game's reader accepts,
// clean starts and ends, and a MIDI file whose chunks and events are consistent.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "GeneratedData.h"

namespace assets_test {
namespace {

uint32_t Little(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i)
    value = (value << 8) | b[at + i];
  return value;
}

uint32_t Big(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = 0; i < bytes; ++i)
    value = (value << 8) | b[at + i];
  return value;
}

int16_t Sample(const std::vector<uint8_t>& b, size_t index) {
  return static_cast<int16_t>(Little(b, 44 + 2 * index, 2));
}

TEST(Sounds, WavFilesHaveThePlainLayoutAndCleanEnds) {
  for (const char* name : {"button.wav", "Platz.wav", "deng.wav"}) {
    const std::vector<uint8_t> w = ReadWholeFile(GeneratedDataDir() + name);
    ASSERT_GE(w.size(), 44u) << name;
    EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
    EXPECT_EQ(Little(w, 4, 4), w.size() - 8);
    EXPECT_EQ(std::string(w.begin() + 8, w.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Little(w, 16, 4), 16u) << "the game's reader wants a 16-byte fmt chunk";
    EXPECT_EQ(Little(w, 20, 2), 1u);  // PCM
    const uint32_t channels = Little(w, 22, 2);
    EXPECT_TRUE(channels == 1 || channels == 2);
    EXPECT_EQ(Little(w, 24, 4), 22050u);
    EXPECT_EQ(Little(w, 32, 2), 2 * channels);
    EXPECT_EQ(Little(w, 28, 4), 22050u * 2 * channels);
    EXPECT_EQ(Little(w, 34, 2), 16u);
    EXPECT_EQ(std::string(w.begin() + 36, w.begin() + 40), "data");
    const uint32_t bytes = Little(w, 40, 4);
    ASSERT_EQ(bytes, w.size() - 44) << name;
    const size_t count = bytes / 2;
    const double seconds = static_cast<double>(count) / channels / 22050;
    EXPECT_GT(seconds, 0.03) << name;
    EXPECT_LT(seconds, 2.0) << name;
    EXPECT_LT(std::abs(Sample(w, 0)), 300) << name << " starts with a click";
    EXPECT_LT(std::abs(Sample(w, count - 1)), 300) << name << " ends with a click";
    int peak = 0;
    for (size_t i = 0; i < count; ++i)
      peak = std::max(peak, std::abs(int{Sample(w, i)}));
    EXPECT_GT(peak, 8000) << name << " is too quiet";
    EXPECT_LT(peak, 32767) << name << " clips";
  }
}

// A reader of standard MIDI files written independently of the generator's writer.
struct MidiSummary {
  int format = -1, trackCount = 0, division = 0;
  double seconds = 0;
  std::set<int> programs;
  int drumNotes = 0, hangingNotes = 0;
  bool wellFormed = true;
};

uint32_t VariableLength(const std::vector<uint8_t>& b, size_t& at, size_t end) {
  uint32_t value = 0;
  for (int i = 0; i < 4 && at < end; ++i) {
    const uint8_t byte = b[at++];
    value = (value << 7) | (byte & 0x7F);
    if (!(byte & 0x80)) return value;
  }
  return value;
}

MidiSummary ReadMidi(const std::vector<uint8_t>& b) {
  MidiSummary s;
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || Big(b, 4, 4) != 6) {
    s.wellFormed = false;
    return s;
  }
  s.format = static_cast<int>(Big(b, 8, 2));
  s.trackCount = static_cast<int>(Big(b, 10, 2));
  s.division = static_cast<int>(Big(b, 12, 2));
  std::map<uint32_t, uint32_t> tempoAt{{0, 500000}};
  uint32_t lastTick = 0;
  size_t at = 14;
  for (int track = 0; track < s.trackCount; ++track) {
    if (at + 8 > b.size() || std::string(b.begin() + at, b.begin() + at + 4) != "MTrk") {
      s.wellFormed = false;
      return s;
    }
    const size_t end = at + 8 + Big(b, at + 4, 4);
    if (end > b.size()) {
      s.wellFormed = false;
      return s;
    }
    at += 8;
    uint32_t tick = 0;
    uint8_t status = 0;
    bool ended = false;
    std::map<int, int> sounding;
    while (at < end && !ended) {
      tick += VariableLength(b, at, end);
      if (b[at] & 0x80) status = b[at++];
      if (status == 0xFF) {
        const uint8_t type = b[at++];
        const uint32_t length = VariableLength(b, at, end);
        if (type == 0x51) tempoAt[tick] = Big(b, at, 3);
        ended = type == 0x2F;
        at += length;
      } else if (status == 0xF0 || status == 0xF7) {
        at += VariableLength(b, at, end);
      } else {
        const int kind = status & 0xF0, channel = status & 0x0F;
        const int key = b[at], velocity = kind == 0xC0 || kind == 0xD0 ? 0 : b[at + 1];
        at += kind == 0xC0 || kind == 0xD0 ? 1 : 2;
        if (kind == 0xC0) s.programs.insert(key);
        if (kind == 0x90 && velocity > 0) {
          ++sounding[channel * 128 + key];
          s.drumNotes += channel == 9;
        } else if (kind == 0x80 || kind == 0x90) {
          --sounding[channel * 128 + key];
        }
      }
    }
    s.wellFormed = s.wellFormed && ended && at == end;
    for (const auto& [note, count] : sounding)
      s.hangingNotes += count != 0;
    lastTick = std::max(lastTick, tick);
  }
  s.wellFormed = s.wellFormed && at == b.size();
  // Sum the time of each stretch between tempo changes up to the last event.
  double micros = 0;
  for (auto it = tempoAt.begin(); it != tempoAt.end() && it->first < lastTick; ++it) {
    const auto next = std::next(it);
    const uint32_t until = next == tempoAt.end() ? lastTick : std::min(next->first, lastTick);
    micros += static_cast<double>(until - it->first) * it->second / s.division;
  }
  s.seconds = micros / 1e6;
  return s;
}

TEST(Tune, IsAWellFormedMinuteForSeveralInstruments) {
  const MidiSummary tune = ReadMidi(ReadWholeFile(GeneratedDataDir() + "ikona.mid"));
  ASSERT_TRUE(tune.wellFormed);
  EXPECT_EQ(tune.format, 1);
  EXPECT_GE(tune.trackCount, 4);
  EXPECT_GT(tune.division, 0);
  EXPECT_GT(tune.seconds, 50);
  EXPECT_LT(tune.seconds, 75);
  EXPECT_GE(tune.programs.size(), 3u);
  EXPECT_GT(tune.drumNotes, 100);
  EXPECT_EQ(tune.hangingNotes, 0) << "every note must end";
}

TEST(Tune, ReaderRejectsATruncatedFile) {
  std::vector<uint8_t> tune = ReadWholeFile(GeneratedDataDir() + "ikona.mid");
  ASSERT_GT(tune.size(), 100u);
  tune.resize(tune.size() - 10);
  EXPECT_FALSE(ReadMidi(tune).wellFormed);
}

}  // namespace
}  // namespace assets_test
