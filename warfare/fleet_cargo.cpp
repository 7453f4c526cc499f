#include "warfare/fleet_cargo.h"

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_fatigue.h"
#include "world/dissolve_and_disband.h"
#include "world/fleet_places.h"
#include "world/game_window.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kFirstNationText = 150;
constexpr int kSuppliesHomeNotice = 17;
constexpr int kSuppliesHomeText = 152;
constexpr int kSuppliesHomeEndText = 156;

bool IsLand(const TFleet& fleet) {
  return TMapRecord::OnMap(fleet.X, fleet.Y) &&
         MapRecord.Cell(fleet.X, fleet.Y).Terrain() != TTerrain::Water;
}

void DecreaseToZero(std::uint8_t& value) {
  if (value > 0) --value;
}

}  // namespace

int EmbarkedCorps(const TFleet& fleet) {
  const int c = fleet.Corps;
  if (!IsEntryOf(GameState.Corps, c) || GameState.Corps[c].IsFree()) return 0;
  return GameState.Corps[c].Stance == TCombatStance::Embarked ? c : 0;
}

void CarryCorps(const TFleet& fleet) {
  const int c = EmbarkedCorps(fleet);
  if (c == 0) return;
  TCorps& corps = GameState.Corps[c];
  corps.X = fleet.X;
  corps.Y = fleet.Y;
  corps.DestX = fleet.DestX;
  corps.DestY = fleet.DestY;
  corps.Entrenchment = 0;
  AddCorpsFatigue(c, -1);
  DecreaseToZero(corps.Disorder);
}

void LandCorps(TFleet& fleet) {
  const int c = EmbarkedCorps(fleet);
  if (c == 0 || !IsLand(fleet)) return;
  TCorps& corps = GameState.Corps[c];
  corps.Stance = TCombatStance::Advance;
  corps.X = fleet.X;
  corps.Y = fleet.Y;
  corps.City = fleet.Objective;
  fleet.Corps = 0;
}

void PutCorpsAshore(TFleet& fleet) {
  if (fleet.Corps == 0 || !IsLand(fleet)) return;
  const int c = EmbarkedCorps(fleet);
  if (c != 0) GameState.Corps[c].Stance = TCombatStance::Defend;
  fleet.Corps = 0;
}

// A hit bigger than the brigade takes it whole, its men booked as casualties.
void LoseCorpsWithFleet(int c) {
  if (!IsEntryOf(GameState.Corps, c)) return;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (IsBrigadeOfCorps(brigade, c))
      ApplyBrigadeLosses(kLossesByBrigade, static_cast<std::uint16_t>(b),
                         static_cast<std::uint16_t>(brigade.Strength + 1));
  }
  LoseCorpsAtSea(c);
  TCorps& corps = GameState.Corps[c];
  corps.Stance = corps.DestX = corps.DestY = corps.Ordinal = corps.Theatre = corps.State = 0;
  corps.LeaderCombat = corps.ArtilleryBrigades = corps.SupplyPriority = corps.City = 0;
  corps.SupplyType = corps.Quality = corps.Kind = corps.ArtilleryStrength = 0;
  corps.Capacity = corps.OtherBrigades = 0;
  corps.Strength = 0;
}

void DeliverSupplies(TFleet& fleet, int city) {
  const int theatre = TheatreOfCity(city);
  if (!IsEntryOf(GameState.Nations, fleet.Nation) || !IsTheatre(theatre)) return;
  AddSaturated(GameState.Nations[fleet.Nation].Supplies[theatre], fleet.Supplies);
  fleet.Supplies = 0;
}

void StartFleetNotice(int kind, const TFleet& fleet, int text) {
  ClearEventMessage();
  EventMessage.Kind = static_cast<std::uint16_t>(kind);
  if (IsEntryOf(GameState.Nations, fleet.Nation))
    EventMessage.Line1 = TextLine(kFirstNationText + fleet.Nation);
  if (IsEntryOf(GameState.Cities, fleet.HomePort))
    EventMessage.Line2 = GameState.Cities[fleet.HomePort].Name.str();
  EventMessage.Line3 = TextLine(text);
}

void ReportSuppliesHome(int city) {
  ClearEventMessage();
  EventMessage.Kind = kSuppliesHomeNotice;
  EventMessage.Line1 = TextLine(kSuppliesHomeText);
  if (IsEntryOf(GameState.Cities, city)) EventMessage.Line2 = GameState.Cities[city].Name.str();
  EventMessage.Line3 = TextLine(kSuppliesHomeEndText);
  ShowEventMessage();
}
