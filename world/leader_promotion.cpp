#include "world/leader_promotion.h"

#include <algorithm>

#include "world/brigade_rules.h"
#include "world/command_relief.h"
#include "world/corps_command.h"
#include "world/force_slots.h"
#include "world/force_totals.h"
#include "world/vardecl.h"

namespace {
constexpr int kStandingLost = 10;
constexpr int kLowestQuietStanding = -10;
constexpr int kWarScoreOfScandal = 2;

void CutRating(std::uint8_t& rating, int keep, int of) {
  rating = static_cast<std::uint8_t>(rating * keep / of);
}
}  // namespace

bool CanBePromoted(int leader) {
  const TLeader* record = LeaderRecord(leader);
  return record && record->Rank < TLeaderClass::Army;
}

bool PromoteLeader(int l, int nation) {
  TLeader& leader = *LeaderRecord(l);
  leader.Rank = leader.Rank == TLeaderClass::Corps ? TLeaderClass::Army : TLeaderClass::Corps;
  leader.Modifier = static_cast<std::int8_t>(std::max(leader.Modifier - kStandingLost, -128));
  const bool scandal = leader.Modifier < kLowestQuietStanding;
  if (scandal) ChargeWarScore(nation, kWarScoreOfScandal);
  CutRating(leader.Initiative, scandal ? 2 : 4, scandal ? 3 : 5);
  CutRating(leader.Combat, scandal ? 2 : 4, scandal ? 3 : 5);
  leader.Experience = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.IsFree() || corps.Leader != l) continue;
    corps.Capacity = static_cast<std::uint8_t>(CorpsCapacity(TCorpsKind::Corps, leader.Combat));
    corps.Kind = TCorpsKind::Corps;
    corps.Ordinal = static_cast<std::uint8_t>(LowestFreeCorpsOrdinal(nation));
    corps.LeaderCombat = leader.Combat;
    corps.LeaderInitiative = leader.Initiative;
  }
  return scandal;
}
