#include "warfare/battle_intensity.h"

#include <string>

#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/shown_guns.h"
#include "world/text_table.h"

namespace {

constexpr int kOwnCorpsVisibility = 100;
constexpr int kRatingsShownVisibility = 50;
constexpr int kTroopsVisibility = 20;
constexpr int kMenPerStrengthPoint = 50;
constexpr const char* kHidden = "???";

int CavalryStrength(int corps) {
  int strength = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Arm == TArm::Cavalry && IsBrigadeOfCorps(brigade, corps)) strength += brigade.Strength;
  }
  return strength;
}

IntensityRow RowOf(const TCorps& corps, int visibility) {
  IntensityRow row{kHidden, kHidden, kHidden, kHidden};
  if (visibility >= 0) {
    row.leader = LeaderName(corps.Leader);
    row.brigades = std::to_string(BrigadesOf(corps));
  }
  if (visibility >= kTroopsVisibility) {
    row.troops = std::to_string(corps.Strength * kMenPerStrengthPoint);
    row.artillery = std::to_string(CorpsGuns(corps));
  }
  return row;
}

}  // namespace

std::array<bool, 5> OfferedIntensities(int leader) {
  std::array<bool, 5> offered{true};
  const TLeader* commander = LeaderRecord(leader);
  for (int level = 2; level <= kMostIntensity; ++level)
    offered[level - 1] = commander != nullptr && commander->Initiative >= 2 * level - 1;
  return offered;
}

int ScoutingValue(const BattleContext& ctx, int side) {
  int value = 0;
  for (int c : ctx.EngagedCorps()) {
    const int strength = CavalryStrength(c);
    value += GameState.Corps[c].Side == side ? strength : -strength;
  }
  return value;
}

IntensityView BuildIntensityView(const BattleContext& ctx, int side) {
  IntensityView view;
  view.side = side;
  view.leftHeader = TextLine(side == TSide::Union ? 505 : 507);
  view.rightHeader = TextLine(side == TSide::Union ? 508 : 506);
  view.offered = OfferedIntensities(ctx.Commander(side));
  const int scouting = ScoutingValue(ctx, side);
  for (int c : ctx.EngagedCorps()) {
    const TCorps& corps = GameState.Corps[c];
    int visibility = corps.Side == side ? kOwnCorpsVisibility : scouting;
    if (GameState.ShowLeaderRatings == 1) visibility = kRatingsShownVisibility;
    AddCorpsRow(view.columns[corps.Side - 1], RowOf(corps, visibility));
  }
  return view;
}

int ShowIntensityDialog(const BattleContext& ctx, int side) {
  EventMessage.Choice = 1;
  const IntensityView view = BuildIntensityView(ctx, side);
  const int answer = BattleView().ChooseIntensity(view);
  if (answer >= 1 && answer <= kMostIntensity && view.offered[answer - 1])
    EventMessage.Choice = static_cast<std::uint16_t>(answer);
  return EventMessage.Choice;
}
