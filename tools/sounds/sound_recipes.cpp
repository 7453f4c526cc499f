#include "tools/sounds/sound_recipes.h"

namespace {

constexpr double kPeak = 0.9;

}  // namespace

Sound LandVolley() {
  Sound sound = Silence(1.4);
  Noise noise(1861);
  for (const GunReport& gun : {GunReport{0.00, 1.0, 0.5, 0.9}, GunReport{0.07, 0.8, 0.4, 0.8},
                               GunReport{0.19, 0.9, 0.6, 0.9}, GunReport{0.26, 0.6, 0.4, 0.7},
                               GunReport{0.41, 0.7, 0.5, 0.8}, GunReport{0.55, 0.5, 0.6, 0.8}}) {
    AddGunReport(sound, gun, noise);
  }
  AddEcho(sound, 0.18, 0.3);
  Normalise(sound, kPeak);
  return sound;
}

Sound HarbourBombardment() {
  Sound sound = Silence(1.7);
  Noise noise(1862);
  // The fort's heavy guns answer the ships; their shells burst short and bright.
  for (const GunReport& gun : {GunReport{0.00, 1.0, 0.9, 1.0}, GunReport{0.22, 0.6, 0.1, 0.35},
                               GunReport{0.38, 0.9, 0.9, 1.0}, GunReport{0.63, 0.5, 0.1, 0.35},
                               GunReport{0.80, 0.8, 0.8, 0.8}, GunReport{1.05, 0.5, 0.2, 0.4}}) {
    AddGunReport(sound, gun, noise);
  }
  AddEcho(sound, 0.25, 0.35);
  Normalise(sound, kPeak);
  return sound;
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
