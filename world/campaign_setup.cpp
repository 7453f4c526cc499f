#include "world/campaign_setup.h"

#include "world/codes.h"
#include "world/file_io.h"
#include "world/game_window.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

constexpr int kMissouri = 19;
constexpr int kKentucky = 20;
// The state whose Confederate corps fall back when Missouri joins, and where.
constexpr int kMissouriFallBackState = 24;
constexpr int kMissouriFallBackCity = 56;
// The Union holds this Missouri city when the state joins the Confederacy.
constexpr int kMissouriUnionCity = 55;

constexpr int kBorderStateLoyaltyGain = 30;
constexpr int kNewCapitalValueGain = 10;
constexpr int kRichmondValueLoss = 5;

// Without France or Britain in the war their attitude is the default.
constexpr std::array<int, 2> kForeignNations = {TNation::France, TNation::Britain};

void SetIfNone(std::uint8_t& field, int value) {
  if (field == 0) field = static_cast<std::uint8_t>(value);
}

void GiveCitiesOfStateToConfederacy(int state) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.State != state) continue;
    city.Nation = city.Side = city.OriginalSide = TNation::Confederacy;
  }
}

void MoveCorpsOfNationInState(int nation, int state, const TCity& to) {
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    TCorps& corps = GameState.Corps[k];
    if (corps.IsFree() || corps.Nation != nation) continue;
    if (!TMapRecord::OnMap(corps.X, corps.Y) || MapRecord.Cell(corps.X, corps.Y).State() != state)
      continue;
    corps.X = to.X;
    corps.Y = to.Y;
  }
}

void KentuckyJoins() {
  TStateRec& kentucky = GameState.States[kKentucky];
  SetIfNone(kentucky.Nation, TNation::Confederacy);
  SetIfNone(kentucky.ControlSide, TSide::Confederate);
  SetIfNone(kentucky.Side, TSide::Confederate);
  RaiseLoyalty(kKentucky, kBorderStateLoyaltyGain);
  GiveCitiesOfStateToConfederacy(kKentucky);
}

// Only a Missouri that no nation holds yet can join.
void MissouriJoins() {
  TStateRec& missouri = GameState.States[kMissouri];
  if (missouri.Nation != 0) return;
  missouri.Nation = missouri.ControlSide = missouri.Side = TNation::Confederacy;
  GiveCitiesOfStateToConfederacy(kMissouri);
  TCity& union_city = GameState.Cities[kMissouriUnionCity];
  union_city.Nation = union_city.Side = TNation::Union;
  MoveCorpsOfNationInState(TNation::Union, kMissouri, union_city);
  MoveCorpsOfNationInState(TNation::Confederacy, kMissouriFallBackState,
                           GameState.Cities[kMissouriFallBackCity]);
  RaiseLoyalty(kMissouri, kBorderStateLoyaltyGain);
}

std::uint8_t Varied(int rating, int spread) {
  return static_cast<std::uint8_t>((3 * rating + Random(spread)) / 4);
}

void VaryRatingsSlightly() {
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    TLeader& leader = GameState.Leaders[l];
    leader.Combat = Varied(leader.Combat, 59);
    leader.Initiative = Varied(leader.Initiative, 10);
    leader.Aggression = Varied(leader.Aggression, 50);
    leader.Inspiration = Varied(leader.Inspiration, 50);
  }
}

void RandomRatings() {
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    TLeader& leader = GameState.Leaders[l];
    leader.Combat = static_cast<std::uint8_t>(Random(59) + 1);
    leader.Initiative = static_cast<std::uint8_t>(Random(7) + 3);
    leader.Aggression = static_cast<std::uint8_t>(Random(50) + 5);
    leader.Inspiration = static_cast<std::uint8_t>(Random(50) + 10);
  }
}

// A set-up shown again for a saved game keeps its capital without paying
// for the move a second time.
void MoveConfederateCapital(int city) {
  std::uint8_t& capital = GameState.Nations[TNation::Confederacy].Capital;
  const bool moves = capital != city;
  capital = static_cast<std::uint8_t>(city);
  if (city == kRichmond || !moves) return;
  AddSaturated(GameState.Cities[city].Value, kNewCapitalValueGain);
  AddSaturated(GameState.Cities[kRichmond].Value, -kRichmondValueLoss);
}

// A mild advantage adds 12 / 1 / 12 to combat, initiative and inspiration, a
// large one 24 / 3 / 24. It is meant for a computer side: an advantage left
// chosen in the hidden group of a side switched back to a human is not given.
void GiveLeadershipAdvantage(int nation, int advantage) {
  if (advantage == 0 || GameState.Nations[nation].Human != 0) return;
  GameState.Nations[nation].LeadershipAdvantage = static_cast<std::uint8_t>(advantage);
  const int rating_gain = advantage == 1 ? 12 : 24;
  const int initiative_gain = advantage == 1 ? 1 : 3;
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    TLeader& leader = GameState.Leaders[l];
    if (leader.Side != nation) continue;
    AddSaturated(leader.Combat, rating_gain);
    AddSaturated(leader.Initiative, initiative_gain);
    AddSaturated(leader.Inspiration, rating_gain);
  }
}

// The opponent's replay starts from this file; it holds no battle yet.
void StartMailGame() {
  GameState.PlayMode = TPlayMode::MailSetUp;
  BattleLog = {"No History"};
  const std::string error = WriteTextLines(GameFileName + "BTL", BattleLog);
  if (!error.empty()) Window().ShowMessage("The battle file was not saved: " + error + ".");
  GameState.MailSide = 1;
  GameState.BattleCount = 0;
}

}  // namespace

void RestoreIndustryOfStatesWithoutCapital() {
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (state.CapitalCity == 0) state.Industry = state.BaseIndustry;
  }
}

void ApplySetupChoices(const TSetupChoices& choices) {
  if (choices.kentucky_joins) KentuckyJoins();
  if (choices.missouri_joins) MissouriJoins();
  for (int nation : {TNation::Union, TNation::Confederacy})
    GameState.Nations[nation].Human = choices.human[nation - 1] ? 1 : 0;
  if (choices.full_campaign) {
    GameState.EndMonth = 6;
    GameState.EndYear = 1865;
    GameState.ExtensionMark = 5;
  }
  if (choices.ratings == LeaderRatings::kSlightVariation) VaryRatingsSlightly();
  if (choices.ratings == LeaderRatings::kRandom) RandomRatings();
  GameState.ShowLeaderRatings = choices.ratings_in_view ? 1 : 0;
  MoveConfederateCapital(choices.confederate_capital);
  for (int nation : {TNation::Union, TNation::Confederacy})
    GameState.Nations[nation].Side = static_cast<std::uint8_t>(nation);
  if (choices.slavery_policy != 0)
    GameState.Nations[TNation::Confederacy].PolicyStatus =
        static_cast<std::uint8_t>(choices.slavery_policy);
  for (int nation : kForeignNations) GameState.Nations[nation].Attitude = choices.intervention_attitude;
  for (int nation : {TNation::Union, TNation::Confederacy}) {
    GameState.Nations[nation].LeadershipAdvantage = 0;
    GiveLeadershipAdvantage(nation, choices.advantage[nation - 1]);
  }
  const bool both_human = choices.human[0] && choices.human[1];
  GameState.PlayMode = TPlayMode::OneMachine;
  if (both_human && choices.by_mail) StartMailGame();
  if (!both_human) InitSidePlanState();
}

void InitSidePlanState() {
  for (int p = 1; p <= GameState.AiPlans.Count; ++p) {
    TAiPlan& plan = GameState.AiPlans[p];
    plan.Limit = 0;
    plan.Counter = 0;
    plan.Phase = 0;
  }
}
