#include "warfare/battle_results.h"

#include <algorithm>
#include <string>

#include "warfare/battle_analysis.h"
#include "warfare/battle_file.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/saturating.h"
#include "world/text_table.h"
#include "world/war_standing.h"

namespace {

constexpr int kMenPerHit = 50;
constexpr int kMilitaryPointHits = 20;
// Captured small arms count fifty a stand, guns two a battery.
constexpr int kSmallArmsPerLoss = 50;
constexpr int kGunsPerLoss = 2;
constexpr const char* kBlank = " ";

int DisorderText(int disorder) {
  if (disorder == 0) return 674;
  if (disorder == 1) return 675;
  return disorder <= 6 ? 676 : 677;
}

ResultsRow RowOf(const BattleContext& ctx, int c) {
  const TCorps& corps = GameState.Corps[c];
  const int brigades = BrigadesOf(corps);
  StoreSaturated(CorpsEngaged[c], std::min<int>(CorpsEngaged[c], brigades));
  return {LeaderName(corps.Leader), std::to_string(brigades) + "/" + std::to_string(CorpsEngaged[c]),
          std::to_string(ctx.hits[c] * kMenPerHit), TextLine(DisorderText(corps.Disorder))};
}

// How many rows a side filled, plus one, at most ten: the foreign powers weigh
// a victory by it.
int RowCounter(const BattleResults& results, int side) {
  return std::min<int>(static_cast<int>(results.rows[side - 1].size()) + 1, kCorpsRowsPerSide);
}

void UnionVictoryAbroad(int losersRows) {
  for (int nation : {TNation::France, TNation::Britain}) {
    I16& attitude = GameState.Nations[nation].Attitude;
    if (attitude > 0 && attitude < kFriendlyAttitude) AddSaturated(attitude, losersRows / 2);
  }
}

void ConfederateVictoryAbroad(int losersRows) {
  for (int nation : {TNation::France, TNation::Britain}) {
    I16& attitude = GameState.Nations[nation].Attitude;
    if (attitude < kFriendlyAttitude && attitude > losersRows) AddSaturated(attitude, -losersRows);
  }
}

// The Union's lost weapons fall to the Confederacy.
std::string CaptureWeapons() {
  int captured = 0;
  for (int w = 1; w <= WeaponLossCounters.Count; ++w) {
    captured += WeaponLossCounters[w] * (w <= TWeapon::Shotguns ? kSmallArmsPerLoss : kGunsPerLoss);
    AddSaturated(GameState.Nations[TNation::Confederacy].WeaponStock[w], WeaponLossCounters[w]);
  }
  return TextLine(668) + std::to_string(captured) + " weapons.";
}

}  // namespace

std::string BattleOutcomeText() {
  const int outcome = GameState.BattleOutcome;
  return TextLine(outcome < 2 ? 63 : outcome == 2 ? 64 : 65);
}

BattleResults CollectBattleResults(const BattleContext& ctx) {
  BattleResults results;
  results.initiative = std::string(InitiativeSide == TSide::Union ? "Union " : "Confederate ") + TextLine(666);
  results.intensity = TextLine(668 + ctx.BattleIntensity);
  for (int c : ctx.EngagedCorps()) AddCorpsRow(results.rows[GameState.Corps[c].Side - 1], RowOf(ctx, c));
  results.commanders = {LeaderName(ctx.UnionCommander), LeaderName(ctx.ConfedCommander)};
  results.losses = {TextLine(404) + kBlank + std::to_string(GameState.Hits1 * kMenPerHit),
                    TextLine(404) + kBlank + std::to_string(GameState.Hits2 * kMenPerHit)};
  results.result = BattleOutcomeText();
  results.weapons = kBlank;
  results.analysis = AnalyseBattle(ctx);
  return results;
}

void ShowBattleResults(const BattleContext& ctx) {
  BattleResults results = CollectBattleResults(ctx);
  if (GameState.BattleOutcome == 2) UnionVictoryAbroad(RowCounter(results, TSide::Confederate));
  if (GameState.BattleOutcome == 3) {
    ConfederateVictoryAbroad(RowCounter(results, TSide::Union));
    results.weapons = CaptureWeapons();
  }
  // The casualties themselves were booked as each brigade took its losses.
  AddSaturated(GameState.MilitaryPoints[TNation::Union], GameState.Hits2 / kMilitaryPointHits);
  AddSaturated(GameState.MilitaryPoints[TNation::Confederacy], GameState.Hits1 / kMilitaryPointHits);
  RecordBattleResult(results);
  BattleView().ShowResults(results);
}
