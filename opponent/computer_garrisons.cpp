#include "opponent/computer_garrisons.h"

#include <algorithm>

#include "opponent/brigade_announcement.h"
#include "opponent/theatre_reserve.h"
#include "world/brigade_rules.h"
#include "world/city_threat.h"
#include "world/codes.h"
#include "world/game_window.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kThreatRadius = 10;
constexpr int kCapitalGarrison = 8;
constexpr int kFortMargin = 2000;
constexpr int kFortNotice = 7;
constexpr int kFortHeadlineText = 229;
constexpr int kFortCityText = 687;
// A fort costs less every year of the war, and never less than in 1865.
constexpr int kFirstFortPrice = 350;
constexpr int kFortPriceFall = 75;
constexpr int kCheapestFort = 50;

bool IsSupplied(const TCity& city) {
  return city.SupplyLevel >= 1 && city.SupplyLevel <= 3;
}

// A city of the nation, held by its camp and in supply.
bool HoldsCity(int n, const TCity& city) {
  return city.Nation == n && city.Side == GameState.Nations[n].Side && IsSupplied(city);
}

bool IsFreeBrigade(const TBrigade& brigade) {
  return brigade.Status == TBrigadeStatus::ArmedAndWaiting ||
         brigade.Status == TBrigadeStatus::RaisedUnarmed;
}

int HomeTheatre(const TBrigade& brigade) {
  return IsEntryOf(GameState.States, brigade.HomeState)
             ? GameState.States[brigade.HomeState].Theatre
             : 0;
}

// The first free foot or horse brigade raised in the city's theatre; the last
// slot of the table is not searched.
int BrigadeForCity(const TCity& city) {
  for (int b = 1; b < GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == city.Nation && IsFreeBrigade(brigade) &&
        (brigade.Arm == TArm::Infantry || brigade.Arm == TArm::Cavalry) &&
        HomeTheatre(brigade) == city.Theatre)
      return b;
  }
  return 0;
}

bool IsPort(const TCity& city) {
  return city.SeaPort != 0 || city.RiverPort != 0;
}

bool WantsFort(const TCity& city) {
  if (city.GarrisonCount > city.Fortifications) return true;
  return IsPort(city) && (city.Fortifications < city.CoastalGuns || city.Fortifications < 2);
}

int FortPrice() {
  return std::max(kCheapestFort, kFirstFortPrice - kFortPriceFall * (GameState.Year - 1861));
}

void AnnounceFort(int n, const TCity& city) {
  if (GameState.MessageView != n && GameState.MessageView != 3) return;
  ClearEventMessage();
  EventMessage.Kind = kFortNotice;
  EventMessage.Line1 = TextLine(kFortHeadlineText);
  EventMessage.Line2 = TextLine(kFortCityText) + city.Name.str();
  ShowEventMessage();
}

}  // namespace

void GarrisonBrigade(int n, int city, int b) {
  TBrigade& brigade = GameState.Brigades[b];
  TCity& place = GameState.Cities[city];
  brigade.Status = TBrigadeStatus::InGarrison;
  brigade.Location = static_cast<std::uint8_t>(city);
  RecountGarrison(city);
  if (place.GarrisonNeed > 0) --place.GarrisonNeed;
  AnnounceBrigade(n, city, b, TBrigadeNews::Garrisoned, 0);
  if (brigade.Weapon != 0) return;
  if (brigade.Arm == TArm::Infantry) brigade.Weapon = TWeapon::Muskets;
  if (brigade.Arm == TArm::Cavalry) brigade.Weapon = TWeapon::Spencers;
}

void GuardThreatenedCities(int n) {
  for (int c = GameState.Cities.Count; c >= 1; --c) {
    TCity& city = GameState.Cities[c];
    if (!HoldsCity(n, city) || city.GarrisonCount != 0) continue;
    AssessCityThreat(c, n, kThreatRadius);
    city.AiEnemyStrength = ThreatEnemyCount;
    if (ThreatEnemyCount == 0) continue;
    if (const int b = BrigadeForCity(city)) GarrisonBrigade(n, c, b);
  }
}

void GarrisonCapital(int n) {
  const int capital = GameState.Nations[n].Capital;
  if (!IsEntryOf(GameState.Cities, capital)) return;
  TCity& city = GameState.Cities[capital];
  // A capital just taken by the enemy is not garrisoned with his brigades.
  if (city.Nation != n) return;
  if (city.GarrisonCount < kCapitalGarrison) ++city.GarrisonNeed;
  if (city.GarrisonNeed == 0) return;
  if (city.GarrisonCount > kCapitalGarrison) city.GarrisonNeed = 0;
  for (int b = 1; b <= GameState.Brigades.Count && city.GarrisonNeed != 0; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == n && IsFreeBrigade(brigade) && brigade.Arm == TArm::Infantry &&
        HomeTheatre(brigade) == TTheatre::Seaboard)
      GarrisonBrigade(n, capital, b);
  }
}

void ServeGarrisonNeeds(int n) {
  for (int c = GameState.Cities.Count; c >= 1; --c) {
    const TCity& city = GameState.Cities[c];
    if (!HoldsCity(n, city) || city.GarrisonNeed == 0) continue;
    if (const int b = BrigadeForCity(city)) GarrisonBrigade(n, c, b);
  }
}

void BuildFortifications(int n) {
  TNationRec& nation = GameState.Nations[n];
  const int yearsOfWar = GameState.Year - 1860;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.Nation != n || city.FortifiedThisTurn != 0 || !IsTheatre(city.Theatre) ||
        city.Fortifications >= 2 * yearsOfWar)
      continue;
    U16& supplies = nation.Supplies[city.Theatre];
    if (WantsFort(city) && supplies > TheatreReserve(n, city.Theatre) + kFortMargin) {
      supplies -= static_cast<std::uint16_t>(FortPrice());
      ++city.Fortifications;
      city.FortifiedThisTurn = 1;
      AnnounceFort(n, city);
    }
    // Guns for the harbour come from the army's stores, at no cost.
    if (supplies > kFortMargin && IsPort(city) && city.CoastalGuns < yearsOfWar &&
        city.CoastalGuns <= 8)
      ++city.CoastalGuns;
  }
}
