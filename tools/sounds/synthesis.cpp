#include "tools/sounds/synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

int ToSample(double seconds) {
  return static_cast<int>(seconds * kSampleRate);
}

// A one-pole low-pass filter: the coefficient for a cut-off frequency in hertz.
double LowPassCoefficient(double cutoff) {
  return 1.0 - std::exp(-2.0 * std::numbers::pi * cutoff / kSampleRate);
}

}  // namespace

Sound Silence(double seconds) {
  return Sound{std::vector<float>(ToSample(seconds), 0.0f)};
}

float Noise::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<float>(state_ >> 8) / static_cast<float>(1u << 23) - 1.0f;
}

void AddGunReport(Sound& sound, const GunReport& gun, Noise& noise) {
  const int start = ToSample(gun.at);
  const int length = ToSample(gun.length);
  const double decay = gun.length / 5.0;
  const double thump_hertz = 70.0 - 30.0 * gun.weight;
  double filtered = 0.0;
  for (int i = 0; i < length && start + i < static_cast<int>(sound.samples.size()); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double attack = std::min(1.0, t / 0.002);
    const double envelope = attack * std::exp(-t / decay);
    // The crack is bright at first and darkens as the sound rolls away.
    const double cutoff = (4000.0 - 3000.0 * gun.weight) * std::exp(-t / 0.08) + 150.0;
    filtered += LowPassCoefficient(cutoff) * (noise.Next() - filtered);
    const double thump = std::sin(2.0 * std::numbers::pi * thump_hertz * t) * std::exp(-t / 0.12);
    const double body = filtered * 2.5 + thump * (0.4 + 0.6 * gun.weight);
    sound.samples[start + i] += static_cast<float>(gun.strength * envelope * body);
  }
}

void AddSurf(Sound& sound, double level, Noise& noise) {
  const double coefficient = LowPassCoefficient(400.0);
  double filtered = 0.0;
  const int count = static_cast<int>(sound.samples.size());
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double swell = 0.6 + 0.4 * std::sin(2.0 * std::numbers::pi * 0.9 * t);
    const double fade = std::min({1.0, t / 0.1, (count - i) / (0.2 * kSampleRate)});
    filtered += coefficient * (noise.Next() - filtered);
    sound.samples[i] += static_cast<float>(level * swell * fade * filtered * 3.0);
  }
}

void AddEcho(Sound& sound, double delay, double gain) {
  const int offset = ToSample(delay);
  for (int i = static_cast<int>(sound.samples.size()) - 1; i >= offset; --i) {
    sound.samples[i] += static_cast<float>(gain) * sound.samples[i - offset];
  }
}

void Normalise(Sound& sound, double peak) {
  float loudest = 0.0f;
  for (float sample : sound.samples) loudest = std::max(loudest, std::abs(sample));
  if (loudest == 0.0f) return;
  const auto scale = static_cast<float>(peak / loudest);
  for (float& sample : sound.samples) sample *= scale;
}
