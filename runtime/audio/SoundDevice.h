// The sound device and its table of sound slots. Sound effects play on mixer
// channels: each slot owns four channels, one per buffer, and its buffers play the
// slot's one copy of the sound.
#pragma once

#include <cstdint>
#include <vector>

struct Mix_Chunk;

namespace zentoir {

constexpr int kSoundSlotCount = 256;
constexpr int kLastCommandSlot = 127;  // commands use slots 0 … 127
constexpr int kMaxSoundBuffers = 4;
constexpr int kMixerBufferFrames = 1024;

// The one sound device. Without an open mixer every command stays silent.
class SoundDevice {
 public:
  explicit SoundDevice(bool mixerOpen) : mixerOpen_(mixerOpen) {}
  bool MixerOpen() const { return mixerOpen_; }

 private:
  bool mixerOpen_;
};

struct SoundSlot {
  int32_t bufferCount = 0;  // buffers in use, 0 … 4 (0 = empty slot)
  int32_t nextBuffer = 0;   // the buffer the next play tries first
  SoundDevice* device = nullptr;
  Mix_Chunk* chunk = nullptr;    // the sound, played by every buffer of the slot
  std::vector<int16_t> samples;  // the chunk's data in the mixer's format
};

// Creates the sound device and the 256 empty slots and opens the mixer at 22050 Hz,
// 16-bit stereo; registers their release with the shutdown steps. Returns 1 when the
// mixer is open; otherwise writes one line to the error log, returns 0 and the sound
// commands do nothing. A second call while the device exists only reports its state.
double InitSoundDevice();

// The mixer channel that plays a buffer of a slot.
inline int MixerChannel(int slot, int buffer) {
  return slot * kMaxSoundBuffers + buffer;
}

// Stops every buffer of the slot, frees its sound and empties it.
void ReleaseSlotBuffers(SoundSlot& slot, int slotIndex);

}  // namespace zentoir
