#include "opponent/turn_driver.h"

#include "opponent/army_operations.h"
#include "opponent/city_valuation.h"
#include "opponent/commander_replacement.h"
#include "opponent/computer_rail_moves.h"
#include "opponent/confederate_operations.h"
#include "opponent/disordered_retreat.h"
#include "opponent/independent_corps.h"
#include "opponent/sea_transport.h"
#include "opponent/theatre_posture.h"
#include "opponent/union_operations.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_readiness.h"
#include "world/force_totals.h"
#include "world/regional_supply.h"
#include "world/saturating.h"
#include "world/supply_links.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kUnionCapitalGarrison = 3;
constexpr int kConfederateCapitalGarrison = 4;
constexpr int kSeaTransportMission = 9;
constexpr int kFrenchTheatreZeal = 10;
// The Canadian state Britain guards, and what it is worth to her.
constexpr int kCanadianState = 33;
constexpr int kCanadaHeldValue = 35;
constexpr int kCanadaLostValue = 25;

using Plan = void (*)();
constexpr Plan kPlans[] = {PlanUnion, PlanConfederacy, PlanFrance, PlanBritain};

// Every plan begins by reading its theatres and the states worth a fight.
bool BeginPlan(int nation) {
  if (IsHumanNation(nation)) return false;
  UpdateRegionalAggression(nation);
  AddStateTargetValues(nation);
  ChooseRegionalObjectives(nation);
  return true;
}

void AskCapitalGarrison(int nation, int need) {
  const int capital = GameState.Nations[nation].Capital;
  if (IsEntryOf(GameState.Cities, capital)) GameState.Cities[capital].GarrisonNeed = need;
}

// A disordered corps drops out of its operation; keepMission spares one.
void DropDisorderedFromOperations(int nation, int keepMission) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.Nation == nation && corps.Disorder != 0 &&
        corps.AiMission != keepMission)
      corps.AiMission = 0;
  }
}

void OrderLandForces(int nation) {
  PlanArmyOperations(nation);
  PlanIndependentCorps(nation);
  ArrangeRailMoves(nation);
}

void AddCityValue(TCity& city, int amount) {
  AddSaturated(city.AiValue, amount);
}

bool IsAtWar(int nation) {
  return GameState.Nations[nation].Side != TSide::None;
}

bool CanadaHeldBy(int nation) {
  return GameState.States[kCanadianState].Nation == nation;
}

void AddCanadaValue(int amount) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.State == kCanadianState) AddCityValue(city, amount);
  }
}

}  // namespace

void RunNationTurnLoop() {
  ComputeForceTotals();
  ComputeCitySupplyLinks();
  UpdateCorpsReadiness();
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    CurrentSide = static_cast<std::uint16_t>(n);
    const bool human = IsHumanNation(n);
    if (!human) {
      ReplaceFailingArmyCommanders();
      BalanceRegionalSupply(n);
    }
    ValueCitiesForNation(n);
    if (human) RetreatDisorderedCorps(n);
    kPlans[n - 1]();
  }
}

void PlanUnion() {
  if (!BeginPlan(TNation::Union)) return;
  AskCapitalGarrison(TNation::Union, kUnionCapitalGarrison);
  PlanAmphibiousOperations(TNation::Union);
  RunUnionOperation1();
  RunUnionOperation2();
  RunUnionOperation3();
  RunUnionOperation4();
  RunUnionOperation5();
  RunUnionOperation7();
  RunUnionOperation6();
  // A disordered corps at sea stays with its transport.
  DropDisorderedFromOperations(TNation::Union, kSeaTransportMission);
  OrderLandForces(TNation::Union);
}

void PlanConfederacy() {
  if (!BeginPlan(TNation::Confederacy)) return;
  const TNationRec& south = GameState.Nations[TNation::Confederacy];
  const int seaboard = south.AiTheatrePosture[TTheatre::Seaboard];
  const int west = south.AiTheatrePosture[TTheatre::West];
  AskCapitalGarrison(TNation::Confederacy, kConfederateCapitalGarrison);
  RunConfederateOperation14();
  if (west < TAiPosture::AllOut) RunConfederateOperation12();
  if (seaboard < TAiPosture::AllOut) RunConfederateOperation13();
  if (west < TAiPosture::AllOut) RunConfederateOperation11();
  if (west > TAiPosture::Defensive) RunConfederateOperation10();
  // The Confederacy ships no corps, so no mission is spared.
  DropDisorderedFromOperations(TNation::Confederacy, 0);
  OrderLandForces(TNation::Confederacy);
}

void PlanFrance() {
  if (!BeginPlan(TNation::France)) return;
  AddSaturated(GameState.Nations[TNation::France].AiAggressionLevel[TTheatre::Mississippi],
               kFrenchTheatreZeal);
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.Nation != TNation::France && city.Nation != TNation::Britain) continue;
    AddCityValue(city, 3 + 5 * city.Fortifications + 2 * city.GarrisonCount);
    if (city.SupplyLevel != 0) AddCityValue(city, 10);
  }
  if (!IsAtWar(TNation::France)) return;
  PlanAmphibiousOperations(TNation::France);
  OrderLandForces(TNation::France);
}

void PlanBritain() {
  if (!BeginPlan(TNation::Britain)) return;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.Nation != TNation::Britain) continue;
    AddCityValue(city, 10 + 50 * city.Fortifications + 20 * city.GarrisonCount);
    if (city.SupplyLevel != 0) AddCityValue(city, 50);
  }
  if (CanadaHeldBy(TNation::Britain)) AddCanadaValue(kCanadaHeldValue);
  if (IsAtWar(TNation::Britain) && CanadaHeldBy(TNation::Confederacy))
    AddCanadaValue(kCanadaLostValue);
  if (!IsAtWar(TNation::Britain)) return;
  PlanAmphibiousOperations(TNation::Britain);
  OrderLandForces(TNation::Britain);
}
