#pragma once

#include <cstdint>
#include <vector>

// The building blocks of the battle sounds: gun reports, the sea's wash and the
// echo off a shore, mixed into one mono track.

constexpr int kSampleRate = 22050;

struct Sound {
  std::vector<float> samples;
};

Sound Silence(double seconds);

// White noise from a fixed seed, so every build writes the same files.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  float Next();

 private:
  std::uint32_t state_;
};

// One gun firing: a sharp crack that darkens into a rumble.
struct GunReport {
  double at;        // seconds from the start
  double strength;  // peak level, 0..1
  double weight;    // 0 a light, bright gun; 1 a heavy gun heard as a low thud
  double length;    // seconds until it has died away
};

void AddGunReport(Sound& sound, const GunReport& gun, Noise& noise);
// The wash of the sea: low noise that swells and ebbs.
void AddSurf(Sound& sound, double level, Noise& noise);
void AddEcho(Sound& sound, double delay, double gain);
// Scales the loudest sample to `peak`.
void Normalise(Sound& sound, double peak);
