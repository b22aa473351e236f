// The game's sound effects, synthesised at 22050 samples per second. Each one starts and
// ends in silence (short fades), so it never clicks when it starts or stops.
#pragma once

#include <vector>

namespace pindrake_assets {

std::vector<double> SynthesiseButtonClick();  // "button.wav"
std::vector<double> SynthesisePop();          // "Platz.wav"
std::vector<double> SynthesiseChime();        // "deng.wav"

}  // namespace pindrake_assets
