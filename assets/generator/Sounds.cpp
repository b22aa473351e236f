#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Noise.h"
#include "WavFile.h"

namespace pindrake_assets {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::vector<double> Silence(double seconds) {
  return std::vector<double>(static_cast<size_t>(seconds * kSampleRate), 0.0);
}

double Time(size_t index) {
  return static_cast<double>(index) / kSampleRate;
}

// Raised-cosine fades at both ends, and the peak scaled to `peak`.
void Finish(std::vector<double>& samples, double fadeInSeconds, double fadeOutSeconds,
            double peak) {
  const size_t in = static_cast<size_t>(fadeInSeconds * kSampleRate);
  const size_t out = static_cast<size_t>(fadeOutSeconds * kSampleRate);
  for (size_t i = 0; i < samples.size(); ++i) {
    double gain = 1;
    if (i < in) gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
    const size_t fromEnd = samples.size() - 1 - i;
    if (fromEnd < out) gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * fromEnd / out);
    samples[i] *= gain;
  }
  double loudest = 0;
  for (double s : samples)
    loudest = std::max(loudest, std::abs(s));
  if (loudest > 0) {
    for (double& s : samples)
      s *= peak / loudest;
  }
}

// White noise in -1..1 from the shared dice.
double Noise(Dice& dice) {
  return dice.Uniform(-1, 1);
}

}  // namespace

std::vector<double> SynthesiseButtonClick() {
  // A short wooden tick: a high damped tone over a tiny burst of filtered noise.
  std::vector<double> samples = Silence(0.07);
  Dice dice(17);
  double filtered = 0;
  for (size_t i = 0; i < samples.size(); ++i) {
    const double t = Time(i);
    filtered += (Noise(dice) - filtered) * 0.35;
    const double tone = std::sin(kTwoPi * 1850 * t) * std::exp(-t * 90);
    const double body = std::sin(kTwoPi * 620 * t) * std::exp(-t * 60) * 0.6;
    samples[i] = tone + body + filtered * std::exp(-t * 300) * 0.8;
  }
  Finish(samples, 0.0015, 0.02, 0.7);
  return samples;
}

std::vector<double> SynthesisePop() {
  // A balloon bursting: a sharp crack of noise, a falling rubbery thump below it and a
  // short flutter of the torn skin.
  std::vector<double> samples = Silence(0.32);
  Dice dice(29);
  double low = 0, band = 0, phase = 0;
  for (size_t i = 0; i < samples.size(); ++i) {
    const double t = Time(i);
    const double white = Noise(dice);
    low += (white - low) * 0.25;
    band += (low - band) * 0.08;
    const double crack = (low - band) * std::exp(-t * 45);
    const double frequency = 70 + 160 * std::exp(-t * 30);
    phase += kTwoPi * frequency / kSampleRate;
    const double thump = std::sin(phase) * std::exp(-t * 18) * 0.9;
    const double flutter = low * std::exp(-t * 14) * (0.5 + 0.5 * std::sin(kTwoPi * 38 * t)) * 0.25;
    samples[i] = crack * 2.2 + thump + flutter;
  }
  Finish(samples, 0.0008, 0.08, 0.8);
  return samples;
}

std::vector<double> SynthesiseChime() {
  // A small bell: inharmonic partials of a struck bar, the higher ones dying sooner.
  struct Partial {
    double ratio, level, decay;
  };
  const Partial partials[] = {
      {1.0, 1.0, 2.6}, {2.0, 0.45, 3.8}, {2.76, 0.35, 5.5}, {4.07, 0.2, 8.0}, {5.4, 0.12, 11.0}};
  const double pitches[] = {987.77, 1318.51};  // B5 then E6: a friendly rising "ding-dong"
  const double startTimes[] = {0.0, 0.16};
  std::vector<double> samples = Silence(1.3);
  for (int note = 0; note < 2; ++note) {
    for (size_t i = 0; i < samples.size(); ++i) {
      const double t = Time(i) - startTimes[note];
      if (t < 0) continue;
      for (const Partial& p : partials) {
        samples[i] +=
            p.level * std::sin(kTwoPi * pitches[note] * p.ratio * t) * std::exp(-t * p.decay);
      }
    }
  }
  Finish(samples, 0.004, 0.25, 0.6);
  return samples;
}

}  // namespace pindrake_assets
