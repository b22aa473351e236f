#include "audio/SoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <fstream>
#include <memory>

#include "audio/AudioState.h"
#include "audio/MixerFormat.h"
#include "audio/Music.h"
#include "base/ErrorLog.h"
#include "base/Shutdown.h"

namespace zentoir {
namespace {

constexpr const char* kGeneralMidiSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// MIDI music plays through the synthesizer with the General MIDI sound font, unless
// the environment names other sound fonts.
void ChooseSoundFont() {
  if (SDL_getenv("SDL_SOUNDFONTS") != nullptr) return;
  if (std::ifstream(kGeneralMidiSoundFont)) Mix_SetSoundFonts(kGeneralMidiSoundFont);
}

bool OpenMixer() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  Mix_Init(MIX_INIT_MID);
  ChooseSoundFont();
  // No changes allowed: the device converts, so every sound is kept in one format.
  if (Mix_OpenAudioDevice(kMixerRate, AUDIO_S16SYS, kMixerChannels, kMixerBufferFrames, nullptr,
                          0) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(kSoundSlotCount * kMaxSoundBuffers);
  return true;
}

// Shutdown: the slots are destroyed in reverse order, then the device is closed.
void ReleaseSoundDevice() {
  AudioState& audio = Audio();
  if (audio.slots != nullptr) {
    for (int index = kSoundSlotCount - 1; index >= 0; --index) {
      ReleaseSlotBuffers(audio.slots[index], index);
    }
    audio.slots.reset();
  }
  if (audio.device != nullptr) {
    if (audio.device->MixerOpen()) {
      Mix_CloseAudio();
      Mix_Quit();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    audio.device.reset();
  }
}

}  // namespace

double InitSoundDevice() {
  AudioState& audio = Audio();
  if (audio.device != nullptr) return audio.device->MixerOpen() ? 1 : 0;
  audio.slots = std::make_unique<SoundSlot[]>(kSoundSlotCount);
  AddShutdownStep(ShutdownStage::Music, StopMusic);
  AddShutdownStep(ShutdownStage::Sound, ReleaseSoundDevice);
  audio.device = std::make_unique<SoundDevice>(OpenMixer());
  if (!audio.device->MixerOpen()) {
    AppendErrorLog(DynString("Sound device could not be opened: ") + SDL_GetError());
    return 0;
  }
  return 1;
}

void ReleaseSlotBuffers(SoundSlot& slot, int slotIndex) {
  if (slot.chunk != nullptr) {
    for (int buffer = 0; buffer < kMaxSoundBuffers; ++buffer) {
      Mix_HaltChannel(MixerChannel(slotIndex, buffer));
    }
    Mix_FreeChunk(slot.chunk);
    slot.chunk = nullptr;
  }
  slot.samples = {};
  slot.bufferCount = 0;
  slot.nextBuffer = 0;
}

}  // namespace zentoir
