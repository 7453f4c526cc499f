#include "world/foreign_intervention.h"

#include "world/codes.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/slavery_policies.h"
#include "world/table_slots.h"
#include "world/text_notices.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

constexpr int kForeignNotice = 25;
constexpr int kBargainState = 23;
constexpr int kBargainAttitude = 30;
constexpr int kLastBargainYear = 1864;
constexpr int kBargainWarScore = 500;
constexpr int kDesperateWarScore = 400;
constexpr int kComputerAcceptsInHundred = 10;
constexpr int kBargainDeclinedAttitude = 50;
constexpr int kBritishPolicyWatch = 26;

TNationRec& Nation(int n) {
  return GameState.Nations[n];
}

// A human Confederacy is asked; a computer one, while France is still at
// peace and the war goes badly, takes the offer one time in ten.
bool ConfederacyTakesBargain() {
  const TNationRec& confederacy = Nation(TNation::Confederacy);
  if (confederacy.Human != 0) {
    FillTextNotice(kForeignNotice, {700, 701, 702});
    OfferTwoOptions(703, 704);
    ShowEventMessage();
    return EventMessage.Choice == 1;
  }
  if (Nation(TNation::France).Side != 0 || confederacy.WarScore >= kDesperateWarScore) return false;
  return Random(100) < kComputerAcceptsInHundred;
}

// The state passes to France for good, and France comes into the war at
// once: the state and its cities stand in the Confederate camp with it.
void CedeBargainState() {
  TStateRec& state = GameState.States[kBargainState];
  state.Nation = TNation::France;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.State == kBargainState) city.Nation = city.OriginalSide = TNation::France;
  }
  JoinWar(TNation::France);
  state.ControlSide = state.Side;
  Nation(TNation::France).Attitude = 0;
  const I16& britain = Nation(TNation::Britain).Attitude;
  if (britain >= 13 && britain <= 99) Nation(TNation::Britain).Attitude -= 12;
  AddWarScore(TNation::Union, -25);
  FillTextNotice(kForeignNotice, {705, 706, 707, 708});
  ShowEventMessage();
}

void OfferBargainState() {
  const TNationRec& confederacy = Nation(TNation::Confederacy);
  if (GameState.States[kBargainState].Nation != TNation::Confederacy ||
      Nation(TNation::France).Attitude >= kBargainAttitude || GameState.Year > kLastBargainYear ||
      confederacy.WarScore >= kBargainWarScore)
    return;
  if (ConfederacyTakesBargain())
    CedeBargainState();
  else
    Nation(TNation::France).Attitude = kBargainDeclinedAttitude;
}

}  // namespace

void JoinWar(int power) {
  Nation(power).Side = TSide::Confederate;
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    if (GameState.Corps[k].Nation == power) GameState.Corps[k].Side = TSide::Confederate;
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    if (GameState.Fleets[f].Nation == power) GameState.Fleets[f].Side = TSide::Confederate;
  }
  for (int s = 1; s <= GameState.States.Count; ++s) {
    if (GameState.States[s].Nation == power) GameState.States[s].Side = TSide::Confederate;
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    if (GameState.Cities[c].Nation == power) GameState.Cities[c].Side = TSide::Confederate;
  }
}

void BritainEntersWar() {
  const TNationRec& britain = Nation(TNation::Britain);
  const TNationRec& confederacy = Nation(TNation::Confederacy);
  if (confederacy.Human == 0 && britain.Attitude < kBritishPolicyWatch &&
      confederacy.PolicyStatus == 0 && confederacy.WarScore < kDesperateWarScore)
    CheckPolicyEvents(TNation::Confederacy);
  if (britain.Attitude != 0 || britain.Side == TSide::Confederate) return;
  FillTextNotice(kForeignNotice, {693, 694, 695, 696});
  ShowEventMessage();
  JoinWar(TNation::Britain);
}

void FranceEntersWar() {
  TNationRec& france = Nation(TNation::France);
  if (france.Attitude < 2 && france.Side != TSide::Confederate) {
    france.Attitude = 0;
    FillTextNotice(kForeignNotice, {697, 698, 699});
    ShowEventMessage();
    JoinWar(TNation::France);
  }
  OfferBargainState();
}

void CheckPolicyEvents(int nation) {
  if (nation != TNation::Union && nation != TNation::Confederacy) return;
  const TNationRec& own = Nation(nation);
  const TNationRec& other =
      Nation(nation == TNation::Union ? TNation::Confederacy : TNation::Union);
  if (own.Human != 0) return;
  if (nation == TNation::Confederacy && own.PolicyStatus == 0 &&
      own.WarScore + 200 < other.WarScore)
    AdoptCombatRoles();
  if (nation == TNation::Union && own.PolicyStatus == 10 && own.WarScore > other.WarScore + 75)
    ProclaimEmancipation();
}

void CheckUnionPolicy() {
  CheckPolicyEvents(TNation::Union);
}
