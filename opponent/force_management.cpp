#include "opponent/force_management.h"

#include "opponent/army_forming.h"
#include "opponent/brigade_announcement.h"
#include "opponent/computer_corps_forming.h"
#include "opponent/computer_garrisons.h"
#include "opponent/naval_building.h"
#include "opponent/theatre_reserve.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/force_slots.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kRailPrice = 20;
constexpr int kRailMargin = 500;
constexpr int kMostRailCapacity = 255;

bool CorpsWantsNoRecruits(const TBrigade& brigade) {
  // A brigade out of supply is not reached by recruits; one whose corps is
  // not a slot of the table is left alone.
  if (!IsEntryOf(GameState.Corps, brigade.Location)) return true;
  return GameState.Corps[brigade.Location].SupplyStatus > 1;
}

// Draws the recruits' weapons from the stock when it covers them all.
void ArmRecruits(TNationRec& nation, int weapon, int need) {
  if (weapon < TWeapon::Muskets || weapon >= TWeapon::Whitworths) return;
  if (nation.WeaponStock[weapon] >= need) nation.WeaponStock[weapon] -= need;
}

void TopUpBrigade(int n, int b) {
  TBrigade& brigade = GameState.Brigades[b];
  RecruitPool pool;
  if (!PoolOfArm(brigade.Arm, pool) || CorpsWantsNoRecruits(brigade)) return;
  const int cap = pool.fullStrength;
  if (brigade.Strength >= cap) return;
  const int need = cap - brigade.Strength;
  if (!IsEntryOf(GameState.States, brigade.HomeState)) return;
  TStateRec& home = GameState.States[brigade.HomeState];
  TNationRec& nation = GameState.Nations[n];
  if (!IsTheatre(home.Theatre) || nation.Supplies[home.Theatre] < TheatreReserve(n, home.Theatre))
    return;
  if (home.Nation != n || home.*pool.points < need) return;
  home.*pool.points -= need;
  brigade.Strength = static_cast<std::uint8_t>(cap);
  AnnounceBrigade(n, 0, b, TBrigadeNews::Recruited, need);
  // The old men at their quality, the recruits at the lowest; the South's
  // recruits learn from their veterans.
  const int old = brigade.Quality;
  int quality = (old * (cap - need) + need) / cap;
  if (n == TNation::Confederacy && quality < old) ++quality;
  brigade.Quality = static_cast<std::uint8_t>(quality);
  ArmRecruits(nation, brigade.Weapon, need);
}

bool IsRifleman(const TBrigade& brigade) {
  return brigade.Status == TBrigadeStatus::InCorps &&
         (brigade.Arm == TArm::Infantry || brigade.Arm == TArm::Cavalry);
}

int Percent(int part, int whole) {
  return whole == 0 ? 0 : 100 * part / whole;
}

// Whether the nation's foot and horse still carry more muskets, in share,
// than everyone else's.
bool LagsInWeapons(int n) {
  int own = 0, ownMuskets = 0, other = 0, otherMuskets = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!IsRifleman(brigade)) continue;
    const bool musket = brigade.Weapon == TWeapon::Muskets;
    if (brigade.Nation == n) {
      ++own;
      ownMuskets += musket;
    } else {
      ++other;
      otherMuskets += musket;
    }
  }
  return Percent(ownMuskets, own) >= Percent(otherMuskets, other);
}

void ClearCorpsSlot(int c) {
  TCorps& corps = GameState.Corps[c];
  corps.X = corps.Y = corps.Stance = corps.DestX = corps.DestY = 0;
  corps.Side = corps.Nation = corps.Ordinal = corps.Theatre = corps.State = 0;
  corps.LeaderCombat = corps.ArtilleryBrigades = corps.Disorder = corps.Army = 0;
  corps.SupplyPriority = corps.City = corps.Leader = corps.SupplyType = 0;
  corps.Quality = corps.Readiness = corps.Kind = corps.BattleMark = 0;
  corps.ArtilleryStrength = corps.Capacity = corps.OtherBrigades = 0;
  corps.Strength = 0;
  // A corps raised later in this slot starts free of the dead one's operation.
  corps.AiMission = 0;
  FreeCorpsSlot(c);
}

// One more car of rail capacity a turn for a warring camp whose trains are
// all in use, paid by the first theatre with supplies to spare.
void BuyComputerRailCapacity(int n) {
  if (n != TNation::Union && n != TNation::Confederacy) return;
  TNationRec& nation = GameState.Nations[n];
  if (nation.RailCapacity > nation.RailUsed + 1 || nation.RailCapacity >= kMostRailCapacity) return;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Nation != n || !IsTheatre(city.Theatre)) continue;
    if (nation.Supplies[city.Theatre] <= TheatreReserve(n, city.Theatre) + kRailMargin) continue;
    nation.Supplies[city.Theatre] -= kRailPrice;
    ++nation.RailCapacity;
    return;
  }
}

// Empties every corps slot whose corps has ceased to exist.
void ClearDeadCorpsSlots() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Nation == 0 || corps.Inactive != 0) ClearCorpsSlot(c);
  }
}

void ManageNationBeforeCountdown(int n) {
  TopUpBrigades(n);
  ArmRaisedBrigades(n);
  GuardThreatenedCities(n);
  BalanceCorpsBrigades(n);
  GarrisonCapital(n);
  ServeGarrisonNeeds(n);
  FormCorpsFromWaitingBrigades(n);
  RefitFleetsInPort(n);
}

void ManageNationAfterCountdown(int n) {
  FormCorpsFromSurplusGarrisons(n);
  PlanNavalBuilding(n);
  BuyComputerRailCapacity(n);
  FormComputerArmies(n);
  BuildFortifications(n);
  PromoteDivisions(n);
  UpgradeWeapons(n);
}

}  // namespace

void ManageComputerForces() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    const bool computer = !IsHumanNation(n);
    if (computer) ManageNationBeforeCountdown(n);
    CountDownFleetConstruction(n);
    if (computer) ManageNationAfterCountdown(n);
  }
  ClearDeadCorpsSlots();
}

void TopUpBrigades(int n) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == n && brigade.Status == TBrigadeStatus::InCorps) TopUpBrigade(n, b);
  }
}

void UpgradeWeapons(int n) {
  // France and Britain re-arm whenever they can; the warring camps only
  // while they are not ahead of the rest.
  if (n != TNation::France && n != TNation::Britain && !LagsInWeapons(n)) return;
  TNationRec& nation = GameState.Nations[n];
  constexpr int kCavalryChoice[] = {TWeapon::Shotguns, TWeapon::Spencers, TWeapon::Sharps};
  constexpr int kInfantryChoice[] = {TWeapon::Springfields, TWeapon::Sharps, TWeapon::Spencers};
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation != n || !IsRifleman(brigade) || brigade.Weapon != TWeapon::Muskets) continue;
    const int* choice = brigade.Arm == TArm::Cavalry ? kCavalryChoice : kInfantryChoice;
    for (int k = 0; k < 3; ++k) {
      if (nation.WeaponStock[choice[k]] <= brigade.Strength) continue;
      nation.WeaponStock[choice[k]] -= brigade.Strength;
      brigade.Weapon = static_cast<std::uint8_t>(choice[k]);
      break;
    }
  }
}
