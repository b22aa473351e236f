// Music: one tune at a time, looped by the runtime itself from its measured length.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Starts a tune (MIDI, or any format the mixer plays) from the beginning at full
// volume, replacing the current one. A missing or unplayable file gives silence.
void PlayMusic(const DynString& path);

// Stops and closes the current tune.
void StopMusic();

// Sets the music volume 0 … 1; PlayMusic sets full volume again.
void SetMusicVolume(double volume);

// Plays the current tune again from the start and sets the next loop time.
void RestartMusic();

}  // namespace zentoir
