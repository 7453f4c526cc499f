#include "world/force_slots.h"

#include <array>

#include "world/brigade_rules.h"
#include "world/fleet_places.h"
#include "world/ordinals.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kLeaderSlots = decltype(TGameState::Leaders)::Count;
// A leader must score above this to be chosen at all.
constexpr int kUnfitScore = -255;
constexpr int kModifierSpentOnAppointment = 10;

bool IsLeader(int leader) {
  return IsEntryOf(GameState.Leaders, leader);
}

// Who holds a command now. A dissolved army's slot may still name its last
// leader; he commands nothing, so only armies in use count.
struct CommandsHeld {
  std::array<bool, kLeaderSlots + 1> any{};
  std::array<bool, kLeaderSlots + 1> army{};
};

CommandsHeld FindCommandsHeld() {
  CommandsHeld held;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!corps.IsFree() && IsLeader(corps.Leader)) held.any[corps.Leader] = true;
  }
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (!army.IsFree() && IsLeader(army.Leader))
      held.army[army.Leader] = held.any[army.Leader] = true;
  }
  return held;
}

// Brings every leader's status in line with the commands actually held.
void NormaliseLeaderStatus(const CommandsHeld& held) {
  for (int l = 1; l <= kLeaderSlots; ++l) {
    TLeader& leader = GameState.Leaders[l];
    const bool free =
        leader.Status == TLeaderStatus::Available || leader.Status == TLeaderStatus::Relieved;
    if (free && held.any[l]) leader.Status = TLeaderStatus::InCommand;
    if (leader.Status == TLeaderStatus::InCommand && !held.any[l])
      leader.Status = TLeaderStatus::Available;
  }
}

int WantedClass(int commandKind, int corpsKind) {
  if (commandKind == kArmyCommand) return TLeaderClass::Army;
  if (commandKind == kCorpsCommand) return TLeaderClass::Corps;
  if (corpsKind == TCorpsKind::CavalryDivision) return TLeaderClass::Cavalry;
  return commandKind;
}

// Only an available leader may take a command. For an army a serving corps or
// division commander may also be moved up.
bool IsEligible(const TLeader& leader, int l, int wanted, const CommandsHeld& held) {
  if (leader.Status == TLeaderStatus::Available) return true;
  return wanted == TLeaderClass::Army && leader.Status == TLeaderStatus::InCommand &&
         leader.Rank < TLeaderClass::Army && !held.army[l];
}

int FitScore(const TLeader& leader, int wanted) {
  int score = 0;
  if (leader.Rank < wanted) score -= 5 * (wanted - leader.Rank);
  if (leader.Rank > wanted) score -= 20 * (leader.Rank - wanted);
  if (wanted == TLeaderClass::Army) {
    if (leader.Rank == TLeaderClass::Army && leader.Status == TLeaderStatus::Available) score += 55;
    if (leader.Rank == TLeaderClass::Corps && leader.Status == TLeaderStatus::InCommand)
      score += 15;
    if (leader.Rank == TLeaderClass::Cavalry) score -= 50;
  }
  return score + leader.Modifier + 10 * leader.Initiative;
}

// The chosen leader spends favour; one taken from a corps to lead an army
// leaves behind men he knew.
void ChargeAppointment(TLeader& leader, int wanted) {
  if (leader.Modifier < kModifierSpentOnAppointment)
    leader.Modifier = 0;
  else
    leader.Modifier = static_cast<std::int8_t>(leader.Modifier - kModifierSpentOnAppointment);
  if (leader.Status != TLeaderStatus::InCommand || wanted != TLeaderClass::Army) return;
  if (leader.Combat > 4) leader.Combat = static_cast<std::uint8_t>(leader.Combat - 5);
  if (leader.Initiative > 1) --leader.Initiative;
}

// An army whose headquarters fell keeps its nation but gives up its number.
int LowestFreeArmyOrdinal(int nation) {
  OrdinalsInUse ordinals;
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (army.Nation == nation && army.HqCity != 0) ordinals.Mark(army.Ordinal);
  }
  return ordinals.LowestFree();
}

int LastCorpsLedBy(int leader) {
  int found = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!corps.IsFree() && corps.Leader == leader) found = c;
  }
  return found;
}

}  // namespace

int LowestFreeCorpsOrdinal(int nation) {
  OrdinalsInUse ordinals;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!corps.IsFree() && corps.Nation == nation) ordinals.Mark(corps.Ordinal);
  }
  return ordinals.LowestFree();
}

int AllocateCorpsSlot(int nation) {
  if (!IsNation(nation)) return 0;
  const int slot = FirstFreeSlot(GameState.Corps);
  if (slot == 0) return 0;
  const int ordinal = LowestFreeCorpsOrdinal(nation);
  TCorps& corps = GameState.Corps[slot];
  corps.Inactive = 0;
  corps.Nation = static_cast<std::uint8_t>(nation);
  corps.Side = static_cast<std::uint8_t>(CampOfNation(nation));
  corps.Ordinal = static_cast<std::uint8_t>(ordinal);
  // A new corps carries no order of the computer's from the slot's last holder.
  corps.AiMission = 0;
  return slot;
}

void FreeCorpsSlot(int c) {
  GameState.Corps[c].Inactive = 1;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (!fleet.IsFree() && fleet.Corps == c) GiveUpCorps(fleet);
  }
}

int AllocateArmySlot(int nation) {
  if (!IsNation(nation)) return 0;
  const int slot = FirstFreeSlot(GameState.Armies);
  if (slot == 0) return 0;
  const int ordinal = LowestFreeArmyOrdinal(nation);
  TArmy& army = GameState.Armies[slot];
  army.Nation = static_cast<std::uint8_t>(nation);
  army.Side = static_cast<std::uint8_t>(CampOfNation(nation));
  army.Ordinal = static_cast<std::uint8_t>(ordinal);
  army.AiOrder = 0;
  return slot;
}

int ChooseSuccessor(int nation, int commandKind, int corpsKind, int /*flag*/) {
  NormaliseLeaderStatus(FindCommandsHeld());
  if (!IsNation(nation)) return 0;
  // A human player appoints his own commanders, except in play by mail, where
  // the rules appoint for both sides. Either way the scoring runs once, so that
  // only the leader who is chosen pays for it.
  const bool rulesAppoint =
      GameState.Nations[nation].Human == 0 || GameState.PlayMode >= TPlayMode::MailSetUp;
  if (!rulesAppoint) return 0;
  // Leaders serve a camp: France's and Britain's corps are led by its generals.
  return ScoreLeaderCandidates(CampOfNation(nation), WantedClass(commandKind, corpsKind));
}

int ScoreLeaderCandidates(int camp, int wanted) {
  const CommandsHeld held = FindCommandsHeld();
  int chosen = 0;
  int bestScore = kUnfitScore;
  for (int l = 1; l <= kLeaderSlots; ++l) {
    const TLeader& leader = GameState.Leaders[l];
    if (leader.Side != camp || !IsEligible(leader, l, wanted, held)) continue;
    const int score = FitScore(leader, wanted) + Random(50);
    if (score > bestScore) {
      bestScore = score;
      chosen = l;
    }
  }
  if (chosen != 0) ChargeAppointment(GameState.Leaders[chosen], wanted);
  return chosen;
}

int CommandKindOfCorps(int corpsKind) {
  return corpsKind == TCorpsKind::Corps ? kCorpsCommand : kDivisionCommand;
}

bool AppointCorpsSuccessor(int nation, int leader) {
  // "No leader" commands nothing; a leaderless corps is not his to hand on.
  if (!IsLeader(leader)) return true;
  const int c = LastCorpsLedBy(leader);
  if (c == 0) return true;
  TCorps& corps = GameState.Corps[c];
  const int successor = ChooseSuccessor(nation, CommandKindOfCorps(corps.Kind), corps.Kind, 2);
  if (successor == 0) return false;
  GiveCorpsCommander(c, successor);
  return true;
}

void GiveCorpsCommander(int corps, int leader) {
  TCorps& formation = GameState.Corps[corps];
  TLeader& commander = GameState.Leaders[leader];
  formation.Leader = static_cast<std::uint8_t>(leader);
  formation.LeaderInitiative = commander.Initiative;
  formation.LeaderCombat = commander.Combat;
  commander.Status = TLeaderStatus::InCommand;
}
