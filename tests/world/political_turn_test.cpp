#include "world/political_turn.h"

#include <gtest/gtest.h>

#include "tests/world/political_turn_fixture.h"

namespace {

// Both capitals in states of their own; the Confederate one in Union hands.
class PoliticalTurnTest : public PoliticsTest {
 protected:
  void SetUp() override {
    PoliticsTest::SetUp();
    GameState.Year = 1864;
    for (int c = 1; c <= 3; ++c) AddCityIn(60 + c, 5, TSide::Union, 30 + c);  // 3: the fallback
    MakeState(2, TNation::Union, AddCityIn(5, 5, TSide::Union, 2));
    Nation(TNation::Union).Capital = 4;
    richmond = AddCityIn(20, 20, TSide::Union, 5);
    MakeState(5, TNation::Confederacy, richmond);
    City(richmond).Nation = TNation::Union;
    City(richmond).OriginalSide = TSide::Confederate;
    Nation(TNation::Confederacy).Capital = static_cast<std::uint8_t>(richmond);
    refuge = AddCityIn(30, 20, TSide::Confederate, 6);
    MakeState(6, TNation::Confederacy, refuge);
  }

  // The Confederate capital safe again, for the rules that follow.
  void KeepCapital() { Nation(TNation::Confederacy).Capital = static_cast<std::uint8_t>(refuge); }

  int richmond = 0;
  int refuge = 0;
};

// A side needs 400 less 50 a year of war, and a state capital of its camp to
// move to, to carry on without its capital.
TEST_F(PoliticalTurnTest, ASideWithTooLittleStandingOrNowhereToGoCapitulates) {
  const struct {
    int year, score, refuge_side, code;
  } cases[] = {{1864, 199, TSide::Confederate, 2},
               {1864, 200, TSide::Confederate, 0},
               {1863, 249, TSide::Confederate, 2},
               {1863, 250, TSide::Confederate, 0},
               {1864, 5000, TSide::Union, 2}};
  for (const auto& c : cases) {
    GameOverCode = 0;
    Nation(TNation::Confederacy).Side = TSide::Confederate;
    Nation(TNation::Confederacy).Capital = static_cast<std::uint8_t>(richmond);
    GameState.Year = static_cast<std::uint16_t>(c.year);
    Nation(TNation::Confederacy).WarScore = static_cast<std::int16_t>(c.score);
    City(refuge).Side = static_cast<std::uint8_t>(c.refuge_side);
    City(refuge).Nation = TNation::Confederacy;
    MakeState(6, TNation::Confederacy, refuge);
    PoliticalEventsTurn();
    EXPECT_EQ(GameOverCode, c.code) << c.year << " " << c.score << " " << c.refuge_side;
  }
}

// A lost capital moves to the chosen refuge for 100 of standing; the powers
// at peace lean 35 away from the loser.
TEST_F(PoliticalTurnTest, ALostCapitalMovesAndCostsTheSideAHundred) {
  Nation(TNation::Confederacy).WarScore = 200;
  PoliticalEventsTurn();
  EXPECT_EQ(Nation(TNation::Confederacy).Capital, refuge);
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 200 - 100 + 2);
  EXPECT_EQ(Attitude(TNation::France), kUndecided + 35);
  EXPECT_EQ(window.Notices().at(0).lines[1], Text(200) + City(refuge).Name.str() + ",State 6");
  KeepCapital();
  City(4).Side = TSide::Confederate;
  Attitude(TNation::Britain) = kUndecided;
  PoliticalEventsTurn();
  EXPECT_EQ(Nation(TNation::Union).Capital, 3) << "the Union's fallback";
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 35);
}

TEST_F(PoliticalTurnTest, ACapitulatingSideHandsOverEverything) {
  Nation(TNation::Confederacy).WarScore = 199;
  const int corps = AddCorps(30, 20, TSide::Confederate, TNation::Confederacy);
  const int brigade =
      AddBrigade({.nation = TNation::Confederacy, .location = corps, .homeState = 6});
  const int homeless =
      AddBrigade({.nation = TNation::Confederacy, .location = corps, .homeState = 0});
  PoliticalEventsTurn();
  EXPECT_EQ(City(refuge).Side, TSide::Union);
  EXPECT_EQ(State(6).Nation, TNation::Union);
  EXPECT_EQ(Corps(corps).Inactive, 1);
  EXPECT_EQ(GameState.Brigades[brigade].Status, TBrigadeStatus::InGarrison);
  EXPECT_EQ(City(refuge).GarrisonCount, 1);
  EXPECT_EQ(GameState.Brigades[homeless].Location, 4) << "the winner's capital";
}

// Asked only on the turn of 11 November 1861, of a human Union, while Britain
// is neither at war nor won over.
TEST_F(PoliticalTurnTest, TheSeaIncidentOf1861AsksAHumanUnionOnlyInItsWeek) {
  const struct {
    int day, human, britain;
    bool asked;
  } cases[] = {{11, 1, 50, true}, {1, 1, 50, false}, {21, 1, 50, false}, {11, 0, 50, false},
               {11, 1, 1, true},  {11, 1, 0, false}, {11, 1, 99, true},  {11, 1, 100, false}};
  KeepCapital();
  GameState.Year = 1861;
  GameState.Month = 11;
  for (const auto& c : cases) {
    GameState.Day = static_cast<std::uint8_t>(c.day);
    Nation(TNation::Union).Human = static_cast<std::uint8_t>(c.human);
    Nation(TNation::Union).WarScore = 300;
    Attitude(TNation::Britain) = static_cast<std::int16_t>(c.britain);
    const std::size_t before = window.Notices().size();
    PoliticalEventsTurn();
    EXPECT_EQ(window.Notices().size() - before, c.asked ? 1u : 0u) << c.day << " " << c.britain;
    EXPECT_EQ(Nation(TNation::Union).WarScore, c.asked ? 275 : 300) << "the men handed over";
  }
  window.ScriptChoices({2});
  Attitude(TNation::Britain) = 50;
  PoliticalEventsTurn();
  EXPECT_EQ(Attitude(TNation::Britain), 1) << "refused";
}

}  // namespace
