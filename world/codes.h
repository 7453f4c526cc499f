#pragma once
// The codes the records hold. They are plain numbers, not enum classes: a
// stored byte may hold any value, and the rules compare and index with them.

// A nation: the index of GameState.Nations.
namespace TNation {
inline constexpr int Union = 1;
inline constexpr int Confederacy = 2;
inline constexpr int France = 3;
inline constexpr int Britain = 4;
}  // namespace TNation

// A camp: what corps, cities, fleets and the map's owner bits hold.
namespace TSide {
inline constexpr int None = 0;
inline constexpr int Union = 1;
inline constexpr int Confederate = 2;
}  // namespace TSide
// The two camps at war; camp 0 is neutral.
inline constexpr int kSideCount = 2;

// Weather, supplies and aggression are kept per theatre.
namespace TTheatre {
inline constexpr int Seaboard = 1;
inline constexpr int West = 2;
inline constexpr int Mississippi = 3;
}  // namespace TTheatre
inline constexpr int kTheatreCount = 3;
inline constexpr bool IsTheatre(int theatre) {
  return theatre >= 1 && theatre <= kTheatreCount;
}

// TGameState.MessageView: the camp whose view the map and the notices keep
// (the enemy hidden from it), or this: everything shown to everyone.
inline constexpr int kEveryoneSees = 3;

// Terrain classes of the map the rules tell apart.
namespace TTerrain {
inline constexpr int Water = 0;
inline constexpr int Impassable = 3;
inline constexpr int City = 4;
}  // namespace TTerrain

namespace TArm {
inline constexpr int Artillery = 1;
inline constexpr int Infantry = 2;
inline constexpr int Cavalry = 3;
}  // namespace TArm
inline constexpr int kArmCount = 3;

// A weapon: the index of GameState.WeaponTypes; 0 is an unarmed brigade.
namespace TWeapon {
inline constexpr int Muskets = 1;
inline constexpr int Springfields = 2;
inline constexpr int Sharps = 3;
inline constexpr int Spencers = 4;
inline constexpr int Shotguns = 5;
inline constexpr int Smoothbores = 6;
inline constexpr int Parrotts = 7;
inline constexpr int Whitworths = 8;
}  // namespace TWeapon

namespace TBrigadeStatus {
inline constexpr int Free = 0;
inline constexpr int InCorps = 1;
inline constexpr int InGarrison = 2;
inline constexpr int ArmedAndWaiting = 4;
inline constexpr int RaisedUnarmed = 5;
}  // namespace TBrigadeStatus

// A corps' stance and march mode.
namespace TCombatStance {
inline constexpr int Withdraw = 0;
inline constexpr int Defend = 1;
inline constexpr int Advance = 2;
inline constexpr int Training = 3;
inline constexpr int Embarked = 4;
inline constexpr int ByRail = 5;
}  // namespace TCombatStance

namespace TMarchMode {
inline constexpr int Cautious = 0;
inline constexpr int Standard = 1;
inline constexpr int Forced = 2;
}  // namespace TMarchMode

namespace TSupplyType {
inline constexpr int Depot = 0;
inline constexpr int Encampment = 1;
inline constexpr int Foraging = 2;
}  // namespace TSupplyType

// TCorps.Activity: what the corps did this turn (0 nothing yet).
namespace TCorpsActivity {
inline constexpr int Disordered = 1;
inline constexpr int Resting = 2;
inline constexpr int MovedByRail = 3;
inline constexpr int Holding = 5;
inline constexpr int Training = 6;
inline constexpr int Embarked = 7;
inline constexpr int Marching = 9;
}  // namespace TCorpsActivity

// A fleet's order. Missions from Move up sail; Patrol and Attack Port fight
// and intercept; Amphibious carries a corps.
namespace TFleetMission {
inline constexpr int Nothing = 0;
inline constexpr int Refit = 1;
inline constexpr int Move = 2;
inline constexpr int CottonRun = 3;
inline constexpr int Patrol = 4;
inline constexpr int AttackPort = 5;
inline constexpr int Amphibious = 6;
}  // namespace TFleetMission

// The index of TFleet.Ships and TFleet.DamagedShips.
namespace TShipType {
inline constexpr int Ironclad = 1;
inline constexpr int Warship = 2;
inline constexpr int Transport = 3;
}  // namespace TShipType
