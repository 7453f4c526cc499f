// The close of the turn: the rules after the movement, the election, the end
// date, the theatres' aggression and supplies, and the next orders phase.
#include "world/after_movement.h"

#include <gtest/gtest.h>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/play_modes.h"
#include "world/vardecl.h"

namespace {

class AfterMovementTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    SetDate(11, 6, 1862);
    GameState.EndMonth = 6;
    GameState.EndYear = 1865;
  }

  static void SetDate(int day, int month, int year) {
    GameState.Day = static_cast<std::uint8_t>(day);
    GameState.Month = static_cast<std::uint16_t>(month);
    GameState.Year = static_cast<std::uint16_t>(year);
  }

  static void SetSupplies(int nation, int seaboard, int west, int mississippi) {
    Table<U16, 3>& supplies = GameState.Nations[nation].Supplies;
    supplies[TTheatre::Seaboard] = static_cast<std::uint16_t>(seaboard);
    supplies[TTheatre::West] = static_cast<std::uint16_t>(west);
    supplies[TTheatre::Mississippi] = static_cast<std::uint16_t>(mississippi);
  }

  static std::array<int, 3> Supplies(int nation) {
    const Table<U16, 3>& supplies = GameState.Nations[nation].Supplies;
    return {supplies[1], supplies[2], supplies[3]};
  }

  // A Union corps standing in an ungarrisoned Confederate city.
  static int CityWithEnemyCorpsInIt() {
    const int city = AddCity(10, 10, TSide::Confederate);
    const int corps = AddCorps(10, 10, TSide::Union, TNation::Union);
    GameState.Corps[corps].Strength = 400;
    GameState.Corps[corps].Leader = 1;
    GameState.Leaders[1].Side = TSide::Union;
    return city;
  }
};

TEST_F(AfterMovementTest, TheTurnsBattleCountAndFortificationWorkAreCleared) {
  GameState.BattleCount = 4;
  const int city = AddCity(12, 12, TSide::Union);
  GameState.Cities[city].FortifiedThisTurn = 1;
  RunAfterMovementPhase();
  EXPECT_EQ(GameState.BattleCount, 0);
  EXPECT_EQ(GameState.Cities[city].FortifiedThisTurn, 0);
}

TEST_F(AfterMovementTest, CitiesChangeHandsAfterTheMovement) {
  const int city = CityWithEnemyCorpsInIt();
  RunAfterMovementPhase();
  EXPECT_EQ(GameState.Cities[city].Side, TSide::Union);
}

TEST_F(AfterMovementTest, APlayByMailSetUpTurnLeavesTheWorldsRulesForLater) {
  GameState.PlayMode = TPlayMode::MailSetUp;
  const int city = CityWithEnemyCorpsInIt();
  RunAfterMovementPhase();
  EXPECT_EQ(GameState.Cities[city].Side, TSide::Confederate);
}

TEST_F(AfterMovementTest, TheElectionIsHeldOnTheFirstTurnOfNovember1864Only) {
  SetDate(1, 11, 1864);
  RunAfterMovementPhase();
  EXPECT_EQ(window.CallCount("ShowElection"), 1);
  SetDate(11, 11, 1864);
  RunAfterMovementPhase();
  EXPECT_EQ(window.CallCount("ShowElection"), 1);
}

TEST_F(AfterMovementTest, ReachingTheEndDateEndsTheGameWithTheVictorySummary) {
  SetDate(1, 6, 1865);
  RunAfterMovementPhase();
  EXPECT_EQ(GameOverCode, 1);
  EXPECT_EQ(window.CallCount("ShowPostMortem"), 1);
  EXPECT_NE(window.IsEnabled(WindowCommand::Execute1), true) << "execute stays closed";
  EXPECT_EQ(window.IsEnabled(WindowCommand::SaveGame1), false);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Quit1), true);
  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
}

TEST_F(AfterMovementTest, AGamePastItsEndDateEndsTooButACapitulationKeepsItsEnding) {
  SetDate(11, 7, 1865);
  RunAfterMovementPhase();
  EXPECT_EQ(GameOverCode, 1);
  GameOverCode = 2;
  RunAfterMovementPhase();
  EXPECT_EQ(GameOverCode, 2);
}

TEST_F(AfterMovementTest, AContinuedCampaignPlaysOnFromTheVictorySummary) {
  SetDate(1, 6, 1865);
  window.OnPostMortem = [] { GameOverCode = 0; };
  RunAfterMovementPhase();
  EXPECT_EQ(GameOverCode, 0);
  EXPECT_EQ(window.CallCount("ShowPostMortem"), 1);
}

TEST_F(AfterMovementTest, AMailTurnLeftByTheBattlesIsNoEndOfTheGame) {
  GameState.PlayMode = TPlayMode::MailSetUp;
  GameOverCode = 10;
  RunAfterMovementPhase();
  EXPECT_EQ(window.CallCount("ShowPostMortem"), 0);
  EXPECT_EQ(window.IsEnabled(WindowCommand::SaveGame1), true);
}

TEST_F(AfterMovementTest, FairWeatherStirsEveryNationsAggressionUpToItsLimit) {
  GameState.Weather[TTheatre::Seaboard] = 4;
  GameState.Weather[TTheatre::West] = 5;
  GameState.Weather[TTheatre::Mississippi] = 0;
  GameState.Nations[TNation::Britain].AiAggression[TTheatre::Mississippi] = 255;
  RunAfterMovementPhase();
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(GameState.Nations[n].AiAggression[TTheatre::Seaboard], 1) << n;
    EXPECT_EQ(GameState.Nations[n].AiAggression[TTheatre::West], 0) << n;
  }
  EXPECT_EQ(GameState.Nations[TNation::Union].AiAggression[TTheatre::Mississippi], 1);
  EXPECT_EQ(GameState.Nations[TNation::Britain].AiAggression[TTheatre::Mississippi], 255);
}

TEST_F(AfterMovementTest, ARichTheatreSendsSuppliesToEachTheatreRunningShort) {
  SetSupplies(TNation::Union, 6000, 1500, 1000);
  SetSupplies(TNation::Confederacy, 1000, 1999, 5001);
  SetSupplies(TNation::France, 6000, 100, 100);
  RunAfterMovementPhase();
  EXPECT_EQ(Supplies(TNation::Union), (std::array{1000, 4000, 3500}));
  EXPECT_EQ(Supplies(TNation::Confederacy), (std::array{3500, 4499, 1}));
  EXPECT_EQ(Supplies(TNation::France), (std::array{6000, 100, 100}));
}

TEST_F(AfterMovementTest, SuppliesStayPutUnlessATheatreHoldsMoreThanTheSurplus) {
  SetSupplies(TNation::Union, 5000, 100, 100);
  SetSupplies(TNation::Confederacy, 1000, 1000, 1000);
  RunAfterMovementPhase();
  EXPECT_EQ(Supplies(TNation::Union), (std::array{5000, 100, 100}));
  EXPECT_EQ(Supplies(TNation::Confederacy), (std::array{1000, 1000, 1000}));
}

TEST_F(AfterMovementTest, OfTwoEquallyRichTheatresTheFirstGives) {
  SetSupplies(TNation::Union, 100, 6000, 6000);
  RunAfterMovementPhase();
  EXPECT_EQ(Supplies(TNation::Union), (std::array{2600, 3500, 6000}));
}

TEST_F(AfterMovementTest, TheOneHumanSideGivesOrdersNextWithTheMenusBetweenTurns) {
  GameState.Nations[TNation::Confederacy].Human = 1;
  CurrentCorps = 5;
  RunAfterMovementPhase();
  EXPECT_EQ(CurrentSide, TNation::Confederacy);
  EXPECT_EQ(CurrentCorps, 0);
  EXPECT_EQ(window.SideChangeCaption(), "text 466");
  EXPECT_EQ(window.PanelCaption(WindowPanel::IdPanel), " ");
  EXPECT_EQ(window.GaugeValue(WindowGauge::TurnProgressGauge), 0);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Execute1), true);
  EXPECT_EQ(window.IsEnabled(WindowCommand::SpeedButton1), false);
  EXPECT_EQ(window.IsEnabled(WindowCommand::RaiseCorps1), true);
  EXPECT_EQ(window.IsEnabled(WindowCommand::CorpsOrders1), false);
}

TEST_F(AfterMovementTest, TwoHumanSidesChooseWhoGoesNextAndMailPlayGoesToTheMailSide) {
  GameState.Nations[TNation::Union].Human = GameState.Nations[TNation::Confederacy].Human = 1;
  CurrentSide = TNation::Union;
  RunAfterMovementPhase();
  EXPECT_EQ(CurrentSide, 0);
  EXPECT_EQ(window.SideChangeCaption(), "text 464");
  GameState.PlayMode = TPlayMode::MailToSend;
  GameState.MailSide = TNation::Confederacy;
  RunAfterMovementPhase();
  EXPECT_EQ(CurrentSide, TNation::Confederacy);
}

}  // namespace
