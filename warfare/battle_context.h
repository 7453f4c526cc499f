#pragma once
// The values of the one field battle being fought, from its set-up to its
// results. The battle form held them once; here every battle rule is handed
// them, and they are gone when the battle is over.
#include <array>
#include <cstdint>
#include <vector>

#include "world/table_slots.h"
#include "world/vardecl.h"

inline constexpr int kBattleCorpsSlots = decltype(TGameState::Corps)::Count;
inline constexpr int kMostIntensity = 5;
inline constexpr int kStartingCasualtyThreshold = 70;

// The rows of BattleFactors.
namespace TBattleFactor {
inline constexpr int TotalTroops = 0;
inline constexpr int Fatigue = 1;
inline constexpr int Readiness = 2;
inline constexpr int Battlefield = 3;
inline constexpr int Entrenchment = 4;
inline constexpr int Leadership = 5;
inline constexpr int Quality = 6;
inline constexpr int Weapons = 7;
inline constexpr int Aggression = 8;
inline constexpr int Stance = 9;
inline constexpr int Supply = 10;
inline constexpr int CityGuns = 11;
inline constexpr int Intensity = 12;
inline constexpr int CorpsCount = 13;
inline constexpr int Rows = 14;
}  // namespace TBattleFactor

// TCorps.BattleMark while a corps is in a battle.
namespace TBattleMark {
inline constexpr int Fought = 1;
inline constexpr int Engaged = 5;
inline constexpr int Broken = 6;
}  // namespace TBattleMark

struct BattleContext {
  std::uint16_t UnionCommander = 0;
  std::uint16_t ConfedCommander = 0;
  std::uint16_t UnionIntensity = 0;
  std::uint16_t ConfedIntensity = 0;
  std::uint16_t BattleIntensity = 1;
  int CasualtyThreshold = kStartingCasualtyThreshold;
  // The corps that fight: active, on the battle hex, marked by the dispatcher
  // and not aboard a fleet. Only these are counted, paired and settled, so a
  // corps waiting on its transport is never put ashore by a battle it missed.
  std::array<bool, kBattleCorpsSlots + 1> engaged{};
  // Hits each corps took in this battle. TCorps.ContactStep keeps a copy that
  // stops at 255, while a big corps can take many more.
  std::array<int, kBattleCorpsSlots + 1> hits{};

  std::uint16_t Commander(int side) const { return side == 1 ? UnionCommander : ConfedCommander; }
  std::uint16_t& Intensity(int side) { return side == 1 ? UnionIntensity : ConfedIntensity; }
  // The engaged corps in index order.
  std::vector<int> EngagedCorps() const {
    std::vector<int> corps;
    for (int c = 1; c <= kBattleCorpsSlots; ++c)
      if (engaged[c]) corps.push_back(c);
    return corps;
  }
};

// The brigades a corps fields: the infantry and cavalry, and the artillery.
inline int BrigadesOf(const TCorps& corps) {
  return corps.OtherBrigades + corps.ArtilleryBrigades;
}

// FireA x FireB of the brigade's weapon; 0 for an unarmed brigade.
inline int WeaponFire(const TBrigade& brigade) {
  if (!IsEntryOf(GameState.WeaponTypes, brigade.Weapon)) return 0;
  const TWeaponType& weapon = GameState.WeaponTypes[brigade.Weapon];
  return weapon.FireA * weapon.FireB;
}

// Whether the corps stands on the battle hex.
inline bool StandsOnBattleHex(const TCorps& corps) {
  return corps.X == GameState.BattleX && corps.Y == GameState.BattleY;
}
