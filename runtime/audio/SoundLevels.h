// Volume and pan of sound effects. Commands take a volume 0 … 1 and a pan −1 … 1;
// the device works in hundredths of a decibel (0 = full, −10000 = silent), which
// become the mixer's linear levels.
#pragma once

#include <cstdint>

namespace zentoir {

constexpr int kSilentHundredthsDb = -10000;
constexpr int kMixerMaxVolume = 128;  // the mixer's full channel volume
constexpr int kMixerMaxPan = 255;     // the mixer's full level of one side

// Volume 0 … 1 (clamped) in whole percent, as attenuation: 1 → 0, 0.5 → −5000, 0 → −10000.
int VolumeToHundredthsDb(double volume);

// Pan −1 … 1 (clamped): −1 → −10000 (right side silent), 1 → 10000 (left side silent).
int PanToHundredthsDb(double pan);

// The linear amplitude factor of an attenuation: 10^(hundredths / 2000); 0 for −10000.
double HundredthsDbToLinear(int hundredthsDb);

// The mixer channel volume 0 … 128 for an attenuation.
int MixerVolume(int hundredthsDb);

// The mixer's left and right levels 0 … 255 for a pan: the side away from the pan is
// attenuated by the pan's amount, the other side stays full.
void MixerPanLevels(int panHundredthsDb, uint8_t& left, uint8_t& right);

}  // namespace zentoir
