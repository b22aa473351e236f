// Music: one tune at a time, looped by the runtime itself from its measured length.
#pragma once

#include <cstdint>
#include <string>

#include "text/DynString.h"

typedef struct _Mix_Music Mix_Music;

namespace zentoir {

// The shortest loop: a tune shorter than this restarts after this many milliseconds.
constexpr double kMinimumMusicLoopMs = 500;

// Music files larger than this are not played (an error-log line says so): some
// decoders read the whole file into memory before the first note.
constexpr int64_t kMaxMusicFileBytes = int64_t{128} << 20;

// The tune being played.
class MusicTrack {
 public:
  Mix_Music* music = nullptr;
  std::string path;
  double lengthMs = -1;  // −1: unknown, the mixer loops the tune by itself
};

// Starts a tune (MIDI, or any format the mixer plays) from the beginning at full
// volume, replacing the current one. A missing or unplayable file gives silence.
void PlayMusic(const DynString& path);

// Stops and closes the current tune.
void StopMusic();

// Sets the music volume 0 … 1; PlayMusic sets full volume again.
void SetMusicVolume(double volume);

// Plays the current tune again from the start and sets the next loop time.
void RestartMusic();

// The per-frame loop check (frame loop and pause loop): restarts the tune once the
// clock reaches musicLoopTime.
void MusicLoopCheck();

// The milliseconds the music timing is measured in (the runtime's frame clock).
double MusicClockMs();

// PlayMusic with the clock it reads once the tune has started.
using MusicClock = double (*)();
void PlayMusicTimedBy(const DynString& path, MusicClock clock);

// The same operations at a given clock value, for callers that already hold it.
void PlayMusicAt(const DynString& path, double nowMs);
void RestartMusicAt(double nowMs);
void MusicLoopCheckAt(double nowMs);

// The playing time of a music file in milliseconds: measured from the file for MIDI,
// else as the mixer reports it; −1 when unknown.
double MusicFileLengthMs(const std::string& path, Mix_Music* music);

}  // namespace zentoir
