#include "warfare/leader_casualties.h"

#include <cstdint>

#include "warfare/leader_replacement.h"
#include "world/corps_command.h"
#include "world/dissolve_and_disband.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/text_table.h"

namespace {

constexpr int kModifierGainChance = 20;
constexpr int kThresholdStep = 10;
constexpr int kLowestThreshold = 10;
constexpr int kArmyCasualtyChance = 100;
// A wound of 25 is fatal.
constexpr int kWoundDraw = 25;
constexpr int kWoundedStatus = 200;
constexpr int kKilledStatus = 255;

bool CanFall(const BattleContext& ctx, int leader) {
  return LeaderRecord(leader) != nullptr && ctx.BattleIntensity > 1;
}

// The leader is wounded for 1..24 turns, or killed.
void StrikeDown(TLeader& leader) {
  const int wound = Random(kWoundDraw) + 1;
  leader.Status = static_cast<std::uint8_t>(wound == kWoundDraw ? kKilledStatus : kWoundedStatus + wound);
}

void ShowCasualtyNotice(const TLeader& leader) {
  ClearEventMessage();
  EventMessage.Line1 = leader.Name.str();
  EventMessage.Line2 = TextLine(leader.Status == kKilledStatus ? 54 : 55);
  ShowEventMessage();
}

// A human side chooses in one-machine play; otherwise the rules appoint.
bool PlayerChooses(int nation) {
  return IsHumanNation(nation) && GameState.PlayMode < TPlayMode::MailSetUp;
}

}  // namespace

void CheckCorpsLeaderCasualty(BattleContext& ctx, int corps) {
  TCorps& formation = GameState.Corps[corps];
  const int fallen = formation.Leader;
  const int nation = formation.Nation;
  if (!CanFall(ctx, fallen)) return;
  TLeader& leader = GameState.Leaders[fallen];
  const int intensity = ctx.BattleIntensity;
  if (Random(100) < kModifierGainChance) AddSaturated(leader.Modifier, 1);
  const int threshold = ctx.CasualtyThreshold;
  if (Random(1500 - 200 * intensity) >= threshold || Random(1500 - 100 * intensity) >= threshold) return;
  if (ctx.CasualtyThreshold > kLowestThreshold) ctx.CasualtyThreshold -= kThresholdStep;
  StrikeDown(leader);
  int successor = 0;
  if (PlayerChooses(nation)) {
    if (!HasFreeSuccessor(nation, fallen)) return;
    ShowCasualtyNotice(leader);
    successor = ReplaceCorpsLeader(corps);
  } else {
    const int commandKind = (leader.Rank - 1) / 2 + 1;
    successor = ChooseSuccessor(nation, commandKind, formation.Kind, 2);
    if (successor == 0 || GameState.Leaders[successor].Status < TLeaderStatus::Available) return;
    ShowCasualtyNotice(leader);
  }
  if (successor != 0) GiveCorpsCommander(corps, successor);
}

void CheckArmyLeaderCasualty(BattleContext& ctx, int army) {
  TArmy& formation = GameState.Armies[army];
  const int fallen = formation.Leader;
  const int nation = formation.Nation;
  if (!CanFall(ctx, fallen)) return;
  const int bound = 1500 - 250 * ctx.BattleIntensity;
  if (Random(bound) >= ctx.CasualtyThreshold || Random(bound) >= ctx.CasualtyThreshold ||
      Random(1500) >= kArmyCasualtyChance)
    return;
  TLeader& leader = GameState.Leaders[fallen];
  StrikeDown(leader);
  int successor = 0;
  if (PlayerChooses(nation)) {
    if (!HasFreeSuccessor(nation, fallen)) return;
    ShowCasualtyNotice(leader);
    successor = ReplaceArmyLeader(army);
    // The army goes as any dissolved army does: its name emptied, its
    // record cleared and its corps let go.
    if (successor == 0 && ArmySuccessorChoice(army).leaders.empty()) {
      DissolveArmy(army);
      return;
    }
  } else {
    successor = ChooseSuccessor(nation, kArmyCommand, 0, 0);
    if (successor == 0 || !AppointCorpsSuccessor(nation, successor)) return;
    ShowCasualtyNotice(leader);
  }
  if (successor == 0) return;
  formation.Leader = static_cast<std::uint8_t>(successor);
  GameState.Leaders[successor].Status = TLeaderStatus::InCommand;
}
