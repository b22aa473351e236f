// The audio subsystem's own state: the sound device with its slots and the tune being
// played. Created by InitSoundDevice and PlayMusic, released at shutdown.
#pragma once

#include <memory>

#include "audio/MusicTrack.h"
#include "audio/SoundDevice.h"

namespace zentoir {

struct AudioState {
  std::unique_ptr<SoundDevice> device;
  std::unique_ptr<SoundSlot[]> slots;  // kSoundSlotCount of them while the device lives
  // The tune being played (none when silent), the clock value at which it is restarted
  // (0 = no looping) and the last volume set (−1 = unknown).
  std::unique_ptr<MusicTrack> music;
  double musicLoopTime = 0;
  double musicVolume = -1;
};

AudioState& Audio();

}  // namespace zentoir
