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
void StartTrack(MusicTrack& track, double nowMs) {
  RuntimeContext& runtime = Runtime();
  Mix_HaltMusic();
  if (track.lengthMs < 0) {
    runtime.musicLoopTime = 0;
    Mix_PlayMusic(track.music, -1);
    return;
  }
  runtime.musicLoopTime = nowMs + std::max(track.lengthMs, kMinimumMusicLoopMs);
  Mix_PlayMusic(track.music, 0);
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
  PlayMusicAt(path, MusicClockMs());
}

void PlayMusicAt(const DynString& path, double nowMs) {
  StopMusic();
  const std::string file = ResolveAudioFile(path, AudioFileKind::Music);
  if (file.empty() || !MixerOpen()) return;
  if (!RegularFileWithin(file, kMaxMusicFileBytes)) {
    AppendErrorLog(DynString(("Music file too large: " + file).c_str()));
    return;
  }
  Mix_Music* music = Mix_LoadMUS(file.c_str());
  if (music == nullptr) return;
  auto* track = new MusicTrack{music, file, MusicFileLengthMs(file, music)};
  RuntimeContext& runtime = Runtime();
  runtime.musicWindow = track;
  runtime.musicVolume = 1.0;
  Mix_VolumeMusic(MIX_MAX_VOLUME);
  StartTrack(*track, nowMs);
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
  RestartMusicAt(MusicClockMs());
}

void RestartMusicAt(double nowMs) {
  MusicTrack* track = Runtime().musicWindow;
  if (track != nullptr) StartTrack(*track, nowMs);
}

void MusicLoopCheck() {
  MusicLoopCheckAt(MusicClockMs());
}

void MusicLoopCheckAt(double nowMs) {
  const double loopTime = Runtime().musicLoopTime;
  if (loopTime > 0 && nowMs >= loopTime) RestartMusicAt(nowMs);
}

}  // namespace zentoir
