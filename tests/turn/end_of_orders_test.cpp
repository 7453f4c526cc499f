// The end of the orders phase: the autosave, the clean-up of commands, the
// date, the monthly passes, the per-turn rules and the start positions.
#include "turn/end_of_orders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/turn_runner.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/save_names.h"
#include "world/vardecl.h"

namespace {

class EndOfOrdersTest : public TurnTest {
 protected:
  void SetUp() override {
    TurnTest::SetUp();
    GameState.Year = 1862;  // the blank game stands on 11 June
  }

  // A Union leader of the status given, who commands as many new armies and
  // corps as given, in the next free slots.
  static int Commander(int status, int armies = 0, int corps = 0, int modifier = 0) {
    const int l = AddLeader({.status = status, .modifier = modifier});
    for (int a = 0; a < armies; ++a)
      GameState.Armies[AddArmy(5, 5 + a, TSide::Union, TNation::Union)].Leader = l;
    for (int k = 0; k < corps; ++k) {
      const int c = AddCorps(20, 5 + k, TSide::Union, TNation::Union);
      GameState.Corps[c].Leader = static_cast<std::uint8_t>(l);
      AddBrigade({.location = c});  // a corps without brigades would leave the board
    }
    return l;
  }
};

TEST_F(EndOfOrdersTest, TheAutosaveHoldsTheGameAsTheOrdersLeftItWithCityHexesMarked) {
  AddCity(7, 9, TSide::Union);
  MapRecord.Cell(7, 9).SetTerrain(2);
  RunEndOfOrdersPhase();
  std::ifstream game(std::string(kAutosaveName) + ".GMR", std::ios::binary);
  game.seekg(offsetof(TGameState, Day));
  EXPECT_EQ(game.get(), 11) << "saved before the date advances";
  std::ifstream map(std::string(kAutosaveName) + ".GMP", std::ios::binary);
  map.seekg(162 * (7 - 1) + 3 * (9 - 1) + 1);
  EXPECT_EQ(map.get() & 7, TTerrain::City);
}

TEST_F(EndOfOrdersTest, AFailedAutosaveIsReportedAndTheTurnGoesOn) {
  std::filesystem::create_directory(std::string(kAutosaveName) + ".GMR");
  RunEndOfOrdersPhase();
  EXPECT_THAT(window.Messages().at(0), ::testing::HasSubstr("not saved"));
  EXPECT_EQ(window.GaugeValue(WindowGauge::TurnProgressGauge), 110);
}

// A leader commands one army or one corps: an army commander gives up his
// corps, and of several he keeps the last; each command puts him in command.
TEST_F(EndOfOrdersTest, ALeaderKeepsTheLastArmyOrCorpsHeCommands) {
  const int general = Commander(100, 2, 1);
  const int corpsCommander = Commander(100, 0, 3);  // corps 2, 3 and 4
  GameState.Corps[4].Army = 2;  // an army without corps would be dissolved
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Armies[1].HqCity, 0) << "the army he gave up is dissolved";
  EXPECT_EQ(GameState.Armies[2].Leader, general);
  int commanded = 0;
  for (int k = 1; k <= GameState.Corps.Count; ++k) commanded += !GameState.Corps[k].IsFree();
  EXPECT_EQ(commanded, 1);
  EXPECT_EQ(GameState.Corps[4].Leader, corpsCommander) << "the last of his three";
  EXPECT_EQ(GameState.Leaders[general].Status + GameState.Leaders[corpsCommander].Status, 0);
}

// A finished game skips the weather and the per-turn rules, so the draws of
// the phase are the removals' alone: a draw of 10 plus his modifier, never
// below 0; one who still commands stays in command.
TEST_F(EndOfOrdersTest, ARemovedLeaderCostsHisNationADrawPlusHisModifier) {
  GameOverCode = 1;
  const int unlucky = Commander(249, 0, 0, -5);
  const int costly = Commander(249, 0, 0, 1);
  const int commanding = Commander(249, 0, 1);
  GameState.Nations[TNation::Union].WarScore = 100;
  ScriptRandomDraws({{10, 4}, {10, 7}});
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Leaders[unlucky].Status, 200);
  EXPECT_EQ(GameState.Leaders[costly].Status, 200);
  EXPECT_EQ(GameState.Leaders[commanding].Status, 0);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 92);
  EXPECT_THAT(
      window.Notices().at(0).lines,
      ::testing::ElementsAre(GameState.Leaders[unlucky].Name.str(), "text 572", "0text 573", ""));
}

// Every slot, free or not, starts the movement where it stands; a finished
// game runs no turn but its date moves on.
TEST_F(EndOfOrdersTest, AFinishedGameOnlyAdvancesTheDateAndRecordsTheStartPositions) {
  GameOverCode = 1;
  GameState.Nations[TNation::Union].Human = 1;
  const int own = AddCity(30, 30, TSide::Union);
  const int enemy = AddCity(40, 30, TSide::Confederate);
  TCorps& corps = GameState.Corps[50];
  corps.X = 7;
  corps.StepDone[9] = 2;
  RunEndOfOrdersPhase();
  EXPECT_EQ(window.PanelCaption(WindowPanel::DatePanel), "June 21 1862");
  EXPECT_EQ(window.IsEnabled(WindowCommand::Execute1), false);
  EXPECT_EQ(corps.StartX, 7);
  EXPECT_EQ(corps.StepDone[9], 0);
  EXPECT_EQ(GameState.Cities[own].GarrisonNeed, 1) << "a player's city counts its garrison";
  EXPECT_EQ(GameState.Cities[enemy].GarrisonNeed, 0);
}

}  // namespace
