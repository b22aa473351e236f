#include "audio/Music.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <vector>

#include "audio/AudioFiles.h"
#include "audio/MidiLength.h"
#include "audio/SoundDevice.h"
#include "core/ErrorLog.h"
#include "core/FrameLoop.h"
#include "core/RuntimeContext.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

constexpr size_t kMaxMidiFileBytes = size_t{16} << 20;
constexpr int kMusicFullVolume = 1000;  // the volume scale of SetMusicVolume

bool MixerOpen() {
  const SoundDevice* device = Runtime().soundDevice;
  return device != nullptr && device->mixerOpen;
}

// Plays the track from its start: once when its length is known (the runtime loops
// it), else looping in the mixer.
void StartTrack(MusicTrack& track) {
  Mix_HaltMusic();
  Mix_PlayMusic(track.music, track.lengthMs < 0 ? -1 : 0);
}

// The next restart, counted from the moment the track started playing.
void SetLoopTime(const MusicTrack& track, double startMs) {
  Runtime().musicLoopTime =
      track.lengthMs < 0 ? 0 : startMs + std::max(track.lengthMs, kMinimumMusicLoopMs);
}

// Replaces the current tune by the file, not yet playing; null when it cannot be used.
MusicTrack* OpenTrack(const DynString& path) {
  StopMusic();
  const std::string file = ResolveAudioFile(path, AudioFileKind::Music);
  if (file.empty() || !MixerOpen()) return nullptr;
  if (!RegularFileWithin(file, kMaxMusicFileBytes)) {
    AppendErrorLog(DynString(("Music file too large: " + file).c_str()));
    return nullptr;
  }
  Mix_Music* music = Mix_LoadMUS(file.c_str());
  if (music == nullptr) return nullptr;
  auto* track = new MusicTrack{music, file, MusicFileLengthMs(file, music)};
  RuntimeContext& runtime = Runtime();
  runtime.musicWindow = track;
  runtime.musicVolume = 1.0;
  Mix_VolumeMusic(MIX_MAX_VOLUME);
  return track;
}

int MixerMusicVolume(double volume) {
  const int scaled = std::clamp(TruncateToInt32(volume * kMusicFullVolume), 0, kMusicFullVolume);
  return (scaled * MIX_MAX_VOLUME + kMusicFullVolume / 2) / kMusicFullVolume;
}

}  // namespace

double MusicClockMs() {
  return GetTimeMs();
}

double MusicFileLengthMs(const std::string& path, Mix_Music* music) {
  std::vector<uint8_t> bytes;
  if (ReadAudioFile(path, kMaxMidiFileBytes, bytes)) {
    const double midiMs = MidiLengthMs(bytes);
    if (midiMs >= 0) return midiMs;
  }
  const double seconds = music != nullptr ? Mix_MusicDuration(music) : -1;
  return seconds > 0 ? seconds * 1000.0 : -1;
}

void PlayMusic(const DynString& path) {
  PlayMusicTimedBy(path, MusicClockMs);
}

// The clock is read once the tune plays: opening and measuring the file can take a
// good part of a second, which would otherwise cut the first loop short.
void PlayMusicTimedBy(const DynString& path, MusicClock clock) {
  MusicTrack* track = OpenTrack(path);
  if (track == nullptr) return;
  StartTrack(*track);
  SetLoopTime(*track, clock());
}

void PlayMusicAt(const DynString& path, double nowMs) {
  MusicTrack* track = OpenTrack(path);
  if (track == nullptr) return;
  StartTrack(*track);
  SetLoopTime(*track, nowMs);
}

void StopMusic() {
  RuntimeContext& runtime = Runtime();
  runtime.musicVolume = -1;
  runtime.musicLoopTime = 0;
  if (runtime.musicWindow == nullptr) return;
  Mix_HaltMusic();
  Mix_FreeMusic(runtime.musicWindow->music);
  delete runtime.musicWindow;
  runtime.musicWindow = nullptr;
}

void SetMusicVolume(double volume) {
  RuntimeContext& runtime = Runtime();
  if (volume == runtime.musicVolume) return;
  runtime.musicVolume = volume;
  if (runtime.musicWindow != nullptr) Mix_VolumeMusic(MixerMusicVolume(volume));
}

void RestartMusic() {
  MusicTrack* track = Runtime().musicWindow;
  if (track == nullptr) return;
  StartTrack(*track);
  SetLoopTime(*track, MusicClockMs());
}

void RestartMusicAt(double nowMs) {
  MusicTrack* track = Runtime().musicWindow;
  if (track == nullptr) return;
  StartTrack(*track);
  SetLoopTime(*track, nowMs);
}

void MusicLoopCheck() {
  MusicLoopCheckAt(MusicClockMs());
}

void MusicLoopCheckAt(double nowMs) {
  const double loopTime = Runtime().musicLoopTime;
  if (loopTime > 0 && nowMs >= loopTime) RestartMusicAt(nowMs);
}

}  // namespace zentoir
