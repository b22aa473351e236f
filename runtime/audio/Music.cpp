#include "audio/Music.h"
#include "audio/MusicTrack.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "audio/AudioFiles.h"
#include "audio/AudioState.h"
#include "audio/MidiLength.h"
#include "audio/SoundDevice.h"
#include "base/ErrorLog.h"
#include "base/RuntimeClock.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

constexpr size_t kMaxMidiFileBytes = size_t{16} << 20;
constexpr int kMusicFullVolume = 1000;  // the volume scale of SetMusicVolume

bool MixerOpen() {
  const SoundDevice* device = Audio().device.get();
  return device != nullptr && device->MixerOpen();
}

// Plays the track from its start: once when its length is known (the runtime loops
// it), else looping in the mixer.
void StartTrack(MusicTrack& track) {
  Mix_HaltMusic();
  Mix_PlayMusic(track.music, track.lengthMs < 0 ? -1 : 0);
}

// The next restart, counted from the moment the track started playing.
void SetLoopTime(const MusicTrack& track, double startMs) {
  Audio().musicLoopTime =
      track.lengthMs < 0 ? 0 : startMs + std::max(track.lengthMs, kMinimumMusicLoopMs);
}

// Where a tune "name.mid" cannot be played (a web page has no MIDI synthesizer), it is
// played from "name.ogg", rendered from it when the game was built, with the tune's own
// length where that is known.
std::string ResolveRenderedTune(const DynString& path) {
  const std::string_view name = path.View();
  const size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return "";
  std::string extension(name.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  if (extension != ".mid" && extension != ".midi") return "";
  const std::string rendered = std::string(name.substr(0, dot)) + ".ogg";
  return ResolveAudioFile(DynString(rendered.c_str()), AudioFileKind::Music);
}

// The file as music; null when there is none, it is too large or the mixer refuses it.
Mix_Music* LoadMusicFile(const std::string& file) {
  if (file.empty()) return nullptr;
  if (!RegularFileWithin(file, kMaxMusicFileBytes)) {
    AppendErrorLog(DynString(("Music file too large: " + file).c_str()));
    return nullptr;
  }
  return Mix_LoadMUS(file.c_str());
}

// Replaces the current tune by the file, not yet playing; null when it cannot be used.
MusicTrack* OpenTrack(const DynString& path) {
  StopMusic();
  std::string file = ResolveAudioFile(path, AudioFileKind::Music);
  if (!MixerOpen()) return nullptr;
  Mix_Music* music = LoadMusicFile(file);
  double lengthMs = file.empty() ? -1 : MusicFileLengthMs(file, music);
  if (music == nullptr) {
    // Resolving the rendering drops the extracted tune: its length was taken first.
    file = ResolveRenderedTune(path);
    music = LoadMusicFile(file);
    if (music == nullptr) return nullptr;
    if (lengthMs < 0) lengthMs = MusicFileLengthMs(file, music);
  }
  AudioState& audio = Audio();
  audio.music.reset(new MusicTrack{music, file, lengthMs});
  MusicTrack* track = audio.music.get();
  audio.musicVolume = 1.0;
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
  AudioState& audio = Audio();
  audio.musicVolume = -1;
  audio.musicLoopTime = 0;
  if (audio.music == nullptr) return;
  Mix_HaltMusic();
  Mix_FreeMusic(audio.music->music);
  audio.music.reset();
}

void SetMusicVolume(double volume) {
  AudioState& audio = Audio();
  if (volume == audio.musicVolume) return;
  audio.musicVolume = volume;
  if (audio.music != nullptr) Mix_VolumeMusic(MixerMusicVolume(volume));
}

void RestartMusic() {
  MusicTrack* track = Audio().music.get();
  if (track == nullptr) return;
  StartTrack(*track);
  SetLoopTime(*track, MusicClockMs());
}

void RestartMusicAt(double nowMs) {
  MusicTrack* track = Audio().music.get();
  if (track == nullptr) return;
  StartTrack(*track);
  SetLoopTime(*track, nowMs);
}

void MusicLoopCheck() {
  MusicLoopCheckAt(MusicClockMs());
}

void MusicLoopCheckAt(double nowMs) {
  const double loopTime = Audio().musicLoopTime;
  if (loopTime > 0 && nowMs >= loopTime) RestartMusicAt(nowMs);
}

}  // namespace zentoir
