// The check finds each kind of fault a start file can carry. Every case starts
// from a sound start point on a sound map, breaks one thing and expects a
// finding naming it.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "tools/scenario/start_point.h"
#include "tools/scenario/validate_scenario.h"
#include "world/codes.h"

namespace {

std::unique_ptr<TGameState> SoundStartPoint() {
  static const ScenarioSources sources = ReadScenarioSources(GRAYMARCH_SCENARIO_SOURCES);
  auto game = std::make_unique<TGameState>();
  BuildStartPoint(sources, sources.Folder / "1862", *game);
  return game;
}

// A small map of water with one land hex under every city, corps and river
// route, for the checks that need the map.
std::unique_ptr<TMapRecord> MapFor(const TGameState& game) {
  auto map = std::make_unique<TMapRecord>();
  *map = {};
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) map->Cell(x, y).SetTerrain(0);
  }
  for (int k = 1; k <= 120; ++k) {
    const TCorps& corps = game.Corps[k];
    if (!corps.IsFree()) map->Cell(corps.X, corps.Y).SetTerrain(1);
  }
  for (int c = 1; c <= 86; ++c) {
    TMapCell& cell = map->Cell(game.Cities[c].X, game.Cities[c].Y);
    cell.SetTerrain(4);
    cell.SetRouteFlag();
    cell.Bytes[2] = c == 83 ? 21 : game.Cities[c].State;
  }
  return map;
}

int FirstBrigadeOfCorps(const TGameState& game, int k) {
  for (int b = 1; b <= 500; ++b) {
    if (game.Brigades[b].Status == TBrigadeStatus::InCorps && game.Brigades[b].Location == k) {
      return b;
    }
  }
  return 0;
}

int FirstCorpsOf(const TGameState& game, int nation) {
  for (int k = 1; k <= 120; ++k) {
    if (!game.Corps[k].IsFree() && game.Corps[k].Nation == nation) return k;
  }
  return 0;
}

using BreakGame = void (*)(TGameState&);
using BreakMap = void (*)(const TGameState&, TMapRecord&);

void Keep(TGameState&) {}

struct Fault {
  const char* name;
  BreakGame Break;
  const char* finding;
  BreakMap BreakTheMap = nullptr;
};

// Test listings show the fault by name rather than as the bytes of the record.
void PrintTo(const Fault& fault, std::ostream* out) {
  *out << fault.name;
}

const Fault kFaults[] = {
    {"StartDateNotTheDate", [](TGameState& g) { g.StartMonth = g.Month + 1; }, "start date"},
    {"TheatreLeftInactive", [](TGameState& g) { g.AiTheatreActive[2] = 0; }, "theatre 2"},
    {"WeatherCodeOutsideTheTable", [](TGameState& g) { g.Weather[3] = 9; }, "weather code"},
    {"WeatherTableEntryZero", [](TGameState& g) { g.WeatherTable[0][0] = 0; }, "(0, 0)"},
    {"BritainAboutToEnterTheWar", [](TGameState& g) { g.Nations[4].Attitude = 1; }, "nation 4"},
    {"NassauGivenToTheConfederacy",
     [](TGameState& g) {
       g.Cities[86].Side = 2;
       g.Cities[86].Nation = 2;
     },
     "Nassau"},
    {"MatamorosNotAPort", [](TGameState& g) { g.Cities[85].SeaPort = 0; }, "Matamoros"},
    {"LeaderCommandingTwice", [](TGameState& g) { g.Corps[2].Leader = g.Corps[1].Leader; },
     "more than one command"},
    {"CommanderNotMarkedActive", [](TGameState& g) { g.Leaders[g.Corps[1].Leader].Status = 100; },
     "status 0"},
    {"IdleLeaderMarkedActive",
     [](TGameState& g) {
       for (int l = 1; l <= 210; ++l) {
         if (g.Leaders[l].Status == 100) {
           g.Leaders[l].Status = 0;
           return;
         }
       }
     },
     "status 0"},
    {"BrigadeInAnotherNationsCorps",
     [](TGameState& g) {
       g.Brigades[FirstBrigadeOfCorps(g, 1)].Location =
           static_cast<std::uint8_t>(FirstCorpsOf(g, TNation::Confederacy));
     },
     "no live corps of its nation"},
    {"BrigadeInAFreeCorpsSlot",
     [](TGameState& g) { g.Brigades[FirstBrigadeOfCorps(g, 1)].Location = 120; }, "no live corps"},
    {"CorpsOverItsCapacity", [](TGameState& g) { g.Leaders[g.Corps[1].Leader].Combat = 1; },
     "capacity"},
    {"RaisedBrigadeArmed",
     [](TGameState& g) {
       for (int b = 1; b <= 500; ++b) {
         if (g.Brigades[b].Status == TBrigadeStatus::RaisedUnarmed) {
           g.Brigades[b].Weapon = 1;
           return;
         }
       }
     },
     "raised but placed or armed"},
    {"CavalryWithCannon",
     [](TGameState& g) {
       for (int b = 1; b <= 500; ++b) {
         if (g.Brigades[b].Arm == TArm::Cavalry) {
           g.Brigades[b].Weapon = TWeapon::Parrotts;
           return;
         }
       }
     },
     "weapon its arm cannot use"},
    {"GarrisonMiscounted", [](TGameState& g) { g.Cities[11].GarrisonCount = 0; }, "Washington"},
    {"EmbarkedCorpsWithoutFleet", [](TGameState& g) { g.Corps[1].Stance = 4; },
     "embarked without exactly one fleet"},
    {"FleetCarryingACorpsAshore", [](TGameState& g) { g.Fleets[1].Corps = 1; }, "not embarked"},
    {"FleetStatusNeitherLiveNorFree", [](TGameState& g) { g.Fleets[90].Status = 30; }, "fleet 90"},
    {"RiverFleetInASeaPort", [](TGameState& g) { g.Fleets[1].Kind = 2; }, "home port"},
    {"ArmyWithoutCorps",
     [](TGameState& g) {
       for (int k = 1; k <= 120; ++k) {
         if (g.Corps[k].Army == 1) g.Corps[k].Army = 0;
       }
     },
     "no corps"},
    {"CorpsLedAcrossTheLines",
     [](TGameState& g) { g.Leaders[g.Corps[1].Leader].Side = TSide::Confederate; }, "other camp"},
    {"ArmyLedAcrossTheLines",
     [](TGameState& g) { g.Leaders[g.Armies[1].Leader].Side = TSide::Confederate; },
     "the Potomac) is led by a leader of the other camp"},
    {"CityHeldByItsOwnCampAndAnotherNation", [](TGameState& g) { g.Cities[17].Nation = 1; },
     "Richmond"},
    {"NashvilleOutsideTennessee", [](TGameState& g) { g.Cities[83].State = 20; }, "state 21"},
    {"CorinthARiverPort", [](TGameState& g) { g.Cities[60].RiverPort = 1; }, "Corinth"},
    {"ShotgunsFiringLikeRifles", [](TGameState& g) { g.WeaponTypes[5].FireA = 2; }, "row 5"},
    {"KentuckyCityHeldWhileNeutral",
     [](TGameState& g) {
       g.States[20].Side = 0;
       g.Cities[43].Side = 1;
     },
     "neutral Kentucky"},
    {"BrigadeWaitingInAnEnemyCity",
     [](TGameState& g) {
       for (int b = 1; b <= 500; ++b) {
         if (g.Brigades[b].Status == TBrigadeStatus::ArmedAndWaiting) {
           g.Brigades[b].Location = 17;
           return;
         }
       }
     },
     "not its nation's"},
    {"CottonAboveTheFirstMonthsCut", [](TGameState& g) { g.States[25].CottonOutput = 11; },
     "cotton"},
    {"RichmondOffItsTownHex", Keep, "Richmond) stands on a hex without the city class",
     [](const TGameState& g, TMapRecord& m) {
       m.Cell(g.Cities[17].X, g.Cities[17].Y).SetTerrain(1);
     }},
    {"TownHexWithoutACity", Keep, "hex (1, 1) has the city class without a city",
     [](const TGameState&, TMapRecord& m) { m.Cell(1, 1).SetTerrain(4); }},
    {"CorpsOnWater", Keep, "stands on water or impassable ground",
     [](const TGameState& g, TMapRecord& m) { m.Cell(g.Corps[1].X, g.Corps[1].Y).SetTerrain(0); }},
    {"RiverFleetOffTheRivers", Keep, "fleet 11 lies off the river network",
     [](const TGameState& g, TMapRecord& m) {
       m.Cell(g.Fleets[11].X, g.Fleets[11].Y).Bytes[0] = 0;
     }},
    {"CorpsInNeutralKentucky",
     [](TGameState& g) {
       g.States[20].Side = 0;
       for (int c = 1; c <= 86; ++c) {
         if (g.Cities[c].State == 20) g.Cities[c].Side = g.Cities[c].Nation = 0;
       }
     },
     "stands in neutral Kentucky",
     [](const TGameState& g, TMapRecord& m) { m.Cell(g.Corps[1].X, g.Corps[1].Y).Bytes[2] = 20; }},
};

class BrokenStartPoint : public ::testing::TestWithParam<Fault> {};

TEST_P(BrokenStartPoint, IsFound) {
  auto game = SoundStartPoint();
  auto map = MapFor(*game);
  const auto sound = ValidateScenario(*game, map.get());
  ASSERT_TRUE(sound.empty()) << sound.front();
  if (GetParam().BreakTheMap) GetParam().BreakTheMap(*game, *map);
  GetParam().Break(*game);
  bool named = false;
  for (const auto& finding : ValidateScenario(*game, map.get())) {
    named = named || finding.find(GetParam().finding) != std::string::npos;
  }
  EXPECT_TRUE(named) << "no finding mentions '" << GetParam().finding << "'";
}

INSTANTIATE_TEST_SUITE_P(EachFault, BrokenStartPoint, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
