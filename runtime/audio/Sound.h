// Sound effect commands over the sound slots.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Loads a WAV file into a slot (above 127 means 127, negative is refused) with 1 … 4
// buffers, so that the sound can overlap itself that many times. 1 loaded, else 0 and
// the slot is left empty.
double LoadSound(const DynString& path, double slot, double buffers);

// Plays a slot once with pan −1 … 1 and volume 0 … 1. Returns the channel identifier
// 256 × slot + buffer, or −1 when nothing was played.
double PlaySound(double slot, double pan, double volume);

// 1 while the buffer named by a channel identifier plays, else 0.
double SoundPlaying(double channel);

// Stops every buffer of slots 0 … 127; the next play starts from the beginning.
void StopAllSounds();

}  // namespace zentoir
