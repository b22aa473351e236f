#include "audio/SoundLevels.h"

#include <algorithm>
#include <cmath>

#include "text/NumberText.h"

namespace zentoir {

namespace {

// Clamps into low … high; NaN counts as `fallback`.
double ClampNumber(double value, double low, double high, double fallback) {
  if (std::isnan(value)) return fallback;
  return std::clamp(value, low, high);
}

}  // namespace

int VolumeToHundredthsDb(double volume) {
  const double percent = ClampNumber(volume * 100.0, 0.0, 100.0, 0.0);
  return TruncateToInt32(percent) * 100 + kSilentHundredthsDb;
}

int PanToHundredthsDb(double pan) {
  return TruncateToInt32(ClampNumber(pan, -1.0, 1.0, 0.0) * 10000.0);
}

double HundredthsDbToLinear(int hundredthsDb) {
  if (hundredthsDb <= kSilentHundredthsDb) return 0.0;
  return std::pow(10.0, std::min(hundredthsDb, 0) / 2000.0);
}

int MixerVolume(int hundredthsDb) {
  return static_cast<int>(std::lround(HundredthsDbToLinear(hundredthsDb) * kMixerMaxVolume));
}

void MixerPanLevels(int panHundredthsDb, uint8_t& left, uint8_t& right) {
  const double quiet = HundredthsDbToLinear(-std::abs(panHundredthsDb));
  const auto level = static_cast<uint8_t>(std::lround(quiet * kMixerMaxPan));
  left = panHundredthsDb > 0 ? level : kMixerMaxPan;
  right = panHundredthsDb < 0 ? level : kMixerMaxPan;
}

}  // namespace zentoir
