#include "warfare/naval_combat.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "fleet_fixture.h"
#include "turn/movement_driver.h"
#include "world/random.h"

namespace {

using Draws = std::deque<ScriptedDraw>;

constexpr int kX = 10;
constexpr int kY = 10;

// A shot of Random(200) that hits every battery, and one that misses all.
constexpr ScriptedDraw kHit{200, 0};
constexpr ScriptedDraw kMiss{200, 199};

class NavalCombatTest : public FleetTest {
 protected:
  // A fleet in the combat hex on patrol (or the given mission).
  static TFleet& Squadron(int nation, int ironclads, int warships, int transports,
                          int mission = TFleetMission::Patrol) {
    TFleet& fleet = Fleet(kX, kY, nation, ironclads, warships, transports);
    fleet.Mission = mission;
    fleet.Supplies = 20;
    return fleet;
  }

  static void Script(Draws draws) { ScriptRandomDraws(std::move(draws)); }

  static Draws Shots(int count, ScriptedDraw shot) { return Draws(count, shot); }
};

Draws operator+(Draws a, const Draws& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// One engagement worked by hand: an ironclad against a warship and a
// transport, every counter and mark checked.
TEST_F(NavalCombatTest, AScriptedEngagementFiresSideOneFirstAndLandsEveryHitAsDrawn) {
  SoundEnabled = true;
  TFleet& ironclad = Squadron(TNation::Union, 1, 0, 0);
  TFleet& raiders = Squadron(TNation::Confederacy, 0, 1, 1);
  // The ironclad's eight shots: 99 hits, 100 misses. The warship's two: 64
  // hits, 65 misses; the transport's 1 hits. The ironclad holds at 80 and is
  // damaged at 81; the warship is damaged at 41.
  const Draws ironcladFires = Draws{{200, 99}, {200, 100}} + Shots(6, kMiss);
  const Draws raidersFire{{200, 64}, {200, 65}, {200, 1}};
  const Draws hitsTell{{120, 80}, {120, 81}, {120, 41}};
  Script(ironcladFires + raidersFire + hitsTell);
  ResolveNavalCombat(1);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(ironclad.Ships[TShipType::Ironclad], 0);
  EXPECT_EQ(ironclad.DamagedShips[TShipType::Ironclad], 1) << "no hit was left to sink it";
  EXPECT_EQ(raiders.Ships[TShipType::Warship], 0);
  EXPECT_EQ(raiders.DamagedShips[TShipType::Warship], 1);
  EXPECT_EQ(raiders.Ships[TShipType::Transport], 1);
  EXPECT_EQ(ironclad.Supplies, 19) << "one supply for the enemy fleet met";
  for (const TFleet* fleet : {&ironclad, &raiders})
    EXPECT_TRUE(fleet->Spotted == 0 && fleet->Engaged == 0 && fleet->PathStep == 20)
        << "unmarked, and stopped for the turn";
  ASSERT_EQ(battleViews.NavalCombats().size(), 1u);
  const NavalCombatView& view = battleViews.NavalCombats()[0];
  EXPECT_EQ(view.place, "text 108");
  EXPECT_EQ(view.sides, (std::array<std::string, 2>{"Union", "Confederate"}));
  EXPECT_EQ(view.fleets, (std::array<std::string, 2>{"1", "2"}));
  EXPECT_EQ(view.ships[1], (std::array<int, 3>{0, 1, 1}));
  EXPECT_EQ(window.Sounds(), std::vector<std::string>{"SEA.WAV"});
  EXPECT_EQ(ViewLeft, kX - 3) << "the engagement's hex in full view, off the corner";
  EXPECT_EQ(ViewTop, kY - 2);
}

// Every unit of a battery fires its shots, each hitting on a Random(200)
// below the battery's mark: one draw short of the mark hits, the mark misses.
TEST_F(NavalCombatTest, EachBatteryFiresItsShotsAndHitsBelowItsMark) {
  struct Row {
    const char* battery;
    NavalForce force;
    int shots;
    int mark;
  };
  const Row rows[] = {
      {"ironclad", {.ships = {1, 0, 0}}, 8, 100},
      {"damaged ironclad", {.damaged = {1, 0, 0}}, 4, 50},
      {"warship", {.ships = {0, 1, 0}}, 2, 65},
      {"damaged warship", {.damaged = {0, 1, 0}}, 1, 30},
      {"transport", {.ships = {0, 0, 1}}, 1, 2},
      {"damaged transport", {.damaged = {0, 0, 1}}, 1, 2},
      {"coastal gun", {.guns = 1}, 8, 125},
  };
  for (const Row& row : rows) {
    for (const int draw : {row.mark - 1, row.mark}) {
      Script(Shots(row.shots, {200, draw}));
      EXPECT_EQ(VolleyHits(row.force), draw < row.mark ? row.shots : 0) << row.battery << ", draw " << draw;
      EXPECT_EQ(ScriptedDrawsLeft(), 0u) << row.battery;
    }
  }
}

// One hit on a lone ship of each kind: sound ships are damaged above their
// mark, damaged ones sink above theirs, and a damaged transport sinks unasked.
TEST_F(NavalCombatTest, EachKindOfShipTakesAHitOnlyAboveItsMark) {
  struct Row {
    const char* ship;
    int type;
    bool damaged;
    int kind;
    int shots;  // the target's own shots back, all missing
    int draw;   // the Random(120) of the hit; -1 when none is drawn
    int soundAfter;
    int damagedAfter;
    int sunk;
  };
  const Row rows[] = {
      {"ironclad", TShipType::Ironclad, false, 1, 8, 80, 1, 0, 0},
      {"ironclad", TShipType::Ironclad, false, 1, 8, 81, 0, 1, 0},
      {"damaged ironclad", TShipType::Ironclad, true, 1, 4, 65, 0, 1, 0},
      {"damaged ironclad", TShipType::Ironclad, true, 1, 4, 66, 0, 0, 1},
      {"warship", TShipType::Warship, false, 1, 2, 40, 1, 0, 0},
      {"warship", TShipType::Warship, false, 1, 2, 41, 0, 1, 0},
      {"damaged warship", TShipType::Warship, true, 1, 1, 20, 0, 1, 0},
      {"damaged warship", TShipType::Warship, true, 1, 1, 21, 0, 0, 1},
      {"ocean transport", TShipType::Transport, false, 1, 1, 20, 1, 0, 0},
      {"ocean transport", TShipType::Transport, false, 1, 1, 21, 0, 1, 0},
      {"river transport", TShipType::Transport, false, 2, 1, 21, 0, 1, 0},
      {"sea transport", TShipType::Transport, false, 0, 1, 75, 1, 0, 0},
      {"sea transport", TShipType::Transport, false, 0, 1, 76, 0, 1, 0},
      {"damaged transport", TShipType::Transport, true, 1, 1, -1, 0, 0, 1},
  };
  for (const Row& row : rows) {
    Fresh();
    Squadron(TNation::Union, 0, 0, 0).DamagedShips[TShipType::Warship] = 1;  // one shot
    TFleet& target = Squadron(TNation::Confederacy, 0, 0, 0);
    (row.damaged ? target.DamagedShips : target.Ships)[row.type] = 1;
    target.Kind = row.kind;
    Draws draws = Draws{{200, 29}} + Shots(row.shots, kMiss);
    if (row.draw >= 0) draws.push_back({120, row.draw});
    Script(draws);
    ResolveNavalCombat(1);
    SCOPED_TRACE(std::string(row.ship) + ", draw " + std::to_string(row.draw));
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(target.Ships[row.type], row.soundAfter);
    EXPECT_EQ(target.DamagedShips[row.type], row.damagedAfter);
    auto& tally = row.kind == 2 ? GameState.RiverShipsSunk : GameState.OceanShipsSunk;
    EXPECT_EQ(tally[TNation::Confederacy], row.sunk);
  }
}

// A port's works take each hit above 60 and never more than they have; its
// guns fall with them. An attacker turns home once the works are gone or its
// supplies run below 10.
TEST_F(NavalCombatTest, APortLosesAWorkOnEachDrawAbove60AndItsAttackerTurnsHomeWhenDone) {
  struct Row {
    int works;
    int supplies;  // one is spent on the port
    Draws hits;
    int worksAfter;
    int gunsAfter;
    int missionAfter;
  };
  const Draws threeOfSeven{{120, 60}, {120, 61}, {120, 61}, {120, 61},
                           {120, 60}, {120, 60}, {120, 60}};
  const Row rows[] = {
      {3, 20, {{120, 61}, {120, 60}, {120, 61}, {120, 61}}, 0, 2, TFleetMission::Move},
      {5, 11, threeOfSeven, 2, 2, TFleetMission::AttackPort},
      {5, 10, threeOfSeven, 2, 2, TFleetMission::Move},
  };
  for (const Row& row : rows) {
    Fresh();
    const int home = Port(30, 30, TSide::Union);
    const int port = Port(kX, kY, TSide::Confederate);
    GameState.Cities[port].Fortifications = row.works;
    GameState.Cities[port].CoastalGuns = 5;
    TFleet& attacker = Squadron(TNation::Union, 1, 0, 0);
    SailFor(attacker, TFleetMission::AttackPort, home, port);
    attacker.Supplies = row.supplies;
    Script(Shots(7, kHit) + Shots(1, kMiss) + Shots(40, kMiss) + row.hits);
    ResolveNavalCombat(1);
    SCOPED_TRACE(std::to_string(row.works) + " works, supplies " + std::to_string(row.supplies));
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(GameState.Cities[port].Fortifications, row.worksAfter);
    EXPECT_EQ(GameState.Cities[port].CoastalGuns, row.gunsAfter);
    EXPECT_EQ(attacker.Mission, row.missionAfter);
    EXPECT_EQ(CurrentCity, port);
    ASSERT_EQ(battleViews.NavalCombats().size(), 1u);
    const NavalCombatView& view = battleViews.NavalCombats()[0];
    EXPECT_EQ(view.place, "text 491City " + std::to_string(port));
    EXPECT_EQ(view.cityWorks[1], std::to_string(row.works) + "-5");
    EXPECT_EQ(view.sides[1], "Confederate") << "a port fighting alone names its nation";
    EXPECT_EQ(view.worksLost[1], row.works - row.worksAfter);
  }
}

// A fleet lying off the port it attacks bombards it once in every fleet pass
// of the movement, never twice, for as long as its supplies hold at 10: each
// bombardment costs one. Works that cannot be hit and no guns to answer make
// the longest siege a turn can hold.
TEST_F(NavalCombatTest, AFleetOffThePortItAttacksFightsItOncePerFleetPassWhileSuppliesLast) {
  struct Row {
    int supplies;
    int engagements;
    int missionAfter;
  };
  const Row rows[] = {
      {10, 1, TFleetMission::Move},
      {11, 2, TFleetMission::Move},
      {28, 19, TFleetMission::Move},
      {29, 19, TFleetMission::AttackPort},
  };
  for (const Row& row : rows) {
    Fresh();
    const int home = Port(30, 30, TSide::Confederate);
    const int port = Port(kX, kY, TSide::Union);
    GameState.Cities[port].Fortifications = 1;
    TFleet& attacker = Squadron(TNation::Confederacy, 0, 1, 0);
    SailFor(attacker, TFleetMission::AttackPort, home, port);
    attacker.Supplies = row.supplies;
    // The warship's two shots miss in every engagement; the port has no guns.
    Script(Shots(2 * row.engagements, kMiss));
    RunMovementPhase();
    SCOPED_TRACE("supplies " + std::to_string(row.supplies));
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(battleViews.NavalCombats().size(), static_cast<std::size_t>(row.engagements));
    EXPECT_EQ(attacker.Mission, row.missionAfter);
    EXPECT_EQ(attacker.Supplies, row.supplies - row.engagements);
  }
}

// No enemy, an enemy keeping out, a port of a nation at peace: no fight, no
// form, no sound, no draw; and every fleet counted leaves unspotted. A cotton
// runner keeps out only in its own home port; away from it, it is fought.
TEST_F(NavalCombatTest, AnEngagementWithoutAnEnemyIsNeverFoughtAndLeavesNoMarks) {
  enum Setting { kAlone, kCottonRunnerAtHome, kCottonRunnerAway, kPortAtPeace };
  for (const Setting setting : {kAlone, kCottonRunnerAtHome, kCottonRunnerAway, kPortAtPeace}) {
    Fresh();
    SoundEnabled = true;
    TFleet& patrol = Squadron(TNation::Union, 1, 0, 0, TFleetMission::AttackPort);
    if (setting == kCottonRunnerAtHome || setting == kCottonRunnerAway) {
      TFleet& runner = Squadron(TNation::Confederacy, 0, 0, 2, TFleetMission::CottonRun);
      runner.HomePort = Port(setting == kCottonRunnerAtHome ? kX : kX + 30, kY, TSide::Confederate);
    }
    if (setting == kPortAtPeace) {
      const int port = Port(kX, kY, TSide::None);
      GameState.Cities[port].Nation = TNation::Britain;
      GameState.Cities[port].Fortifications = 4;
    }
    ResetRandomDrawCount();
    ResolveNavalCombat(1);
    SCOPED_TRACE(setting);
    const bool fought = setting == kCottonRunnerAway;
    EXPECT_EQ(RandomDrawCount() != 0, fought);
    EXPECT_EQ(battleViews.NavalCombats().size(), fought ? 1u : 0u);
    EXPECT_EQ(window.Sounds().empty(), !fought);
    for (int f = 1; f <= 2; ++f) EXPECT_EQ(GameState.Fleets[f].Spotted, 0);
    if (!fought) {
      EXPECT_EQ(patrol.Ships[TShipType::Ironclad], 1);
    }
  }
}

// Twelve fleets of damaged transports, river and ocean, go down in one
// engagement: each is reported by its nation's line and number, which it then
// gives up, and each ship is tallied by its waters. The form lists the
// numbers apart, with nothing after the last.
TEST_F(NavalCombatTest, EveryFleetSunkIsReportedOnceAndTalliedByItsWaters) {
  SetRandomSeed(1863);
  Squadron(TNation::Union, 3, 0, 0);
  std::vector<std::string> expected;
  std::string listed;
  for (int k = 0; k < 12; ++k) {
    TFleet& runner = Squadron(TNation::Confederacy, 0, 0, 0);
    runner.DamagedShips[TShipType::Transport] = 1;
    runner.Kind = k % 2 == 0 ? 2 : 1;
    expected.push_back("text 586" + std::to_string(runner.Number) + " sunk");
    listed += (k == 0 ? "" : ", ") + std::to_string(runner.Number);
  }
  ResolveNavalCombat(1);
  EXPECT_EQ(window.Messages(), expected);
  EXPECT_EQ(GameState.RiverShipsSunk[TNation::Confederacy], 6);
  EXPECT_EQ(GameState.OceanShipsSunk[TNation::Confederacy], 6);
  for (int f = 2; f <= 13; ++f) {
    EXPECT_TRUE(GameState.Fleets[f].IsFree());
    EXPECT_EQ(GameState.Fleets[f].Number, 0);
  }
  ASSERT_EQ(battleViews.NavalCombats().size(), 1u);
  EXPECT_EQ(battleViews.NavalCombats()[0].sunk[1], (std::array<int, 3>{0, 0, 12}));
  EXPECT_EQ(battleViews.NavalCombats()[0].fleets[1], listed);
}

// A corps aboard an amphibious fleet that goes down is lost on open water,
// every man booked and its leader gone; on land it wades ashore.
TEST_F(NavalCombatTest, ACorpsGoesDownWithItsFleetAtSeaButLandsFromItOnLand) {
  for (const bool atSea : {true, false}) {
    Fresh();
    SetRandomSeed(1864);
    if (!atSea) MapRecord.Cell(kX, kY).SetTerrain(1);
    const int objective = Port(20, 20, TSide::Confederate);
    TFleet& transports = Squadron(TNation::Union, 0, 0, 0, TFleetMission::Amphibious);
    transports.DamagedShips[TShipType::Transport] = 1;
    transports.Objective = objective;
    TCorps& corps = EmbarkCorps(transports);
    corps.Leader = 5;
    corps.Army = 2;
    TBrigade& brigade = GameState.Brigades[1];
    brigade.Nation = TNation::Union;
    brigade.Strength = 40;
    brigade.HomeState = 3;
    Squadron(TNation::Confederacy, 3, 0, 0);
    ResolveNavalCombat(1);
    SCOPED_TRACE(atSea ? "at sea" : "on land");
    ASSERT_TRUE(GameState.Fleets[1].IsFree());
    ASSERT_EQ(battleViews.NavalCombats().size(), 1u);
    const NavalCombatView& view = battleViews.NavalCombats()[0];
    if (atSea) {
      EXPECT_TRUE(corps.IsFree() && corps.Leader == 0 && corps.Army == 0 && brigade.IsFree());
      EXPECT_EQ(GameState.Leaders[5].Status, 255);
      EXPECT_EQ(GameState.Casualties[TNation::Union], 40);
      EXPECT_EQ(GameState.States[3].Losses, 40);
      EXPECT_EQ(view.lostCorps[0], "text 456");
    } else {
      EXPECT_TRUE(!corps.IsFree() && corps.Stance == TCombatStance::Advance);
      EXPECT_EQ(corps.City, objective);
      EXPECT_EQ(view.lostCorps[0], "");
    }
  }
}

// A volley's batteries fire in a fixed order: ironclads, damaged ironclads,
// warships, damaged warships, transports, damaged transports, coastal guns.
// Each shot is scripted just below the mark of the battery meant to fire it,
// so every shot hits only when each battery fires its own shots: any other
// order puts a shot meant for a better battery on a worse one, and it misses.
TEST_F(NavalCombatTest, AVolleysBatteriesDrawTheirShotsInTheirFixedOrder) {
  using Battery = std::pair<int, int>;  // shots of one unit, mark to hit below
  const Battery order[] = {{8, 100}, {4, 50}, {2, 65}, {1, 30}, {1, 2}, {1, 2}, {8, 125}};
  Draws draws;
  int shots = 0;
  for (const auto& [count, mark] : order) {
    for (int shot = 0; shot < count; ++shot) draws.push_back({200, mark - 1});
    shots += count;
  }
  Script(draws);
  EXPECT_EQ(VolleyHits({{1, 1, 1}, {1, 1, 1}, 1}), shots);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
}

// Over 2,000 seeded volleys: five coastal guns score 25 hits on average, a
// sound ironclad alone 4.
TEST_F(NavalCombatTest, CoastalGunsAndIroncladsScoreTheirAverageHits) {
  struct Row {
    const char* force;
    NavalForce fire;
    double mean;
    double tolerance;
  };
  const Row rows[] = {{"five coastal guns", {{}, {}, 5}, 25.0, 0.5},
                      {"an ironclad", {{1, 0, 0}, {}, 0}, 4.0, 0.2}};
  for (const Row& row : rows) {
    SetRandomSeed(1861);
    constexpr int kEngagements = 2'000;
    long total = 0;
    for (int k = 0; k < kEngagements; ++k) total += VolleyHits(row.fire);
    EXPECT_NEAR(static_cast<double>(total) / kEngagements, row.mean, row.tolerance) << row.force;
  }
}

// The recording views answer without drawing, so a fight asked of them draws
// exactly what one without a form would.
TEST_F(NavalCombatTest, TheRecordingViewsDrawNothingWhenAsked) {
  struct : BattleControls {
    void SetIntensity(int) override {}
    void Execute() override {}
  } idle;
  ResetRandomDrawCount();
  battleViews.ShowNavalCombat(NavalCombatView{});
  battleViews.ShowBattle(BattleForm{}, idle);
  battleViews.ChooseIntensity(IntensityView{});
  battleViews.ChooseLeader(LeaderChoiceView{});
  battleViews.ShowResults(BattleResults{});
  EXPECT_EQ(RandomDrawCount(), 0u);
}

}  // namespace
