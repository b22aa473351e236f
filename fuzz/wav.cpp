// WAV files from memory: a parsed sound holds only whole frames of a format the mixer
// takes.
#include <cstdlib>

#include "audio/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentoir::WaveSound sound;
  if (!zentoir::ParseWave(std::span(data, size), sound)) return 0;
  if (sound.FrameBytes() == 0 || sound.samples.size() % sound.FrameBytes() != 0) std::abort();
  if (sound.samples.size() > size) std::abort();
  return 0;
}
