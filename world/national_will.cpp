#include "world/national_will.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "world/codes.h"
#include "world/game_window.h"
#include "world/monthly_income.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/recruiting.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

constexpr int kFirstWarYear = 1861;
constexpr int kDraftNoticeKind = 19;
constexpr int kDraftMonths = 9;
constexpr int kDraftLevelBonus = 20;
constexpr int kRiotLossesFloor = 2000;  // losses from 1 to this many keep the peace
constexpr int kRiotTextLine = 210;
constexpr int kUnionDraftText = 211;
constexpr int kConfederateDraftText = 212;

// The capital states whose cities send volunteers to each nation.
constexpr int kUnionVolunteerStates[] = {6, 8, 9, 10, 18, 19, 20, 32, 33, 34, 35};
constexpr int kConfederateVolunteerStates[] = {19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};
constexpr int kFrenchVolunteerStates[] = {37};
constexpr int kBritishVolunteerStates[] = {36};

std::span<const int> VolunteerStates(int nation) {
  switch (nation) {
    case TNation::Union:
      return kUnionVolunteerStates;
    case TNation::Confederacy:
      return kConfederateVolunteerStates;
    case TNation::France:
      return kFrenchVolunteerStates;
    case TNation::Britain:
      return kBritishVolunteerStates;
    default:
      return {};
  }
}

// The two governments that began the war; France and Britain may join it later.
bool IsFirstBelligerent(int n) {
  return n == TNation::Union || n == TNation::Confederacy;
}

bool SendsVolunteersTo(int state, int nation) {
  const std::span<const int> states = VolunteerStates(nation);
  return std::find(states.begin(), states.end(), state) != states.end();
}

// The strength balance a theatre must fall below to dismay the nation, and rise
// above to hearten it.
struct BalanceMarks {
  int low;
  int high;
};

BalanceMarks MarksOf(int nation) {
  if (nation == TNation::Union) return {0, 500};
  if (nation == TNation::Confederacy) return {-200, 0};
  return {0, 0};
}

int SumOverTheatres(const Table<U16, 3>& words) {
  int sum = 0;
  for (int t = 1; t <= words.Count; ++t) sum += words[t];
  return sum;
}

// How the nation feels about the war: below -1 it is in a crisis.
int WarMood(int n) {
  const TNationRec& nation = GameState.Nations[n];
  const BalanceMarks marks = MarksOf(n);
  int mood = 1;
  for (int t = 1; t <= TTheatre::Mississippi; ++t) {
    if (IsFirstBelligerent(n) && t == TTheatre::Seaboard && nation.AiWeight[t] < 5) mood -= 10;
    if (nation.Side == 0) {
      ++mood;
      continue;
    }
    if (nation.StrengthBalance[t] < marks.low) --mood;
    if (nation.StrengthBalance[t] > marks.high) ++mood;
    if (nation.TheatreCapacity[t] < 70) --mood;
  }
  if (n == TNation::Union && nation.CorpsCount < 20) mood -= 2;
  if (n == TNation::Confederacy && nation.CorpsCount < 15) mood -= 1;
  if (4 * SumOverTheatres(nation.SupplyDemand) > 4 + SumOverTheatres(nation.Supplies)) mood += 10;
  return mood;
}

bool FewCasualties(int n) {
  if (n == TNation::Union) return GameState.Casualties[n] < 700;
  if (n == TNation::Confederacy) return GameState.Casualties[n] < 500;
  return false;
}

void DeclareDraft(int n) {
  TNationRec& nation = GameState.Nations[n];
  // Only the two first belligerents have words for the draft; a draft by
  // anyone else is not announced with an empty notice.
  if (IsFirstBelligerent(n)) {
    Window().SetCursor(WindowCursor::Default);
    ClearEventMessage();
    EventMessage.Kind = kDraftNoticeKind;
    EventMessage.Line1 = TextLine(n == TNation::Union ? kUnionDraftText : kConfederateDraftText);
    ShowEventMessage();
  }
  nation.DraftMonths = kDraftMonths;
  nation.Bounty = 1;
  CheckRiots(n);
}

// A computer nation raises its bounty while it lacks corps, and in a crisis
// from the second year on calls a draft; otherwise the bounty is halved.
void ManageBountyAndDraft(int n, int mood) {
  TNationRec& nation = GameState.Nations[n];
  if (GameState.Year == kFirstWarYear && IsFirstBelligerent(n)) {
    --mood;
    if (GameState.Month < 9) nation.Bounty = 10;
  }
  if (nation.LeadershipAdvantage > 1 && nation.Bounty < 5)
    nation.Bounty = n == TNation::Union ? 9 : 4;
  if (nation.Bounty < 10) {
    if (n == TNation::Union && nation.CorpsCount < 20) nation.Bounty += 5;
    if (n == TNation::Confederacy && nation.CorpsCount < 10) nation.Bounty += 3;
  }
  if (FewCasualties(n)) mood = std::max(mood, 0);
  if (GameState.Year <= kFirstWarYear) return;

  if (nation.DraftMonths < -1 && mood < -1 && nation.Side != 0) {
    mood += 3;
    if (mood < -1) DeclareDraft(n);
  } else if (nation.Bounty > 1) {
    nation.Bounty = nation.Bounty / 2;
  }
}

// The bounty and leadership of the nation leading the camp draw men; a draft
// of the nation's own adds to the pull.
int VolunteerLevel(int n) {
  const int side = GameState.Nations[n].Side;
  const int leading = side == 0 ? TNation::Union : side;
  int level = 0;
  if (IsNation(leading)) {
    const TNationRec& leader = GameState.Nations[leading];
    level = leader.Bounty + 5 * leader.LeadershipAdvantage;
  }
  if (level == 0) level = 1;
  if (GameState.Nations[n].DraftMonths >= kDraftMonths) level += kDraftLevelBonus;
  return level;
}

void Enlist(TStateRec& state, TNationRec& nation, std::int64_t men) {
  AddSaturated(state.Enlisted, men);
  AddSaturated(state.Manpower, men);
  AddSaturated(nation.MonthRecruits, men);
}

// Under a slavery policy part of the slaves are enlisted; a third of that
// many leave the slave count.
void EnlistSlaves(U16& slaves, TStateRec& state, TNationRec& nation) {
  if (nation.PolicyStatus == 0 || slaves == 0) return;
  const int recruits = slaves / 10 * nation.PolicyStatus / 30;
  slaves -= static_cast<std::uint16_t>(recruits / 3);
  Enlist(state, nation, recruits);
}

// Where volunteers come from and what they cost: the level draws that many men
// for every peoplePerLevel people, each menPerBounty men are paid one bounty,
// and a third of the men leave the pool.
struct VolunteerPool {
  U16& people;
  int theatre;
  int level;
  int peoplePerLevel;
  int menPerBounty;
};

// The whole draw waits for a month whose supplies can pay for it.
void DrawVolunteers(const VolunteerPool& pool, TStateRec& state, int n) {
  TNationRec& nation = GameState.Nations[n];
  const std::int64_t people = pool.people;
  const std::int64_t men = std::min(pool.level * people / pool.peoplePerLevel, people);
  const std::int64_t cost = nation.Bounty * men / pool.menPerBounty;
  U16* supplies = TheatreSupplies(n, pool.theatre);
  if (SuppliesHeld(supplies) < cost) return;
  pool.people -= static_cast<std::uint16_t>(men / 3);
  Enlist(state, nation, men);
  if (supplies != nullptr) *supplies -= static_cast<std::uint16_t>(cost);
}

void DrawVolunteersFromCities(int s, int n) {
  TStateRec& state = GameState.States[s];
  TNationRec& nation = GameState.Nations[n];
  const int level = VolunteerLevel(n) * (n == TNation::Confederacy ? 2 : 1);
  const int peoplePerLevel = n == TNation::Union ? 400 : 300;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.State != s || city.Nation != n) continue;
    EnlistSlaves(city.Slaves, state, nation);
    DrawVolunteers({city.Population, city.Theatre, level, peoplePerLevel, 2}, state, n);
  }
}

void DrawVolunteersFromState(int s, int n) {
  TStateRec& state = GameState.States[s];
  EnlistSlaves(state.Slaves, state, GameState.Nations[n]);
  DrawVolunteers({state.Population, state.Theatre, VolunteerLevel(n), 400, 3}, state, n);
}

void DrawMonthsVolunteers(int n) {
  for (int s = 1; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    if (state.CapitalCity != 0) {
      if (SendsVolunteersTo(s, n)) DrawVolunteersFromCities(s, n);
    } else if (state.Nation == n && state.Side == state.ControlSide) {
      DrawVolunteersFromState(s, n);
    }
  }
}

void ReportDraftRiot(const TStateRec& state) {
  ClearEventMessage();
  EventMessage.Line1 = TextLine(kRiotTextLine);
  EventMessage.Line2 = state.Name.str();
  Window().ShowDraftRiotingReport(EventMessage);
}

}  // namespace

void CheckRiots(int nation) {
  if (!IsNation(nation)) return;
  const TNationRec& rioted = GameState.Nations[nation];
  int losses = 0;
  for (int s = 1; s <= GameState.States.Count; ++s)
    if (GameState.States[s].Nation == nation) losses += GameState.States[s].Losses;
  if (nation == TNation::Confederacy) losses /= 2;
  // A nation that has bled a little accepts the draft; one that has not bled
  // at all, or bled much, may riot.
  if (rioted.DraftMonths <= 0 || (losses != 0 && losses <= kRiotLossesFloor)) return;

  for (int s = 1; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    if (state.Nation != nation) continue;
    int roll = Random(60) + (GameState.Year - kFirstWarYear) * 30;
    if (nation == TNation::Confederacy) roll = Random(80);
    if (state.Loyalty >= roll) continue;
    ReportDraftRiot(state);
    LowerWarScore(nation, 2 * state.Weight);
  }
}

void UpdateNationalWill() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    TNationRec& nation = GameState.Nations[n];
    nation.MonthRecruits = 0;
    const int mood = WarMood(n);
    if (nation.Human == 0) ManageBountyAndDraft(n, mood);
    DrawMonthsVolunteers(n);
    nation.DraftMonths = static_cast<std::int8_t>(std::max(nation.DraftMonths - 1, -128));
  }
  RecruitFromStates();
}
