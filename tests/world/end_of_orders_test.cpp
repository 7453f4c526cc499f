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
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

// Keeps the turn progress readings and the standard messages in their order.
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

  // A Union leader of the status given, who commands the armies and the corps
  // in the slots given.
  static int Commander(int status, std::initializer_list<int> armies = {},
                       std::initializer_list<int> corps = {}, int modifier = 0) {
    const int l = AddLeader({.status = status, .modifier = modifier});
    for (int a : armies) {
      GameState.Armies[a].HqCity = static_cast<std::uint8_t>(AddCity(5, 5 + a, TSide::Union));
      GameState.Armies[a].Nation = GameState.Armies[a].Side = TSide::Union;
      GameState.Armies[a].Leader = static_cast<std::uint8_t>(l);
    }
    for (int k : corps) {
      TCorps& slot = GameState.Corps[k];
      slot = TCorps{};
      slot.X = 20;
      slot.Y = static_cast<std::uint8_t>(k);
      slot.Side = slot.Nation = TSide::Union;
      slot.Leader = static_cast<std::uint8_t>(l);
      // A corps without brigades would leave the board with the turn's totals.
      AddBrigade({.location = k});
    }
    return l;
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
  const std::vector<std::string> turn = {"progress 20", "progress 40", "progress 70",
                                         "progress 110"};
  const struct {
    int day, month, year;
    const char* date;
    bool monthly;
  } cases[] = {{21, 12, 1862, "Jan 1 1863", true},
               {1, 1, 1863, "Jan 11 1863", false},
               {11, 1, 1863, "Jan 21 1863", false}};
  for (const auto& c : cases) {
    phases.log.clear();
    SetDate(c.day, c.month, c.year);
    RunEndOfOrdersPhase();
    EXPECT_EQ(phases.PanelCaption(WindowPanel::DatePanel), c.date);
    std::vector<std::string> expected = turn;
    if (c.monthly) expected.insert(expected.begin(), "text 686");
    EXPECT_EQ(phases.log, expected) << c.date;
    // The computer players' planning leaves the last nation current.
    EXPECT_EQ(CurrentSide, TNation::Britain);
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
  EXPECT_EQ(saved.Cities[city].X, 7);
  EXPECT_EQ(map[162 * (7 - 1) + 3 * (9 - 1) + 1] & 7, TTerrain::City);
}

TEST_F(EndOfOrdersTest, AFailedAutosaveIsReportedAndTheTurnGoesOn) {
  std::filesystem::create_directory(std::string(kAutosaveName) + ".GMR");
  RunEndOfOrdersPhase();
  ASSERT_FALSE(phases.Messages().empty());
  EXPECT_THAT(phases.Messages().front(), ::testing::HasSubstr("not saved"));
  EXPECT_EQ(phases.GaugeValue(WindowGauge::TurnProgressGauge), 110);
}

// A leader commands one army or one corps: an army commander gives up his
// corps, and of several he keeps the last; each command puts him in command.
TEST_F(EndOfOrdersTest, ALeaderKeepsTheLastArmyOrCorpsHeCommands) {
  const int general = Commander(100, {3, 9}, {12});
  const int corpsCommander = Commander(100, {}, {4, 17, 30});
  // An army without corps would be dissolved with the turn's totals.
  Commander(100, {}, {40});
  GameState.Corps[40].Army = 9;
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Armies[3].HqCity, 0);
  EXPECT_EQ(GameState.Armies[9].Leader, general);
  EXPECT_TRUE(GameState.Corps[12].IsFree());
  EXPECT_TRUE(GameState.Corps[4].IsFree());
  EXPECT_TRUE(GameState.Corps[17].IsFree());
  EXPECT_EQ(GameState.Corps[30].Leader, corpsCommander);
  EXPECT_EQ(GameState.Leaders[general].Status, 0);
  EXPECT_EQ(GameState.Leaders[corpsCommander].Status, 0);
}

// A finished game skips the weather and the per-turn rules, so the draws of
// the phase are the removals' alone: a draw of 10 plus his modifier, never
// below 0; one who still commands stays in command.
TEST_F(EndOfOrdersTest, ARemovedLeaderCostsHisNationADrawPlusHisModifier) {
  GameOverCode = 1;
  const int unlucky = Commander(249, {}, {}, -5);
  const int costly = Commander(249, {}, {}, 1);
  const int commanding = Commander(249, {}, {6});
  GameState.Nations[TNation::Union].WarScore = 100;
  ScriptRandomDraws({{10, 4}, {10, 7}});
  RunEndOfOrdersPhase();
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(GameState.Leaders[unlucky].Status, 200);
  EXPECT_EQ(GameState.Leaders[commanding].Status, 0);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 92);
  ASSERT_EQ(phases.Notices().size(), 2u);
  EXPECT_THAT(
      phases.Notices()[0].lines,
      ::testing::ElementsAre(GameState.Leaders[unlucky].Name.str(), "text 572", "0text 573", ""));
  EXPECT_EQ(phases.Notices()[1].lines[2], "8text 573");
  EXPECT_EQ(GameState.Leaders[costly].Status, 200);
}

TEST_F(EndOfOrdersTest, OnlyTheCitiesOfHumanNationsAreLeftToTheirPlayersGarrisons) {
  GameState.Nations[TNation::Union].Human = 1;
  const int own = AddCity(30, 30, TSide::Union);
  const int enemy = AddCity(40, 30, TSide::Confederate);
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Cities[own].GarrisonNeed, 1);
  EXPECT_EQ(GameState.Cities[enemy].GarrisonNeed, 0);
}

// Every slot, free or not, starts the movement where it stands.
TEST_F(EndOfOrdersTest, AFinishedGameOnlyAdvancesTheDateAndRecordsTheStartPositions) {
  GameOverCode = 1;
  GameState.Weather[1] = 3;
  TCorps& corps = GameState.Corps[50];
  corps.X = 7;
  corps.StepDone[9] = 2;
  corps.StepsMoved = 5;
  TFleet& fleet = GameState.Fleets[60];
  fleet.Y = 12;
  fleet.StepDone[20] = 4;
  RunEndOfOrdersPhase();
  EXPECT_EQ(GameState.Day, 21);
  EXPECT_EQ(GameState.Weather[1], 3);
  EXPECT_TRUE(phases.log.empty());
  EXPECT_EQ(phases.IsEnabled(WindowCommand::Execute1), false);
  EXPECT_EQ(phases.IsEnabled(WindowCommand::SpeedButton1), false);
  EXPECT_EQ(corps.StartX, 7);
  EXPECT_EQ(corps.StepsMoved + corps.StepDone[9], 0);
  EXPECT_EQ(fleet.StartY, 12);
  EXPECT_EQ(fleet.StepDone[20], 0);
}

}  // namespace
