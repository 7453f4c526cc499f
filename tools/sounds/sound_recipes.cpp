#include "tools/sounds/sound_recipes.h"

#include <initializer_list>

namespace {

constexpr double kPeak = 0.9;

struct Echo {
  double delay;
  double gain;
};

Sound Guns(double seconds, std::uint32_t seed, std::initializer_list<GunReport> guns, Echo echo) {
  Sound sound = Silence(seconds);
  Noise noise(seed);
  for (const GunReport& gun : guns) AddGunReport(sound, gun, noise);
  AddEcho(sound, echo.delay, echo.gain);
  Normalise(sound, kPeak);
  return sound;
}

}  // namespace

Sound LandVolley() {
  return Guns(1.4, 1861,
              {{0.00, 1.0, 0.5, 0.9},
               {0.07, 0.8, 0.4, 0.8},
               {0.19, 0.9, 0.6, 0.9},
               {0.26, 0.6, 0.4, 0.7},
               {0.41, 0.7, 0.5, 0.8},
               {0.55, 0.5, 0.6, 0.8}},
              {0.18, 0.3});
}

Sound HarbourBombardment() {
  // The fort's heavy guns answer the ships; their shells burst short and bright.
  return Guns(1.7, 1862,
              {{0.00, 1.0, 0.9, 1.0},
               {0.22, 0.6, 0.1, 0.35},
               {0.38, 0.9, 0.9, 1.0},
               {0.63, 0.5, 0.1, 0.35},
               {0.80, 0.8, 0.8, 0.8},
               {1.05, 0.5, 0.2, 0.4}},
              {0.25, 0.35});
}

Sound SeaBroadside() {
  Sound sound = Silence(1.6);
  Noise noise(1863);
  constexpr int kGuns = 8;
  constexpr double kInterval = 0.06;
  for (int gun = 0; gun < kGuns; ++gun) {
    const double strength = 1.0 - 0.05 * (gun % 3);
    AddGunReport(sound, GunReport{gun * kInterval, strength, 0.7, 0.9}, noise);
  }
  AddSurf(sound, 0.08, noise);
  Normalise(sound, kPeak);
  return sound;
}
