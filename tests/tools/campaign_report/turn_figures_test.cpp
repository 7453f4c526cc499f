// The figures the campaign runner counts by watching the game between phases:
// landings, cotton runs and wraps of the stocks and tallies.
#include "support/turn_figures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "support/world_fixture.h"
#include "warfare/recording_battle_views.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

class TurnFiguresTest : public WorldTest {
 protected:
  RecordingBattleViews views;
};

struct ShoreCase {
  const char* what;
  int mission;     // of the fleet carrying the corps
  int stanceAfter; // of the corps at the next look
  bool freedAfter; // the corps went down with its fleet
  int landings;
};

const ShoreCase kShores[] = {
    {"landed from a landing", TFleetMission::Amphibious, TCombatStance::Advance, false, 1},
    {"still aboard", TFleetMission::Amphibious, TCombatStance::Embarked, false, 0},
    {"lost at sea", TFleetMission::Amphibious, TCombatStance::Advance, true, 0},
    {"put ashore from a plain voyage", TFleetMission::Move, TCombatStance::Defend, false, 0},
};

TEST_F(TurnFiguresTest, ALandingIsACorpsComingAshoreFromAFleetSentToLandIt) {
  for (const ShoreCase& shore : kShores) {
    const int c = AddCorps(40, 20, TSide::Union, TNation::Union);
    const int f = AddFleet(40, 20, TSide::Union, TNation::Union);
    GameState.Corps[c].Stance = TCombatStance::Embarked;
    GameState.Fleets[f].Corps = static_cast<std::uint8_t>(c);
    GameState.Fleets[f].Mission = static_cast<std::uint8_t>(shore.mission);
    TurnWatch watch(views);
    GameState.Corps[c].Stance = static_cast<std::uint8_t>(shore.stanceAfter);
    GameState.Corps[c].Inactive = shore.freedAfter ? 1 : 0;
    watch.Look();
    EXPECT_EQ(watch.TakeTurn(1).landings, shore.landings) << shore.what;
    EXPECT_EQ(watch.TakeTurn(2).landings, 0) << "counted once";
    GameState.Corps[c].Inactive = 1;
    GameState.Fleets[f].Status = TFleet::FreedStatus;
  }
}

struct CottonCase {
  const char* what;
  int cottonAfter;
  int suppliesAfter;
  int statusAfter;
  int runs;
};

const CottonCase kCotton[] = {
    {"sold abroad", 0, 120, 0, 1},
    {"still aboard", 120, 0, 0, 0},
    {"sunk", 0, 120, TFleet::FreedStatus, 0},
    {"lost without a sale", 0, 0, 0, 0},
};

TEST_F(TurnFiguresTest, ACottonRunIsCottonSoldAbroadByAFleetStillAfloat) {
  for (const CottonCase& cotton : kCotton) {
    const int f = AddFleet(60, 30, TSide::Confederate, TNation::Confederacy);
    TFleet& fleet = GameState.Fleets[f];
    fleet.Mission = TFleetMission::CottonRun;
    fleet.Cotton = 120;
    TurnWatch watch(views);
    fleet.Cotton = static_cast<std::uint16_t>(cotton.cottonAfter);
    fleet.Supplies = static_cast<std::uint16_t>(cotton.suppliesAfter);
    fleet.Status = static_cast<std::uint8_t>(cotton.statusAfter);
    watch.Look();
    const TurnFigures figures = watch.TakeTurn(1);
    EXPECT_EQ(figures.cottonRuns, cotton.runs) << cotton.what;
    EXPECT_EQ(figures.fleets[TSide::Confederate - 1], cotton.statusAfter == 0 ? 1 : 0) << cotton.what;
    fleet.Status = TFleet::FreedStatus;
  }
}

struct WrapCase {
  const char* what;
  int supplies;      // before, then after
  int suppliesAfter;
  int casualties;
  int casualtiesAfter;
  bool wrapped;
};

// Half the range of a stock is 32767: a leap of one more can only be a wrap below zero.
const WrapCase kWraps[] = {
    {"a stock leaps half its range", 100, 32867, 0, 0, false},
    {"a stock leaps more", 100, 32868, 0, 0, true},
    {"a stock falls to nothing", 65535, 0, 0, 0, false},
    {"a tally grows", 0, 0, 500, 501, false},
    {"a tally falls", 0, 0, 500, 499, true},
};

TEST_F(TurnFiguresTest, AStockThatLeapsOrATallyThatFallsIsAWrap) {
  for (const WrapCase& wrap : kWraps) {
    GameState.Nations[TNation::Union].Supplies[TTheatre::West] = static_cast<std::uint16_t>(wrap.supplies);
    GameState.Casualties[TNation::Confederacy] = wrap.casualties;
    TurnWatch watch(views);
    GameState.Nations[TNation::Union].Supplies[TTheatre::West] = static_cast<std::uint16_t>(wrap.suppliesAfter);
    GameState.Casualties[TNation::Confederacy] = wrap.casualtiesAfter;
    watch.Look();
    EXPECT_EQ(!watch.TakeWraps().empty(), wrap.wrapped) << wrap.what;
    EXPECT_THAT(watch.TakeWraps(), ::testing::IsEmpty()) << "each wrap is told once";
  }
}

TEST_F(TurnFiguresTest, TheTurnsCasualtiesGoToTheCampEachNationFightsFor) {
  GameState.Nations[TNation::Britain].Side = TSide::Confederate;
  GameState.Casualties[TNation::Union] = 1000;
  TurnWatch watch(views);
  GameState.Casualties[TNation::Union] = 1300;
  GameState.Casualties[TNation::Confederacy] = 250;
  GameState.Casualties[TNation::Britain] = 40;
  GameState.Casualties[TNation::France] = 7;  // at peace: no camp's
  TurnFigures figures = watch.TakeTurn(1);
  EXPECT_EQ(figures.casualties[0], 300);
  EXPECT_EQ(figures.casualties[1], 290);
  figures = watch.TakeTurn(2);
  EXPECT_EQ(figures.casualties[0] + figures.casualties[1], 0) << "counted once";
}

// Turns of the calendar from the given date on, three a month.
std::vector<TurnFigures> Turns(int year, int month, int count) {
  std::vector<TurnFigures> turns(count);
  for (int t = 0; t < count; ++t) {
    const int months = month - 1 + t / 3;
    turns[t].turn = t + 1;
    turns[t].date = FiguresDate(year + months / 12, months % 12 + 1, 1 + 10 * (t % 3));
    turns[t].supplies = {100, 100, 100, 100};
  }
  return turns;
}

struct DrySpell {
  const char* what;
  int first;   // turn index of the first turn without supplies
  int count;   // turns without supplies
  int longest; // counted up to the end of 1862
};

// Turn 0 is 1 July 1862; turn 18 is the first of 1863.
const DrySpell kDrySpells[] = {
    {"six months", 0, 18, 18},
    {"a turn more", 0, 19, 18},
    {"into the next year", 10, 12, 8},
    {"all after the year", 18, 20, 0},
};

TEST_F(TurnFiguresTest, TheLongestDrySpellIsCountedToTheEndOfTheYearAsked) {
  for (const DrySpell& spell : kDrySpells) {
    std::vector<TurnFigures> turns = Turns(1862, 7, 40);
    for (int t = spell.first; t < spell.first + spell.count; ++t) turns[t].supplies[TNation::Confederacy - 1] = 0;
    EXPECT_EQ(LongestTurnsWithoutSupplies(turns, TNation::Confederacy, 1862), spell.longest) << spell.what;
    EXPECT_EQ(LongestTurnsWithoutSupplies(turns, TNation::Union, 1862), 0) << spell.what;
  }
}

struct SeasonCase {
  const char* what;
  int battleTurn;  // index into the turns from 1 January 1862; -1 for none
  std::vector<std::string> quiet;
};

// Turn 6 is 1 March, 32 is 21 November, 33 is 1 December.
const SeasonCase kSeasons[] = {
    {"no battle", -1, {"1862 spring", "1862 summer", "1862 autumn"}},
    {"on the first of March", 6, {"1862 summer", "1862 autumn"}},
    {"on the last of May", 14, {"1862 summer", "1862 autumn"}},
    {"on the first of June", 15, {"1862 spring", "1862 autumn"}},
    {"on the last of November", 32, {"1862 spring", "1862 summer"}},
    {"in December", 33, {"1862 spring", "1862 summer", "1862 autumn"}},
};

TEST_F(TurnFiguresTest, EachSeasonOfCampaignPlayedThroughNeedsABattle) {
  for (const SeasonCase& season : kSeasons) {
    std::vector<TurnFigures> turns = Turns(1862, 1, 36);
    if (season.battleTurn >= 0) turns[season.battleTurn].assaults = 1;
    EXPECT_EQ(SeasonsWithoutBattles(turns), season.quiet) << season.what;
  }
  const std::vector<TurnFigures> fromJuly = Turns(1861, 7, 6);
  EXPECT_THAT(SeasonsWithoutBattles(fromJuly), ::testing::IsEmpty()) << "a season begun late is not judged";
}

TEST_F(TurnFiguresTest, EveryRowHasAColumnForEachHeading) {
  std::ostringstream header;
  std::ostringstream row;
  WriteFiguresHeader(header);
  WriteFiguresRow(row, TurnFigures{});
  const auto columns = [](const std::string& line) { return std::count(line.begin(), line.end(), ',') + 1; };
  EXPECT_EQ(columns(header.str()), columns(row.str()));
  EXPECT_EQ(header.str().back(), '\n');
  EXPECT_EQ(row.str().back(), '\n');
}

}  // namespace
