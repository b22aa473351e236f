#include <gtest/gtest.h>

#include "AudioFiles.h"
#include "audio/MidiLength.h"

namespace zentoir {
namespace {

using testing::Bytes;
using testing::MakeMidi;

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts)
    out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes Tempo(uint32_t micros) {
  return {0xFF,
          0x51,
          0x03,
          static_cast<uint8_t>(micros >> 16),
          static_cast<uint8_t>(micros >> 8),
          static_cast<uint8_t>(micros)};
}

const Bytes kEndOfTrack = {0xFF, 0x2F, 0x00};

// One track at 96 ticks per quarter: 192 ticks at 120 bpm (1000 ms), then 96 ticks at
// twice the speed (250 ms) and a trailing rest of 48 ticks (125 ms) before its end.
Bytes SingleTrackTune() {
  return MakeMidi(96, {Join({{0x00},
                             Tempo(500000),
                             {0x00, 0x90, 0x3C, 0x64},
                             {0x81, 0x40, 0x3C, 0x00},  // running status: note off
                             {0x00},
                             Tempo(250000),
                             {0x60, 0x3E, 0x64},
                             {0x00, 0x80, 0x3E, 0x00},
                             {0x30},
                             kEndOfTrack})});
}

TEST(MidiLength, FollowsTempoChangesToTheEndOfTheTrack) {
  EXPECT_DOUBLE_EQ(MidiLengthMs(SingleTrackTune()), 1375.0);
}

TEST(MidiLength, TakesTheTempoMapFromOneTrackAndTheLengthFromTheLongest) {
  // Division 480. The conductor track: 600000 µs per quarter, from tick 480 on 333333.
  const Bytes conductor =
      Join({{0x00}, Tempo(600000), {0x83, 0x60}, Tempo(333333), {0x00}, kEndOfTrack});
  // The notes run to tick 1440, with a program change, channel pressure, a sysex and a
  // text event on the way.
  const Bytes notes = Join({{0x00, 0xC0, 0x05},
                            {0x00, 0x90, 0x40, 0x50},
                            {0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7},
                            {0x00, 0xFF, 0x01, 0x04, 'a', 'b', 'c', 'd'},
                            {0x87, 0x40, 0xD0, 0x20},        // tick 960
                            {0x83, 0x60, 0x80, 0x40, 0x00},  // tick 1440
                            {0x00},
                            kEndOfTrack});
  // 480 ticks at 600 ms per quarter, then 960 ticks at 333.333 ms per quarter.
  EXPECT_NEAR(MidiLengthMs(MakeMidi(480, {conductor, notes})), 600.0 + 666.666, 0.001);
}

TEST(MidiLength, TempoChangesFromLaterTracksCountToo) {
  const Bytes notes = Join({{0x00, 0x90, 0x40, 0x50},
                            {0x81, 0x00, 0x80, 0x40, 0x00},
                            {0x00},
                            kEndOfTrack});                                       // ends at tick 128
  const Bytes tempoTrack = Join({{0x40}, Tempo(1000000), {0x00}, kEndOfTrack});  // tick 64
  // 64 ticks at 500 ms per quarter (64 per quarter), then 64 ticks at 1000 ms.
  EXPECT_DOUBLE_EQ(MidiLengthMs(MakeMidi(64, {notes, tempoTrack})), 1500.0);
}

TEST(MidiLength, FrameBasedDivisionIgnoresTempo) {
  // 25 frames per second, 40 ticks per frame: one tick is one millisecond.
  const Bytes track = Join({{0x00}, Tempo(250000), {0x89, 0x52}, kEndOfTrack});  // tick 1234
  EXPECT_DOUBLE_EQ(MidiLengthMs(MakeMidi(0xE728, {track})), 1234.0);
}

TEST(MidiLength, ShortAndEmptyTunes) {
  EXPECT_DOUBLE_EQ(MidiLengthMs(MakeMidi(96, {Join({{0x00}, kEndOfTrack})})), 0.0);
  EXPECT_DOUBLE_EQ(MidiLengthMs(MakeMidi(96, {Join({{0x30}, kEndOfTrack})})), 250.0);
  EXPECT_DOUBLE_EQ(MidiLengthMs(MakeMidi(96, {})), 0.0);
}

TEST(MidiLength, NonMidiDataIsRefused) {
  EXPECT_EQ(MidiLengthMs(Bytes{}), -1);
  EXPECT_EQ(MidiLengthMs(Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 0, 0}), -1);
  Bytes lyingHeader = SingleTrackTune();
  lyingHeader[7] = 0xFF;  // header length beyond the file
  EXPECT_EQ(MidiLengthMs(lyingHeader), -1);
}

TEST(MidiLength, CorruptTracksEndAtTheirLastReadableEvent) {
  const Bytes whole = SingleTrackTune();
  // Every truncation gives a length between 0 and the whole tune's.
  for (size_t length = 14; length < whole.size(); ++length) {
    const double ms = MidiLengthMs(Bytes(whole.begin(), whole.begin() + length));
    EXPECT_GE(ms, 0.0) << "cut at " << length;
    EXPECT_LE(ms, 1375.0) << "cut at " << length;
  }
  // A data byte without a status before it ends the track at once.
  EXPECT_DOUBLE_EQ(MidiLengthMs(MakeMidi(96, {Join({{0x60, 0x3C, 0x64}, kEndOfTrack})})), 0.0);
  // A delta time of more than four bytes ends it as well.
  EXPECT_DOUBLE_EQ(
      MidiLengthMs(MakeMidi(
          96, {Join({{0x60, 0x90, 0x3C, 0x64}, {0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, kEndOfTrack})})),
      500.0);
  // A meta event that claims more bytes than the track holds.
  EXPECT_DOUBLE_EQ(
      MidiLengthMs(MakeMidi(96, {Join({{0x60, 0x90, 0x3C, 0x64}, {0x60, 0xFF, 0x01, 0x7F}})})),
      500.0);
}

}  // namespace
}  // namespace zentoir
