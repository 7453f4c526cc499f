#include "world/city_control.h"

#include <algorithm>
#include <string>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/game_window.h"
#include "world/hex_control.h"
#include "world/hex_grid.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_notices.h"
#include "world/text_table.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

constexpr int kCityNotice = 3;
constexpr int kStateLostNotice = 18;
constexpr int kNewspaperNotice = 24;

constexpr int kIncidentRange = 4;
constexpr int kFirstPatrolMission = 4;
constexpr int kMostEntrenchment = 3;
constexpr int kCapitalLostWarScore = 150;
constexpr int kLootChanceRange = 120;
constexpr int kForagerLootChance = 50;
constexpr int kMostOccupationAsked = 100;
constexpr int kLootedSupplyStatus = 1;
constexpr int kGarrisonPopulation = 500;
constexpr int kMostGarrisonNeed = 4;
constexpr int kGreenQuality = 10;

constexpr int kCaptorNationText = 16;  // 17..20 by nation
constexpr int kCommanderText = 21;
constexpr int kCapitalSuffixText = 32;

std::string NationName(int nation) {
  return IsNation(nation) ? GameState.Nations[nation].Name.str() : std::string();
}

const char* NationWord(int nation) {
  static const char* const kWords[] = {"", "the Union.", "the Confederacy.", "France.", "Britain."};
  return IsNation(nation) ? kWords[nation] : "";
}

// Each state of the camp.
template <typename Change>
void ForEachStateOfCamp(bool sameCamp, int camp, Change change) {
  for (int s = 1; s <= GameState.States.Count; ++s) {
    if ((GameState.States[s].Side == camp) == sameCamp) change(s);
  }
}

// A belligerent fleet on a fighting mission close to a French or British
// port offends that power's newspapers. One incident per pass is enough.
void RaiseForeignPortIncident() {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0 || fleet.Side == 0 || fleet.Mission < kFirstPatrolMission) continue;
    for (int c = 1; c <= GameState.Cities.Count; ++c) {
      const TCity& city = GameState.Cities[c];
      if (city.Side != TSide::None || city.Nation < TNation::France || !IsNation(city.Nation))
        continue;
      if (HexDistance(city.X, city.Y, fleet.X, fleet.Y) >= kIncidentRange) continue;
      ClearEventMessage();
      EventMessage.Kind = kNewspaperNotice;
      EventMessage.Line1 = NationName(city.Nation) + TextLine(13);
      EventMessage.Line2 = NationName(fleet.Nation) + TextLine(14);
      EventMessage.Line3 = TextLine(15);
      EventMessage.Line4 = TextLine(16);
      ShowEventMessage();
      NudgeAttitude(fleet.Nation, -1);
      return;
    }
  }
}

struct Capture {
  int city = 0;
  int corps = 0;
  int camp = 0;
  int nation = 0;
  int formerCamp = 0;
  int formerNation = 0;
};

// Corps of the city's camp on its hex hold it and dig in; otherwise the
// last enemy corps in the table that stands there takes it.
Capture FindCaptor(int c) {
  Capture capture;
  TCity& city = GameState.Cities[c];
  bool held = false;
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    TCorps& corps = GameState.Corps[k];
    if (corps.Inactive != 0 || corps.Stance >= TCombatStance::Embarked ||
        !StandsOn(corps, city.X, city.Y))
      continue;
    if (corps.Side == city.Side) {
      held = true;
      corps.Entrenchment = static_cast<std::uint8_t>(
          std::min(kMostEntrenchment, corps.Entrenchment + city.Fortifications));
    } else if (!held) {
      capture.corps = k;
      capture.camp = corps.Side;
      capture.nation = corps.Nation;
    }
  }
  if (held || (capture.camp != TSide::Union && capture.camp != TSide::Confederate)) return {};
  capture.city = c;
  capture.formerCamp = city.Side;
  capture.formerNation = city.Nation;
  return capture;
}

// The first capture in a neutral border state decides it: its other neutral
// cities, and their garrisons, side with the invader's enemy.
void TurnNeutralStateAgainst(const Capture& capture) {
  const int camp = OppositeCamp(capture.camp);
  const int state = GameState.Cities[capture.city].State;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (c == capture.city || city.State != state || city.Side != TSide::None) continue;
    city.Side = city.Nation = static_cast<std::uint8_t>(camp);
    for (int b = 1; b <= GameState.Brigades.Count; ++b) {
      TBrigade& brigade = GameState.Brigades[b];
      if (IsGarrisonOf(brigade, c)) brigade.Nation = static_cast<std::uint8_t>(camp);
    }
  }
  RecomputeHexControl();
}

void ChangeHands(const Capture& capture) {
  TCity& city = GameState.Cities[capture.city];
  AddWarScore(capture.nation, city.Value);
  // The former camp's number stands for its nation here: camp 1 is the
  // Union's, camp 2 the Confederacy's.
  LowerWarScore(capture.formerCamp, city.Value);
  if (capture.formerCamp == TSide::None && city.State == kNeutralStateSouth)
    TurnNeutralStateAgainst(capture);
  city.Side = static_cast<std::uint8_t>(capture.camp);
  city.Nation = static_cast<std::uint8_t>(capture.nation);
}

std::string CityAndState(const TCity& city) {
  std::string text = city.Name.str() + " ";
  if (IsEntryOf(GameState.States, city.State)) text += GameState.States[city.State].ShortName.str();
  return text;
}

void AnnounceCapture(const Capture& capture) {
  const TCity& city = GameState.Cities[capture.city];
  ClearEventMessage();
  EventMessage.Kind = kCityNotice;
  if (IsNation(capture.nation)) EventMessage.Line1 = TextLine(kCaptorNationText + capture.nation);
  EventMessage.Line2 = TextLine(kCommanderText) + LeaderName(GameState.Corps[capture.corps].Leader);
  EventMessage.Line3 = TextLine(22);
  std::string place = CityAndState(city);
  if (IsNation(capture.formerNation) &&
      GameState.Nations[capture.formerNation].Capital == capture.city) {
    place += TextLine(kCapitalSuffixText);
    LowerWarScore(capture.formerNation, kCapitalLostWarScore);
  }
  EventMessage.Line4 = place;
  ShowEventMessage();
}

// Brigades waiting in the city, in its garrison or newly raised there are
// taken prisoner.
void TakeCityBrigades(int c) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Location != c || brigade.Status < TBrigadeStatus::InGarrison ||
        !IsEntryOf(GameState.States, brigade.HomeState))
      continue;
    TakeBrigadePrisoner(b);
  }
}

void ShakeOtherStates(const Capture& capture) {
  const TCity& city = GameState.Cities[capture.city];
  for (int s = 1; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    if (state.Side != 0 && state.Side != capture.camp && s != city.State)
      LowerLoyalty(s, city.Value / 2 + 1);
  }
}

// How the looting is done: a computer's men are let loose, a player's are
// held to a cap and leave the state's people less stirred.
struct LootRules {
  bool capOccupation;
  int occupationPerLoyalty;
};
constexpr LootRules kComputerLoot{false, 15};
constexpr LootRules kPlayerLoot{true, 10};

void Loot(const Capture& capture, LootRules rules) {
  TCity& city = GameState.Cities[capture.city];
  TCorps& corps = GameState.Corps[capture.corps];
  corps.SupplyStatus = kLootedSupplyStatus;
  city.Fortifications = 0;
  const int occupation = city.Occupation + corps.Strength / 10;
  StoreSaturated(city.Occupation,
                 rules.capOccupation ? std::min(occupation, kMostOccupationAsked) : occupation);
  AddCorpsFatigue(capture.corps, 1);
  // A city without a state has no people to stir and nothing to report.
  if (!IsEntryOf(GameState.States, city.State)) return;
  RaiseLoyalty(city.State, city.Occupation / rules.occupationPerLoyalty);
  ReportCityFall(capture.city, capture.corps, capture.formerNation);
}

void CheerCaptorStates(const Capture& capture) {
  const int share = GameState.Cities[capture.city].Value / 3;
  ForEachStateOfCamp(true, capture.camp, [share](int s) { RaiseLoyalty(s, share); });
}

bool ComputerDecidesLoot(int nation) {
  return !IsHumanNation(nation) || GameState.PlayMode == TPlayMode::MailSetUp;
}

// Returns false when the player spared the city.
bool DecideLoot(const Capture& capture) {
  const TCorps& corps = GameState.Corps[capture.corps];
  if (ComputerDecidesLoot(capture.nation)) {
    int chance = LeaderRating(corps.Leader, &TLeader::Aggression);
    if (corps.SupplyType == TSupplyType::Foraging) chance += kForagerLootChance;
    if (Random(kLootChanceRange) < chance) {
      Loot(capture, kComputerLoot);
      CheerCaptorStates(capture);
    }
    return true;
  }
  FillTextNotice(kCityNotice, {23});
  OfferTwoOptions(4, 3);
  ShowEventMessage();
  if (EventMessage.Choice != 2) return false;
  Loot(capture, kPlayerLoot);
  const int share = GameState.Cities[capture.city].Value / 3;
  ForEachStateOfCamp(false, capture.camp, [share](int s) { LowerLoyalty(s, share); });
  CheerCaptorStates(capture);
  return true;
}

// London reads of the sack: the Union's loses it friends, the Confederacy's
// wins it some.
void ReportInNewspapers(const Capture& capture) {
  const int draw = Random(4);
  if (capture.camp == TSide::Union) NudgeAttitude(TNation::Britain, -1);
  if (capture.camp == TSide::Confederate) NudgeAttitude(TNation::Britain, 1);
  if (draw != 3) return;
  FillTextNotice(kNewspaperNotice, {24, 25, 28, 458});
  ShowEventMessage();
}

void RewardCaptor(const Capture& capture) {
  TLeader* commander = LeaderRecord(GameState.Corps[capture.corps].Leader);
  const int value = GameState.Cities[capture.city].Value;
  if (commander != nullptr) AddSaturated(commander->Modifier, std::max(value, 3) / 3);
}

bool IsGreenInfantryOf(const TBrigade& brigade, int corps) {
  return IsBrigadeOfCorps(brigade, corps) && brigade.Arm == TArm::Infantry &&
         brigade.Quality < kGreenQuality;
}

// The corps' greenest infantry brigade; 0 when none is below veteran quality.
int GreenestInfantry(int corps) {
  int chosen = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!IsGreenInfantryOf(brigade, corps)) continue;
    if (chosen == 0 || brigade.Quality < GameState.Brigades[chosen].Quality) chosen = b;
  }
  return chosen;
}

int GreenInfantryCount(int corps) {
  int count = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    if (IsGreenInfantryOf(GameState.Brigades[b], corps)) ++count;
  }
  return count;
}

// A computer captor holds a conquered city with its greenest infantry.
void LeaveGarrison(const Capture& capture) {
  TCity& city = GameState.Cities[capture.city];
  TCorps& corps = GameState.Corps[capture.corps];
  city.GarrisonNeed = static_cast<std::uint8_t>(
      std::min(city.Population / kGarrisonPopulation + 1, kMostGarrisonNeed));
  const int green = GreenInfantryCount(capture.corps);
  if (green <= 1) return;
  int left = city.GarrisonNeed < green ? city.GarrisonNeed : 1;
  while (left > 0) {
    const int b = GreenestInfantry(capture.corps);
    if (b == 0) return;
    GameState.Brigades[b].Location = static_cast<std::uint8_t>(capture.city);
    GameState.Brigades[b].Status = TBrigadeStatus::InGarrison;
    // Counted at once, so the city is not open to the next corps that walks in.
    RecountGarrison(capture.city);
    --corps.OtherBrigades;
    if (city.GarrisonNeed > 0) --city.GarrisonNeed;
    --left;
    if (corps.OtherBrigades < 2) return;
  }
}

void CaptureCity(const Capture& capture) {
  ChangeHands(capture);
  AnnounceCapture(capture);
  TakeCityBrigades(capture.city);
  ShakeOtherStates(capture);
  const TCity& city = GameState.Cities[capture.city];
  // A camp retaking a city of its own is no conqueror there.
  if (city.OriginalSide != city.Nation) {
    if (DecideLoot(capture)) ReportInNewspapers(capture);
    RewardCaptor(capture);
  }
  if (city.Nation != 0 && !IsHumanNation(city.Nation) && city.Nation != city.OriginalSide)
    LeaveGarrison(capture);
}

void AnnounceStateLost(const TStateRec& state, int nation) {
  ClearEventMessage();
  EventMessage.Kind = kStateLostNotice;
  EventMessage.Line1 = state.Name.str() + TextLine(29);
  EventMessage.Line2 = NationWord(nation);
  ShowEventMessage();
}

// France and Britain weigh each state that changes hands: at war they tire of
// it, at peace they are impressed.
void WeighAbroad(int weight, int candidate) {
  for (int power : {TNation::France, TNation::Britain}) {
    if (power == candidate) continue;
    const TNationRec& record = GameState.Nations[power];
    if (record.Side == 0) {
      NudgeAttitude(power, weight);
    } else if (record.Attitude > weight) {
      NudgeAttitude(power, -weight);
    }
  }
}

// A slave state's cities follow their new master; in a neutral border state
// the still neutral ones take the other camp.
void SettleSlaveStateCities(int s) {
  const TStateRec& state = GameState.States[s];
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.State != s) continue;
    if (city.Side == state.ControlSide) city.Nation = state.Nation;
    if (IsNeutralBorderState(s) && city.Side == TSide::None)
      city.Side = city.Nation = static_cast<std::uint8_t>(OppositeCamp(state.Side));
  }
}

void SettleStateOwner(int s) {
  TStateRec& state = GameState.States[s];
  const int capital = state.CapitalCity;
  // A state without a capital city, or whose capital no nation holds, keeps
  // its owner.
  const int candidate = IsEntryOf(GameState.Cities, capital) ? GameState.Cities[capital].Nation : 0;
  if (!IsNation(candidate) || candidate == state.Nation) return;
  const int previous = state.Nation;
  const int camp = GameState.Nations[candidate].Side;
  if (IsNation(previous) && GameState.Nations[previous].Side == camp) return;
  state.ControlSide = static_cast<std::uint8_t>(camp);
  state.Nation = static_cast<std::uint8_t>(candidate);
  if (IsNeutralBorderState(s)) {
    state.Side = static_cast<std::uint8_t>(camp);
    state.InfantryPoints = state.CavalryPoints = state.ArtilleryPoints = state.Manpower = 0;
  }
  AddWarScore(candidate, 2 * state.Weight);
  LowerWarScore(previous, state.Weight);
  WeighAbroad(state.Weight, candidate);
  AnnounceStateLost(state, candidate);
  if (state.Slaves > 0) SettleSlaveStateCities(s);
}

}  // namespace

bool IsNeutralBorderState(int state) {
  return state == kNeutralStateNorth || state == kNeutralStateSouth;
}

int OppositeCamp(int camp) {
  if (camp == TSide::Union) return TSide::Confederate;
  if (camp == TSide::Confederate) return TSide::Union;
  return TSide::None;
}

void LoseBrigade(int b) {
  const TBrigade& brigade = GameState.Brigades[b];
  if (IsEntryOf(GameState.States, brigade.HomeState))
    AddSaturated(GameState.States[brigade.HomeState].Losses, brigade.Strength);
  ClearBrigade(b);
}

void TakeBrigadePrisoner(int b) {
  const TBrigade& brigade = GameState.Brigades[b];
  if (IsNation(brigade.Nation)) AddSaturated(GameState.Prisoners[brigade.Nation], brigade.Strength);
  LoseBrigade(b);
}

void UpdateCityControl() {
  RaiseForeignPortIncident();
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    // A garrisoned city falls only to an assault.
    if (GameState.Cities[c].GarrisonCount != 0) continue;
    const Capture capture = FindCaptor(c);
    if (capture.city != 0) CaptureCity(capture);
  }
  for (int s = 1; s <= GameState.States.Count; ++s) SettleStateOwner(s);
}

void ReportCityFall(int c, int corps, int formerNation) {
  const TCity& city = GameState.Cities[c];
  const TCorps& captor = GameState.Corps[corps];
  ClearEventMessage();
  EventMessage.Kind = kCityNotice;
  EventMessage.Line1 = TextLine(9) + LeaderName(captor.Leader);
  EventMessage.Line2 = TextLine(10) + city.Name.str();
  const int booty = std::max(city.Value * 10 - city.Occupation / 5, 0);
  // A neutral city has no treasury to seize.
  if (IsNation(formerNation) && IsEntryOf(GameState.Nations[formerNation].Supplies, city.Theatre)) {
    U16& stores = GameState.Nations[formerNation].Supplies[city.Theatre];
    if (stores >= booty) {
      EventMessage.Line3 = std::to_string(booty) + TextLine(11);
      stores -= static_cast<std::uint16_t>(booty);
      if (IsNation(captor.Nation))
        AddSaturated(GameState.Nations[captor.Nation].Supplies[city.Theatre], booty);
    }
  }
  const int owner = city.OriginalSide;
  if (IsNation(owner) && GameState.Nations[owner].RailCapacity != 0 && captor.Nation != owner) {
    EventMessage.Line4 = TextLine(12);
    --GameState.Nations[owner].RailCapacity;
  }
  ShowEventMessage();
}
