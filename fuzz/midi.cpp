// The playing time of MIDI files: -1 for what is not a MIDI file, else a finite length.
#include <cmath>
#include <cstdlib>

#include "audio/MidiLength.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const double length = zentoir::MidiLengthMs(std::span(data, size));
  if (length != -1 && !(length >= 0 && std::isfinite(length))) std::abort();
  return 0;
}
