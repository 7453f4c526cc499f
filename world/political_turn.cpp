#include "world/political_turn.h"

#include <climits>
#include <string>

#include "world/brigade_rules.h"
#include "world/city_names.h"
#include "world/codes.h"
#include "world/dated_news.h"
#include "world/force_slots.h"
#include "world/foreign_intervention.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_notices.h"
#include "world/text_table.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

constexpr int kStandardNotice = 0;
constexpr int kCapitalNotice = 10;
constexpr int kForeignNotice = 25;

constexpr int kUnionFallbackCapital = 3;
constexpr int kCapitalLossWarScore = 100;
constexpr int kCapitalAbroadSway = 35;
constexpr int kConfederateWarScoreEachTurn = 2;
constexpr int kMaturePolicy = 10;
constexpr int kFirstWeekEnd = 8;

constexpr int kUnionCapitulated = 3;
constexpr int kConfederacyCapitulated = 2;

// Britain takes offence at a Union seizure at sea in November 1861; a human
// Union may hand the men over or stand firm.
void SeaIncidentOf1861() {
  const TGameState& game = GameState;
  if (game.Year != 1861 || game.Month != 11 || game.Day < 8 || game.Day > 14) return;
  const I16& britain = GameState.Nations[TNation::Britain].Attitude;
  if (GameState.Nations[TNation::Union].Human == 0 || britain < 1 || britain > 99) return;
  FillTextNotice(kForeignNotice, {204, 205, 206, 207});
  OfferTwoOptions(208, 209);
  ShowEventMessage();
  if (EventMessage.Choice == 2)
    GameState.Nations[TNation::Britain].Attitude = 1;
  else
    AddWarScore(TNation::Union, -25);
}

// A nation that lost its capital moves it, or gives up when it has nowhere
// to go or too little standing left for the year.
void CheckCapital(int n) {
  const int capital = GameState.Nations[n].Capital;
  if (!IsEntryOf(GameState.Cities, capital)) return;
  if (GameState.Cities[capital].Side == GameState.Nations[n].Side) return;
  const int other = n == TNation::Union ? TNation::Confederacy : TNation::Union;
  const int next = ChooseNewCapital(capital, n);
  const int standingNeeded = 400 - 50 * (GameState.Year - 1860);
  if (next == 0 || GameState.Nations[n].WarScore < standingNeeded)
    CapitulateSide(n, other);
  else
    CapitalFalls(n, next);
}

// Each nation's own neutral ground joins its camp, and its forces take its camp.
void BringIntoCamp(int n) {
  const int camp = GameState.Nations[n].Side;
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (state.Nation != n || state.ControlSide != 0) continue;
    state.Side = state.ControlSide = static_cast<std::uint8_t>(camp);
    for (int c = 1; c <= GameState.Cities.Count; ++c) {
      TCity& city = GameState.Cities[c];
      if (city.State == s && city.Side == TSide::None) city.Side = static_cast<std::uint8_t>(camp);
    }
  }
}

void AlignUnitsWithNations() {
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    TCorps& corps = GameState.Corps[k];
    if (corps.Nation != 0) corps.Side = static_cast<std::uint8_t>(CampOfNation(corps.Nation));
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation != 0) fleet.Side = static_cast<std::uint8_t>(CampOfNation(fleet.Nation));
  }
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (army.Nation != 0) army.Side = static_cast<std::uint8_t>(CampOfNation(army.Nation));
  }
}

// At the bottom of the scale France and Britain are at war, announced or not.
void EnterWarsOfTheMonth() {
  BritainEntersWar();
  FranceEntersWar();
  CheckUnionPolicy();
  for (int power : {TNation::France, TNation::Britain}) {
    TNationRec& record = GameState.Nations[power];
    if (record.Attitude < 2) {
      record.Side = TSide::Confederate;
      record.Attitude = 0;
    }
  }
  bool anyAtWar = false;
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    TNationRec& record = GameState.Nations[n];
    if (record.Side == 0) continue;
    anyAtWar = true;
    if (record.PolicyStatus >= 1 && record.PolicyStatus < kMaturePolicy) ++record.PolicyStatus;
    BringIntoCamp(n);
  }
  if (anyAtWar) AlignUnitsWithNations();
}

int CapitulationText(int nation) {
  return nation == TNation::Union ? 689 : 690;
}

// Where a brigade of the beaten side is held: its home state's capital, or
// the winner's capital for one without; 0 when there is neither.
int PlaceOfSurrender(const TBrigade& brigade, int winner) {
  if (IsEntryOf(GameState.States, brigade.HomeState)) {
    const int capital = GameState.States[brigade.HomeState].CapitalCity;
    if (IsEntryOf(GameState.Cities, capital)) return capital;
  }
  return GameState.Nations[winner].Capital;
}

void HandOverBrigades(int loser, int winner) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.IsFree() || brigade.Nation != loser) continue;
    const int place = PlaceOfSurrender(brigade, winner);
    if (!IsEntryOf(GameState.Cities, place)) {
      ClearBrigade(b);
      continue;
    }
    brigade.Nation = static_cast<std::uint8_t>(winner);
    brigade.Status = TBrigadeStatus::InGarrison;
    brigade.Location = static_cast<std::uint8_t>(place);
  }
  // The garrison counts follow the brigades that just arrived.
  RecountCorpsBrigades();
}

}  // namespace

void PoliticalEventsTurn() {
  SeaIncidentOf1861();
  for (int n : {TNation::Union, TNation::Confederacy}) CheckCapital(n);
  AddWarScore(TNation::Confederacy, kConfederateWarScoreEachTurn);
  if (GameState.Day < kFirstWeekEnd) EnterWarsOfTheMonth();
  ShowDatedNews();
}

int ChooseNewCapital(int oldCapital, int n) {
  if (!IsNation(n) || !IsEntryOf(GameState.Cities, oldCapital)) return 0;
  const int camp = GameState.Nations[n].Side;
  const TCity& lost = GameState.Cities[oldCapital];
  int chosen = 0;
  int best = INT_MIN;
  for (int s = 1; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    const int c = state.CapitalCity;
    if (state.Nation != n || state.Side != camp || !IsEntryOf(GameState.Cities, c)) continue;
    const TCity& city = GameState.Cities[c];
    // The government moves only to a city its camp holds.
    if (c == oldCapital || city.Side != camp) continue;
    int score = 100 - Distance(HexOf(city), HexOf(lost)) + city.Value + city.Fortifications;
    if (city.RailStation != 0) score += 100;
    score = state.ForeignCities != 0 ? score / 2 : score + 100;
    if (score > best) {
      best = score;
      chosen = c;
    }
  }
  if (n == TNation::Union && GameState.Cities[kUnionFallbackCapital].Side == TSide::Union)
    return kUnionFallbackCapital;
  return chosen;
}

void CapitalFalls(int n, int c) {
  if (!IsNation(n) || !IsEntryOf(GameState.Cities, c)) return;
  TNationRec& nation = GameState.Nations[n];
  const TCity& city = GameState.Cities[c];
  nation.Capital = static_cast<std::uint8_t>(c);
  ClearEventMessage();
  EventMessage.Kind = kCapitalNotice;
  EventMessage.Line1 = TextLine(199) + nation.Name.str();
  std::string place = TextLine(200) + city.Name.str();
  if (!NameTellsState(city) && IsEntryOf(GameState.States, city.State))
    place += "," + GameState.States[city.State].Name.str();
  EventMessage.Line2 = place;
  ShowEventMessage();
  AddWarScore(n, -kCapitalLossWarScore);
  for (int power : {TNation::France, TNation::Britain}) {
    const TNationRec& record = GameState.Nations[power];
    if (record.Side != 0) continue;
    if (n == TNation::Confederacy) RaiseAttitudeBelow(power, kCapitalAbroadSway, kFriendlyAttitude);
    if (n == TNation::Union && record.Attitude < kFriendlyAttitude)
      LowerAttitude(power, kCapitalAbroadSway);
  }
}

void CapitulateSide(int loser, int winner) {
  if (!IsNation(loser) || !IsNation(winner)) return;
  FillTextNotice(kStandardNotice, {CapitulationText(loser), 691, CapitulationText(winner)});
  const int camp = GameState.Nations[winner].Side;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.Nation == loser) {
      city.Nation = static_cast<std::uint8_t>(winner);
      city.Side = static_cast<std::uint8_t>(camp);
    }
    if (city.OriginalSide == loser) city.OriginalSide = static_cast<std::uint8_t>(winner);
  }
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (state.Nation != loser) continue;
    state.Nation = static_cast<std::uint8_t>(winner);
    state.Side = state.ControlSide = static_cast<std::uint8_t>(camp);
  }
  // The beaten nation's fleets go first, as they lie: only another nation's
  // fleet sent for one of its corps has it to give up.
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    if (GameState.Fleets[f].Nation == loser) GameState.Fleets[f].Status = TFleet::FreedStatus;
  }
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    if (GameState.Corps[k].Nation == loser) FreeCorpsSlot(k);
  }
  HandOverBrigades(loser, winner);
  TNationRec& beaten = GameState.Nations[loser];
  beaten.Human = beaten.Side = beaten.Capital = 0;
  GameOverCode = loser == TNation::Union ? kUnionCapitulated : kConfederacyCapitulated;
  ShowEventMessage();
}
