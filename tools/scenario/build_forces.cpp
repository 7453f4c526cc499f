// Leaders, armies and corps. Slots are filled in the order of the tables, so an
// army's or a corps' slot is its row number; the remaining corps slots are free.
#include <cctype>

#include "tools/scenario/build_context.h"
#include "tools/scenario/nearest_city.h"
#include "world/map_record.h"

namespace {

enum ArmyColumn { kArmyNation, kArmyOrdinal, kArmyName, kArmyCommander, kArmyHq, kArmyColumns };

constexpr int kNoFurtherMove = 10;
constexpr int kDefend = 1;
constexpr int kStandardMarch = 1;
constexpr int kStandardPriority = 1;
constexpr int kUsedName = 2;
// A new army's figures until the first per-turn totals.
constexpr int kNewArmyRating = 12;
constexpr int kNewArmyCohesion = 5;
constexpr int kEvenOdds = 50;
// How far a corps looks for a station to draw supply and leave garrisons at.
constexpr int kSupplyCityRange = 6;

void MarkArmyNameUsed(TGameState& game, int nation, const SourceRow& row) {
  if (nation <= 2) {
    for (int k = 1; k <= 9; ++k) {
      TArmyName& entry = game.ArmyNames[nation][k];
      if (entry.Name.str() == row.Text(kArmyName)) {
        entry.Used = kUsedName;
        return;
      }
    }
  }
  row.Fail("not an army name of the nation: '" + row.Text(kArmyName) + "'");
}

void BuildArmy(BuildContext& context, int slot, const SourceRow& row) {
  TGameState& game = context.Game;
  const ScenarioSources& sources = context.Sources;
  TArmy& army = game.Armies[slot];
  const int nation = sources.Nation(row.Text(kArmyNation), row);
  const int hq = sources.City(row.Text(kArmyHq), row);
  MarkArmyNameUsed(game, nation, row);
  army.Name = row.Text(kArmyName);
  army.Nation = static_cast<std::uint8_t>(nation);
  army.Side = static_cast<std::uint8_t>(SideOfNation(game, nation));
  army.Ordinal = static_cast<std::uint8_t>(row.Int(kArmyOrdinal));
  army.Leader = static_cast<std::uint8_t>(sources.Leader(row.Text(kArmyCommander), row));
  army.HqCity = army.TargetCity = army.AiTargetCity = static_cast<std::uint8_t>(hq);
  army.Stance = kDefend;
  army.March = kStandardMarch;
  army.AiFreeCorps = 1;
  army.Rating = kNewArmyRating;
  army.Cohesion = kNewArmyCohesion;
  army.Odds = kEvenOdds;
  army.Theatre = game.Cities[hq].Theatre;
}

int ArmySlot(const TGameState& game, int nation, const SourceRow& row) {
  const std::string& text = row.Text(kCorpsArmy);
  if (text == "-") return 0;
  if (text.size() < 2 || text[0] != 'A') row.Fail("an army is written A<ordinal>");
  const int ordinal = ParseInt(text.substr(1), row);
  for (int a = 1; a <= 15; ++a) {
    if (game.Armies[a].Nation == nation && game.Armies[a].Ordinal == ordinal) return a;
  }
  row.Fail("no army " + text + " of the nation");
}

// The nearest city of the corps' nation within `range` hexes that passes the
// test; the lower number among equals. 0 when there is none.
template <typename Test>
int NearestOwnCity(const TGameState& game, const TCorps& corps, int range, Test test) {
  return NearestCity(game, corps.X, corps.Y, range,
                     [&](const TCity& city) { return city.Nation == corps.Nation && test(city); });
}

// The city a corps draws on and leaves garrisons in: the one it stands on when
// it is its nation's, otherwise the nearest of its nation's rail or river
// stations within reach, otherwise the nearest city of its nation at all.
int SupplyCity(const TGameState& game, const TCorps& corps) {
  const auto any = [](const TCity&) { return true; };
  const auto station = [](const TCity& city) {
    return city.RailStation != 0 || city.RiverPort != 0;
  };
  if (int here = NearestOwnCity(game, corps, 0, any)) return here;
  if (int near = NearestOwnCity(game, corps, kSupplyCityRange, station)) return near;
  return NearestOwnCity(game, corps, TMapRecord::Columns + TMapRecord::Rows, any);
}

std::array<int, 2> Position(const ScenarioSources& sources, const TGameState& game,
                            const SourceRow& row) {
  const std::string& text = row.Text(kCorpsPosition);
  if (!text.empty() && std::isdigit(static_cast<unsigned char>(text[0]))) {
    return row.Hex(kCorpsPosition);
  }
  const TCity& city = game.Cities[sources.City(text, row)];
  return {city.X, city.Y};
}

void BuildCorps(BuildContext& context, int slot, const SourceRow& row) {
  TGameState& game = context.Game;
  const ScenarioSources& sources = context.Sources;
  TCorps& corps = game.Corps[slot];
  const int nation = sources.Nation(row.Text(kCorpsNation), row);
  const auto hex = Position(sources, game, row);
  corps.X = corps.DestX = static_cast<std::uint8_t>(hex[0]);
  corps.Y = corps.DestY = static_cast<std::uint8_t>(hex[1]);
  corps.StartX = static_cast<std::uint16_t>(hex[0]);
  corps.StartY = static_cast<std::uint16_t>(hex[1]);
  corps.Nation = static_cast<std::uint8_t>(nation);
  corps.Side = static_cast<std::uint8_t>(SideOfNation(game, nation));
  corps.Ordinal = static_cast<std::uint8_t>(row.Int(kCorpsOrdinal));
  corps.Leader = static_cast<std::uint8_t>(sources.Leader(row.Text(kCorpsCommander), row));
  corps.Army = static_cast<std::uint8_t>(ArmySlot(game, nation, row));
  corps.Kind = static_cast<std::uint8_t>(row.Int(kCorpsKind));
  corps.Entrenchment = static_cast<std::uint8_t>(row.Int(kCorpsEntrenchment));
  corps.Stance = kDefend;
  corps.March = kStandardMarch;
  corps.SupplyPriority = kStandardPriority;
  corps.PathStep = kNoFurtherMove;
  corps.City = static_cast<std::uint8_t>(SupplyCity(game, corps));
}

}  // namespace

void BuildLeaders(BuildContext& context) {
  for (const auto& row : context.Sources.Leaders.Rows) {
    TLeader& leader = context.Game.Leaders[row.Int(kLeaderNo)];
    leader.Name = row.Text(kLeaderName);
    leader.Side = static_cast<std::uint8_t>(row.Int(kLeaderSide));
    leader.Combat = static_cast<std::uint8_t>(row.Int(kLeaderCombat));
    leader.Initiative = static_cast<std::uint8_t>(row.Int(kLeaderInitiative));
    leader.Aggression = static_cast<std::uint8_t>(row.Int(kLeaderAggression));
    leader.Inspiration = static_cast<std::uint8_t>(row.Int(kLeaderInspiration));
    leader.Modifier = static_cast<std::int8_t>(row.Int(kLeaderModifier));
    leader.Rank = static_cast<std::uint8_t>(row.PerFile(kLeaderRank, context.File));
    leader.Status = static_cast<std::uint8_t>(row.PerFile(kLeaderStatus, context.File));
    leader.Experience = static_cast<std::uint8_t>(row.PerFile(kLeaderExperience, context.File));
  }
}

void BuildArmiesAndCorps(BuildContext& context) {
  const SourceTable armies = context.Table("armies.txt", kArmyColumns);
  if (armies.Rows.size() > 15) throw ScenarioError("armies.txt: more than 15 armies");
  for (std::size_t i = 0; i < armies.Rows.size(); ++i) {
    BuildArmy(context, static_cast<int>(i) + 1, armies.Rows[i]);
  }
  const SourceTable corps = context.Table("corps.txt", kCorpsColumns);
  if (corps.Rows.size() > 120) throw ScenarioError("corps.txt: more than 120 corps");
  for (int slot = 1; slot <= 120; ++slot) {
    if (slot <= static_cast<int>(corps.Rows.size())) {
      BuildCorps(context, slot, corps.Rows[slot - 1]);
    } else {
      context.Game.Corps[slot].Inactive = 1;
    }
  }
}
