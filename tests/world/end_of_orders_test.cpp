// The end of the orders phase: the autosave, the clean-up of commands, the
// date, the monthly passes, the per-turn rules and the start positions.
#include "world/end_of_orders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/turn_runner.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

using ::testing::ElementsAre;

// Keeps the turn progress readings and the standard messages in the order
// they were shown.
class PhaseWindow : public RecordingWindow {
 public:
  std::vector<std::string> log;

  void SetGauge(WindowGauge gauge, int value) override {
    if (gauge == WindowGauge::TurnProgressGauge) log.push_back("progress " + std::to_string(value));
    RecordingWindow::SetGauge(gauge, value);
  }
  void ShowMessage(std::string_view text) override {
    log.emplace_back(text);
    RecordingWindow::ShowMessage(text);
  }
};

class EndOfOrdersTest : public TurnTest {
 protected:
  void SetUp() override {
    TurnTest::SetUp();
    previous_ = InstallGameWindow(&phases);
    SetDate(11, 6, 1862);
    GameState.EndMonth = 6;
    GameState.EndYear = 1865;
  }
  void TearDown() override {
    InstallGameWindow(previous_);
    TurnTest::TearDown();
  }

  static void SetDate(int day, int month, int year) {
    GameState.Day = static_cast<std::uint8_t>(day);
    GameState.Month = static_cast<std::uint16_t>(month);
    GameState.Year = static_cast<std::uint16_t>(year);
  }

  static int AddCommander(int modifier = 0) {
    for (int l = 1; l <= GameState.Leaders.Count; ++l) {
      TLeader& leader = GameState.Leaders[l];
      if (leader.Side != 0) continue;
      leader.Name = "General " + std::to_string(l);
      leader.Side = TSide::Union;
      leader.Status = 100;
      leader.Modifier = static_cast<std::int8_t>(modifier);
      return l;
    }
    return 0;
  }

  static void PlaceArmy(int slot, int leader) {
    TArmy& army = GameState.Armies[slot];
    army.HqCity = static_cast<std::uint8_t>(AddCity(5, 5 + slot, TSide::Union));
    army.Nation = army.Side = TSide::Union;
    army.Leader = static_cast<std::uint8_t>(leader);
  }

  static void PlaceCorps(int slot, int leader) {
    TCorps& corps = GameState.Corps[slot];
    corps = TCorps{};
    corps.X = 20;
    corps.Y = static_cast<std::uint8_t>(slot);
    corps.Side = corps.Nation = TSide::Union;
    corps.Strength = 80;  // a spent corps would leave the board
    corps.Leader = static_cast<std::uint8_t>(leader);
  }

  static std::vector<char> FileBytes(const std::string& name) {
    std::ifstream input(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
  }

  PhaseWindow phases;

 private:
  GameWindow* previous_ = nullptr;
};

// The first turn of a month (day 1) runs the monthly passes before the
// per-turn rules; the later turns run those alone.
TEST_F(EndOfOrdersTest, TheDateAdvancesAndTheFirstTurnOfAMonthRunsTheMonthlyPasses) {
  const std::vector<std::string> turn = {"progress 20", "progress 40", "progress 70", "progress 110"};
  const struct {
    int day, month, year;
    const char* date;
    bool monthly;
  } cases[] = {{21, 12, 1862, "Jan 1 1863", true}, {1, 1, 1863, "Jan 11 1863", false},
               {11, 1, 1863, "Jan 21 1863", false}};
  for (const auto& c : cases) {
    phases.log.clear();
    SetDate(c.day, c.month, c.year);
    RunEndOfOrdersPhase();
    EXPECT_EQ(phases.PanelCaption(WindowPanel::DatePanel), c.date);
    std::vector<std::string> expected = turn;
    if (c.monthly) expected.insert(expected.begin(), "text 686");
    EXPECT_EQ(phases.log, expected) << c.date;
    EXPECT_EQ(CurrentSide, 0);
  }
}

TEST_F(EndOfOrdersTest, TheAutosaveHoldsTheGameAsTheOrdersLeftItWithCityHexesMarked) {
  const int city = AddCity(7, 9, TSide::Union);
  MapRecord.Cell(7, 9).SetTerrain(2);
  RunEndOfOrdersPhase();
  const std::vector<char> game = FileBytes(std::string(kAutosaveName) + ".GMR");
  const std::vector<char> map = FileBytes(std::string(kAutosaveName) + ".GMP");
  ASSERT_EQ(game.size(), sizeof(TGameState));
  ASSERT_EQ(map.size(), sizeof(TMapRecord));
  TGameState saved;
  std::memcpy(static_cast<void*>(&saved), game.data(), game.size());
  EXPECT_EQ(saved.Day, 11);
  EXPECT_EQ(saved.Month, 6);
  EXPECT_EQ(saved.Cities[city].X, 7);
  const int terrain_byte = 162 * (7 - 1) + 3 * (9 - 1) + 1;
  EXPECT_EQ(map[terrain_byte] & 7, TTerrain::City);
  EXPECT_EQ(MapRecord.Cell(7, 9).Terrain(), TTerrain::City);
}

TEST_F(EndOfOrdersTest, AFailedAutosaveIsReportedAndTheTurnGoesOn) {
  std::filesystem::create_directory(std::string(kAutosaveName) + ".GMR");
  RunEndOfOrdersPhase();
  ASSERT_FALSE(phases.Messages().empty());
  EXPECT_THAT(phases.Messages().front(), ::testing::HasSubstr("not saved"));
  EXPECT_EQ(GameState.Day, 21);
  EXPECT_EQ(phases.GaugeValue(WindowGauge::TurnProgressGauge), 110);
}

TEST_F(EndOfOrdersTest, ACommanderOfTwoArmiesKeepsTheLastAndGivesUpHisCorps) {
  const int leader = AddCommander();
  PlaceArmy(3, leader);
  PlaceArmy(9, leader);
  PlaceCorps(12, leader);
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Armies[3].HqCity, 0);
  EXPECT_EQ(GameState.Armies[3].Leader, 0);
  EXPECT_NE(GameState.Armies[9].HqCity, 0);
  EXPECT_EQ(GameState.Armies[9].Leader, leader);
  EXPECT_TRUE(GameState.Corps[12].IsFree());
  EXPECT_EQ(GameState.Leaders[leader].Status, 0);
}

TEST_F(EndOfOrdersTest, ACommanderOfSeveralCorpsKeepsTheLast) {
  const int leader = AddCommander();
  for (int slot : {4, 17, 30}) PlaceCorps(slot, leader);
  RunEndOfOrdersPhase();
  EXPECT_TRUE(GameState.Corps[4].IsFree());
  EXPECT_TRUE(GameState.Corps[17].IsFree());
  EXPECT_FALSE(GameState.Corps[30].IsFree());
  EXPECT_EQ(GameState.Corps[30].Leader, leader);
  EXPECT_EQ(GameState.Leaders[leader].Status, 0);
}

// A finished game skips the weather and the per-turn rules, so the draws of
// the phase are the removals' alone.
TEST_F(EndOfOrdersTest, ARemovedLeaderCostsHisNationADrawPlusHisModifierNeverBelowNothing) {
  GameOverCode = 1;
  const int unlucky = AddCommander(-5);
  const int costly = AddCommander(1);
  GameState.Leaders[unlucky].Status = GameState.Leaders[costly].Status = 249;
  GameState.Nations[TNation::Union].WarScore = 100;
  ScriptRandomDraws({{10, 3}, {10, 7}});
  RunEndOfOrdersPhase();
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(GameState.Leaders[unlucky].Status, 200);
  EXPECT_EQ(GameState.Leaders[costly].Status, 200);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 92);
  ASSERT_EQ(phases.Notices().size(), 2u);
  const RecordedNotice& first = phases.Notices()[0];
  EXPECT_EQ(first.kind, 0);
  EXPECT_THAT(first.lines,
              ElementsAre(GameState.Leaders[unlucky].Name.str(), "text 572", "0text 573", ""));
  EXPECT_EQ(phases.Notices()[1].lines[2], "8text 573");
}

TEST_F(EndOfOrdersTest, ALeaderOrderedRemovedWhoStillCommandsStaysInCommand) {
  GameOverCode = 1;
  const int leader = AddCommander();
  GameState.Leaders[leader].Status = 249;
  PlaceCorps(6, leader);
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Leaders[leader].Status, 0);
  EXPECT_TRUE(phases.Notices().empty());
}

TEST_F(EndOfOrdersTest, OnlyTheCitiesOfHumanNationsAreLeftToTheirPlayersGarrisons) {
  GameState.Nations[TNation::Union].Human = 1;
  const int own = AddCity(30, 30, TSide::Union);
  const int enemy = AddCity(40, 30, TSide::Confederate);
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Cities[own].GarrisonNeed, 1);
  EXPECT_EQ(GameState.Cities[enemy].GarrisonNeed, 0);
}

TEST_F(EndOfOrdersTest, AFinishedGameOnlyAdvancesTheDateAndRecordsTheStartPositions) {
  GameOverCode = 1;
  GameState.Weather[1] = GameState.Weather[2] = GameState.Weather[3] = 3;
  PlaceCorps(8, 0);
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Day, 21);
  EXPECT_EQ(GameState.Weather[1], 3);
  EXPECT_TRUE(phases.log.empty());
  EXPECT_EQ(phases.IsEnabled(WindowCommand::Execute1), false);
  EXPECT_EQ(phases.IsEnabled(WindowCommand::SpeedButton1), false);
  EXPECT_EQ(GameState.Corps[8].StartY, 8);
}

TEST_F(EndOfOrdersTest, EverySlotFreeOrNotStartsTheMovementWhereItStands) {
  GameState.Corps[50].X = 7;
  GameState.Corps[50].Y = 8;
  GameState.Corps[50].StepDone[9] = 2;
  GameState.Corps[50].StepsMoved = 5;
  GameState.Fleets[60].X = 11;
  GameState.Fleets[60].Y = 12;
  GameState.Fleets[60].StepDone[20] = 4;
  RunEndOfOrdersPhase();
  const TCorps& corps = GameState.Corps[50];
  EXPECT_TRUE(corps.IsFree());
  EXPECT_EQ(corps.StartX, 7);
  EXPECT_EQ(corps.StartY, 8);
  EXPECT_EQ(corps.StepsMoved, 0);
  EXPECT_EQ(corps.StepDone[9], 0);
  const TFleet& fleet = GameState.Fleets[60];
  EXPECT_EQ(fleet.StartX, 11);
  EXPECT_EQ(fleet.StartY, 12);
  EXPECT_EQ(fleet.StepDone[20], 0);
}

}  // namespace
