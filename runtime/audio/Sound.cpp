#include "audio/Sound.h"

#include <SDL_mixer.h>

#include <algorithm>

#include "audio/AudioFiles.h"
#include "audio/AudioState.h"
#include "audio/MixerFormat.h"
#include "audio/SoundBuffers.h"
#include "audio/SoundDevice.h"
#include "audio/SoundLevels.h"
#include "audio/WaveFile.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

// The slot a command addresses: truncated, at most 127; −1 for a negative number or
// before the slots exist.
int CommandSlot(double slot) {
  const int32_t index = TruncateToInt32(slot);
  if (index < 0 || Audio().slots == nullptr) return -1;
  return std::min(index, kLastCommandSlot);
}

bool SlotCanPlay(const SoundSlot& slot) {
  return slot.device != nullptr && slot.device->MixerOpen() && slot.bufferCount > 0 &&
         slot.chunk != nullptr;
}

// Turns a WAV file into the slot's sound; false when it cannot be read or played.
bool LoadSlotSound(SoundSlot& slot, const std::string& file) {
  WaveSound wave;
  if (file.empty() || !ReadWaveFile(file, wave)) return false;
  slot.samples = ConvertToMixerFormat(wave);
  if (slot.samples.empty()) return false;
  slot.chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(slot.samples.data()),
                                 static_cast<Uint32>(slot.samples.size() * sizeof(int16_t)));
  return slot.chunk != nullptr;
}

}  // namespace

double LoadSound(const DynString& path, double slot, double buffers) {
  const int index = CommandSlot(slot);
  if (index < 0) return 0;
  const std::string file = ResolveAudioFile(path, AudioFileKind::Sound);
  SoundSlot& target = Audio().slots[index];
  ReleaseSlotBuffers(target, index);
  target.device = Audio().device.get();
  if (target.device == nullptr || !target.device->MixerOpen()) return 0;
  if (!LoadSlotSound(target, file)) {
    ReleaseSlotBuffers(target, index);
    return 0;
  }
  target.bufferCount = std::clamp(TruncateToInt32(buffers), 1, kMaxSoundBuffers);
  return 1;
}

int PickFreeBuffer(int slot) {
  SoundSlot& target = Audio().slots[slot];
  int buffer = target.nextBuffer;
  if (Mix_Playing(MixerChannel(slot, buffer)) == 0) return buffer;
  if (target.bufferCount < 2) return -1;
  buffer = (buffer + 1) % target.bufferCount;
  target.nextBuffer = buffer;
  Mix_HaltChannel(MixerChannel(slot, buffer));  // the oldest copy is cut off
  return buffer;
}

double PlaySound(double slot, double pan, double volume) {
  const int index = CommandSlot(slot);
  if (index < 0 || !SlotCanPlay(Audio().slots[index])) return -1;
  const int buffer = PickFreeBuffer(index);
  if (buffer < 0) return -1;
  const int channel = MixerChannel(index, buffer);
  Mix_Volume(channel, MixerVolume(VolumeToHundredthsDb(volume)));
  uint8_t left = 0;
  uint8_t right = 0;
  MixerPanLevels(PanToHundredthsDb(pan), left, right);
  Mix_SetPanning(channel, left, right);
  if (Mix_PlayChannel(channel, Audio().slots[index].chunk, 0) < 0) return -1;
  return 256.0 * index + buffer;
}

double SoundPlaying(double channel) {
  const int32_t id = TruncateToInt32(channel);
  if (id < 0 || Audio().slots == nullptr) return 0;
  const int slot = id >> 8;
  const int buffer = id & 0xFF;
  if (slot >= kSoundSlotCount) return 0;
  const SoundSlot& target = Audio().slots[slot];
  if (buffer >= target.bufferCount || !SlotCanPlay(target)) return 0;
  return Mix_Playing(MixerChannel(slot, buffer)) != 0 ? 1 : 0;
}

void StopAllSounds() {
  SoundSlot* slots = Audio().slots.get();
  if (slots == nullptr) return;
  for (int index = 0; index <= kLastCommandSlot; ++index) {
    if (!SlotCanPlay(slots[index])) continue;
    for (int buffer = 0; buffer < slots[index].bufferCount; ++buffer) {
      Mix_HaltChannel(MixerChannel(index, buffer));
    }
  }
}

}  // namespace zentoir
