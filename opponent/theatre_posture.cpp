#include "opponent/theatre_posture.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "world/codes.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kZealPerLevel = 30;
constexpr int kMostZealLevel = 5;
constexpr int kTheatreBaseScore = 25;
constexpr int kBalanceTolerated = -500;
constexpr int kOffensiveLevel = 3;
constexpr int kPassiveBelowLevel = -3;

using PerTheatre = std::array<std::int64_t, kTheatreCount + 1>;

bool IsActive(int theatre) {
  return GameState.AiTheatreActive[theatre] == 1;
}

bool IsWinter() {
  return GameState.Month == 12 || GameState.Month == 1 || GameState.Month == 2;
}

// The nation's land strength in the theatre against everyone not of its camp.
int StrengthBalance(int nation, int theatre) {
  const int camp = GameState.Nations[nation].Side;
  int balance = GameState.Nations[nation].LandStrength[theatre];
  for (int other = 1; other <= GameState.Nations.Count; ++other) {
    if (GameState.Nations[other].Side != camp)
      balance -= GameState.Nations[other].LandStrength[theatre];
  }
  return balance;
}

int ZealLevel(int nation, int theatre) {
  TNationRec& record = GameState.Nations[nation];
  int level = std::min(record.AiAggression[theatre] / kZealPerLevel, kMostZealLevel);
  const int balance = StrengthBalance(nation, theatre);
  StoreSaturated(record.StrengthBalance[theatre], balance);
  if (balance > 0) {
    level += 2;
  } else {
    level -= 1;
    // The enemy more than twice as strong.
    if (balance < -record.LandStrength[theatre]) level -= 2;
  }
  if (const int demand = record.SupplyDemand[theatre]; demand != 0)
    level -= std::min(demand / (300 * record.AiWeight[theatre] + 1), 2);
  int score = kTheatreBaseScore;
  if (record.CitySizeSum[theatre] < record.CitySizeStart[theatre])
    score += record.CitySizeStart[theatre] - record.CitySizeSum[theatre];
  StoreSaturated(record.AiTheatreScore[theatre], score);
  return level;
}

// A threatened or lost capital stiffens its theatre; winter there cools it.
void AnswerCapitalDanger(TNationRec& record, PerTheatre& level) {
  if (!IsEntryOf(GameState.Cities, record.Capital)) return;
  const int theatre = GameState.Cities[record.Capital].Theatre;
  if (!IsTheatre(theatre)) return;
  level[theatre] += record.CapitalThreat == 2 ? 2 : record.CapitalThreat == 1 ? 1 : 0;
  if (IsWinter()) level[theatre] /= 2;
}

// The theatre that promises most is pressed harder, the least promising one
// eased; with one active theatre the two cancel out.
void WeighTheatres(TNationRec& record, PerTheatre& level) {
  int best = 0;
  int lowest = 0;
  std::int64_t bestScore = 0;
  std::int64_t lowestScore = 0;
  for (int t = 1; t <= kTheatreCount; ++t) {
    if (!IsActive(t)) continue;
    std::int64_t score = record.AiTheatreScore[t] / 2 + 5;
    if (level[t] >= 0) score += 2 * (level[t] + 5);
    if (score > bestScore) {
      bestScore = score;
      best = t;
    }
    if (lowest == 0 || score < lowestScore) {
      lowestScore = score;
      lowest = t;
    }
  }
  if (best != 0) ++level[best];
  if (lowest != 0) --level[lowest];
}

// Readiness and quality summed over the corps of a theatre, times their number.
struct TheatreForces {
  PerTheatre own{};
  PerTheatre ownCount{};
  PerTheatre enemy{};
  PerTheatre enemyCount{};
};

TheatreForces CountTheatreForces(int camp) {
  TheatreForces forces;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0 || !IsTheatre(corps.Theatre)) continue;
    const bool own = corps.Side == camp;
    (own ? forces.own : forces.enemy)[corps.Theatre] += corps.Readiness + corps.Quality;
    ++(own ? forces.ownCount : forces.enemyCount)[corps.Theatre];
  }
  return forces;
}

int PostureOfLevel(std::int64_t level, int nation) {
  if (level < kPassiveBelowLevel) return TAiPosture::Passive;
  if (level >= 8 - nation) return TAiPosture::AllOut;
  if (level >= kOffensiveLevel) return TAiPosture::Offensive;
  return TAiPosture::Defensive;
}

}  // namespace

int PostureIn(int nation, int theatre) {
  if (!IsTheatre(theatre) || !IsEntryOf(GameState.Nations, nation)) return TAiPosture::Passive;
  return GameState.Nations[nation].AiTheatrePosture[theatre];
}

void UpdateRegionalAggression(int nation) {
  TNationRec& record = GameState.Nations[nation];
  PerTheatre level{};
  for (int t = 1; t <= kTheatreCount; ++t)
    level[t] = IsActive(t) ? ZealLevel(nation, t) : record.AiAggressionLevel[t];
  AnswerCapitalDanger(record, level);
  WeighTheatres(record, level);
  const TheatreForces forces = CountTheatreForces(record.Side);
  // The Union and Britain count on one corps more than they have.
  const int extraCorps = nation == TNation::Union || nation == TNation::Britain ? 1 : 0;
  for (int t = 1; t <= kTheatreCount; ++t) {
    if (!IsActive(t)) continue;
    const std::int64_t own = forces.own[t] * (forces.ownCount[t] + extraCorps);
    level[t] += own >= forces.enemy[t] * forces.enemyCount[t] ? 1 : -1;
    level[t] += record.StrengthBalance[t] >= kBalanceTolerated ? 1 : -1;
    record.AiTheatrePosture[t] = static_cast<std::uint8_t>(PostureOfLevel(level[t], nation));
  }
  for (int t = 1; t <= kTheatreCount; ++t) StoreSaturated(record.AiAggressionLevel[t], level[t]);
}
