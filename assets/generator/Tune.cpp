#include "Tune.h"

#include <array>
#include <vector>

#include "MidiFile.h"
#include "Noise.h"

namespace pindrake_assets {

namespace {

constexpr uint32_t kQuarter = 480;
constexpr uint32_t kEighth = kQuarter / 2;
constexpr uint32_t kBar = 4 * kQuarter;

// General MIDI programs and channels of the parts.
enum Channel { kMelody = 0, kStrings = 1, kArpeggio = 2, kBass = 3, kDrums = 9 };
constexpr int kFlute = 73, kVibraphone = 11, kStringEnsemble = 48, kMarimba = 12;
constexpr int kFingeredBass = 33;
enum Drum {
  kKick = 36,
  kSideStick = 37,
  kSnare = 38,
  kClosedHat = 42,
  kOpenHat = 46,
  kCrash = 49,
  kLowTom = 45,
  kLowMidTom = 47,
  kHighMidTom = 48,
  kHighFloorTom = 43
};

struct Chord {
  int root;  // MIDI key in the octave above middle C (60..71)
  bool minor;
  std::array<int, 3> PitchClasses() const {
    return {root % 12, (root + (minor ? 3 : 4)) % 12, (root + 7) % 12};
  }
};

constexpr Chord C{60, false}, Dm{62, true}, Em{64, true}, F{65, false}, G{67, false}, Am{69, true};
using Phrase = std::array<Chord, 8>;
constexpr Phrase kVerse{C, Am, F, G, C, Am, Dm, G};
constexpr Phrase kBridge{F, G, Em, Am, F, G, C, G};
// The form: verse, varied verse, bridge, verse.
constexpr std::array<const Phrase*, 4> kForm{&kVerse, &kVerse, &kBridge, &kVerse};

struct MelodyNote {
  int startEighth;  // within the bar
  int lengthEighths;
  int key;
};
using Bar = std::vector<MelodyNote>;

// Melody pitches are steps of the C major scale; step 7 is C5.
int KeyOfStep(int step) {
  static constexpr int kScale[7] = {0, 2, 4, 5, 7, 9, 11};
  return 60 + 12 * (step / 7) + kScale[step % 7];
}

bool IsChordTone(int step, const Chord& chord) {
  for (int pc : chord.PitchClasses()) {
    if (KeyOfStep(step) % 12 == pc) return true;
  }
  return false;
}

constexpr int kLowestStep = 7, kHighestStep = 15;  // C5 .. D6

int NearestChordTone(int step, const Chord& chord) {
  for (int distance = 0; distance < 7; ++distance) {
    for (int candidate : {step - distance, step + distance}) {
      if (candidate >= kLowestStep && candidate <= kHighestStep && IsChordTone(candidate, chord)) {
        return candidate;
      }
    }
  }
  return step;
}

// Rhythms of one bar in eighths; a negative length is a rest.
using Rhythm = std::vector<int>;
const std::vector<Rhythm> kRhythms{{2, 2, 2, 2},    {3, 1, 2, 2}, {2, 1, 1, 2, 2},
                                   {1, 1, 2, 2, 2}, {3, 1, 4},    {2, 2, 4}};
const Rhythm kHalfCadence{2, 2, 4};
const Rhythm kCadence{4, -4};

// Composes one melody bar over a chord: notes on beats one and three land on chord
// tones, the others move by a scale step, so the line is singable and fits the harmony.
Bar ComposeBar(const Rhythm& rhythm, const Chord& chord, int& step, Dice& dice) {
  Bar bar;
  int position = 0;
  for (int length : rhythm) {
    if (length < 0) {
      position -= length;
      continue;
    }
    if (position % 4 == 0) {
      step = NearestChordTone(step + dice.Below(5) - 2, chord);
    } else {
      int move = dice.Below(2) == 0 ? -1 : 1;
      if (step + move < kLowestStep || step + move > kHighestStep) move = -move;
      step += move;
    }
    bar.push_back({position, length, KeyOfStep(step)});
    position += length;
  }
  return bar;
}

// An eight-bar phrase whose fifth and sixth bars answer its first two.
std::vector<Bar> ComposePhrase(const Phrase& chords, uint32_t seed) {
  Dice dice(seed);
  std::vector<Rhythm> rhythms(8);
  rhythms[0] = kRhythms[dice.Below(static_cast<int>(kRhythms.size()))];
  rhythms[1] = kRhythms[dice.Below(static_cast<int>(kRhythms.size()))];
  rhythms[2] = rhythms[0];
  rhythms[3] = kHalfCadence;
  rhythms[4] = rhythms[0];
  rhythms[5] = rhythms[1];
  rhythms[6] = kRhythms[dice.Below(static_cast<int>(kRhythms.size()))];
  rhythms[7] = kCadence;
  std::vector<Bar> bars;
  int step = 9;  // E5
  for (int i = 0; i < 8; ++i) {
    if ((i == 4 || i == 5) && chords[i].root == chords[i - 4].root) {
      bars.push_back(bars[i - 4]);  // same harmony: repeat the opening motif
      continue;
    }
    bars.push_back(ComposeBar(rhythms[i], chords[i], step, dice));
  }
  return bars;
}

void WriteMelody(MidiTrack& track, const std::vector<std::vector<Bar>>& sections) {
  for (size_t section = 0; section < sections.size(); ++section) {
    const uint32_t sectionStart = static_cast<uint32_t>(section) * 8 * kBar;
    track.Program(sectionStart, kMelody, kForm[section] == &kBridge ? kVibraphone : kFlute);
    for (size_t b = 0; b < 8; ++b) {
      for (const MelodyNote& note : sections[section][b]) {
        const uint32_t start =
            sectionStart + static_cast<uint32_t>(b) * kBar + note.startEighth * kEighth;
        const int velocity = note.startEighth % 4 == 0 ? 92 : 78;
        track.Note(start, note.lengthEighths * kEighth - 30, kMelody, note.key, velocity);
      }
    }
  }
}

int InRange(int pitchClass, int low) {
  return low + ((pitchClass - low) % 12 + 12) % 12;
}

void WriteAccompaniment(MidiTrack& strings, MidiTrack& arpeggio, MidiTrack& bass) {
  for (int bar = 0; bar < kTuneBars; ++bar) {
    const Chord& chord = (*kForm[bar / 8])[bar % 8];
    const bool bridge = kForm[bar / 8] == &kBridge;
    const uint32_t start = static_cast<uint32_t>(bar) * kBar;
    for (int pc : chord.PitchClasses()) {
      strings.Note(start, kBar - 10, kStrings, InRange(pc, 53), bridge ? 62 : 50);
    }
    const auto pcs = chord.PitchClasses();
    const int root = InRange(pcs[0], 72), third = InRange(pcs[1], root),
              fifth = InRange(pcs[2], root);
    const int pattern[8] = {root, fifth, third, fifth, root + 12, fifth, third, fifth};
    for (int i = 0; i < 8; ++i) {
      arpeggio.Note(start + i * kEighth, kEighth - 20, kArpeggio, pattern[i], i % 2 == 0 ? 66 : 54);
    }
    const int low = InRange(pcs[0], 36);
    bass.Note(start, 3 * kEighth - 20, kBass, low, 96);
    bass.Note(start + 3 * kEighth, kEighth - 20, kBass, low, 80);
    bass.Note(start + 4 * kEighth, 2 * kEighth - 20, kBass, InRange(pcs[2], low), 88);
    bass.Note(start + 6 * kEighth, 2 * kEighth - 20, kBass, low + 12, 84);
  }
}

void WriteDrums(MidiTrack& drums) {
  for (int bar = 0; bar < kTuneBars; ++bar) {
    const uint32_t start = static_cast<uint32_t>(bar) * kBar;
    const bool firstVerse = bar < 8;
    const bool fillBar = bar % 8 == 7;
    if (bar % 8 == 0) drums.Note(start, kQuarter, kDrums, kCrash, firstVerse ? 70 : 96);
    for (int i = 0; i < 8; ++i) {
      const uint32_t at = start + i * kEighth;
      if (fillBar && i >= 6) continue;
      const int hat = (i == 7 && bar % 2 == 1) ? kOpenHat : kClosedHat;
      drums.Note(at, kEighth / 2, kDrums, hat, i % 2 == 0 ? 72 : 50);
    }
    drums.Note(start, kEighth, kDrums, kKick, 100);
    drums.Note(start + 4 * kEighth, kEighth, kDrums, kKick, 92);
    if (bar % 2 == 1) drums.Note(start + 5 * kEighth, kEighth, kDrums, kKick, 78);
    const int backbeat = firstVerse ? kSideStick : kSnare;
    drums.Note(start + 2 * kEighth, kEighth, kDrums, backbeat, 84);
    if (!fillBar) {
      drums.Note(start + 6 * kEighth, kEighth, kDrums, backbeat, 84);
      continue;
    }
    const int toms[4] = {kHighMidTom, kLowMidTom, kLowTom, kHighFloorTom};
    for (int i = 0; i < 4; ++i) {
      drums.Note(start + 6 * kEighth + i * (kEighth / 2), kEighth / 2, kDrums, toms[i], 80 + 4 * i);
    }
  }
}

void SetUpChannel(MidiTrack& track, int channel, int program, int volume, int pan) {
  if (program >= 0) track.Program(0, channel, program);
  track.Controller(0, channel, 7, volume);
  track.Controller(0, channel, 10, pan);
  track.Controller(0, channel, 91, 40);  // a little reverb
}

std::vector<uint8_t> Text(const char* text) {
  std::vector<uint8_t> bytes;
  for (const char* c = text; *c; ++c)
    bytes.push_back(static_cast<uint8_t>(*c));
  return bytes;
}

}  // namespace

bool WriteTitleTune(const std::string& path) {
  std::vector<MidiTrack> tracks(6);
  MidiTrack& conductor = tracks[0];
  conductor.Meta(0, 0x03, Text("Pindrake"));
  const uint32_t microsPerQuarter = 60000000 / kTuneBeatsPerMinute;
  conductor.Meta(
      0, 0x51,
      {static_cast<uint8_t>(microsPerQuarter >> 16), static_cast<uint8_t>(microsPerQuarter >> 8),
       static_cast<uint8_t>(microsPerQuarter)});
  conductor.Meta(0, 0x58, {4, 2, 24, 8});  // 4/4

  const char* names[] = {"Melody", "Strings", "Marimba", "Bass", "Drums"};
  for (int i = 0; i < 5; ++i)
    tracks[i + 1].Meta(0, 0x03, Text(names[i]));
  SetUpChannel(tracks[1], kMelody, -1, 100, 64);  // its program changes per section
  SetUpChannel(tracks[2], kStrings, kStringEnsemble, 72, 40);
  SetUpChannel(tracks[3], kArpeggio, kMarimba, 84, 88);
  SetUpChannel(tracks[4], kBass, kFingeredBass, 100, 64);
  SetUpChannel(tracks[5], kDrums, -1, 92, 64);

  const std::vector<Bar> verse = ComposePhrase(kVerse, 11);
  std::vector<Bar> variedVerse = verse;
  const std::vector<Bar> variation = ComposePhrase(kVerse, 12);
  variedVerse[6] = variation[6];
  variedVerse[7] = variation[7];
  WriteMelody(tracks[1], {verse, variedVerse, ComposePhrase(kBridge, 13), verse});
  WriteAccompaniment(tracks[2], tracks[3], tracks[4]);
  WriteDrums(tracks[5]);
  return WriteMidiFile(path, kQuarter, tracks, kTuneBars * kBar);
}

}  // namespace pindrake_assets
