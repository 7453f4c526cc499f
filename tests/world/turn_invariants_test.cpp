// The invariants the turn tests and the campaign runner check after every
// phase: each must find what it is there to find, and nothing on either side
// of its threshold that the rules may leave.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/time.h>

#include <csignal>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/record_rules.h"
#include "support/reload_check.h"
#include "support/turn_memory.h"
#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/load_corrections.h"
#include "world/save_load.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class TurnInvariantsTest : public WindowTest {
 protected:
  // A corps that the force totals keep: a commander and a brigade.
  static int AddCorpsOf(int nation, int army = 0) {
    const int c = AddCorps(10, 10, GameState.Nations[nation].Side, nation);
    TCorps& corps = GameState.Corps[c];
    corps.Leader = static_cast<std::uint8_t>(c);
    corps.Ordinal = static_cast<std::uint8_t>(c);
    corps.Army = static_cast<std::uint8_t>(army);
    const int b = FirstFreeSlot(GameState.Brigades);
    GameState.Brigades[b] = {static_cast<std::uint8_t>(nation), static_cast<std::uint8_t>(c), TArm::Infantry, 40, 1, 1, 1, 1,
                             TBrigadeStatus::InCorps, 0};
    return c;
  }
  static Findings Marks() {
    Findings findings;
    CheckOperationMarks(findings);
    return findings;
  }
};

// For as long as it lives, a timer interrupts whatever waits every tenth of a
// millisecond, its signal's handler restarting nothing, as a fuzzer's does.
class RepeatingAlarm {
 public:
  RepeatingAlarm() {
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigaction(SIGALRM, &action, &previous_);
    const itimerval every{{0, 100}, {0, 100}};
    setitimer(ITIMER_REAL, &every, nullptr);
  }
  ~RepeatingAlarm() {
    const itimerval off{};
    setitimer(ITIMER_REAL, &off, nullptr);
    sigaction(SIGALRM, &previous_, nullptr);
  }
  RepeatingAlarm(const RepeatingAlarm&) = delete;
  RepeatingAlarm& operator=(const RepeatingAlarm&) = delete;

 private:
  struct sigaction previous_ {};
};

struct PlanCase {
  int plan;
  int phase;
  bool allowed;
};

// Phases past the last, and the preparing phase of plans that skip it.
const PlanCase kPlans[] = {
    {1, 3, true},  {1, 4, false}, {3, 1, false}, {3, 2, true},  {10, 1, false}, {10, 2, true},
    {12, 1, true}, {13, 2, false}, {13, 3, true}, {14, 1, false}, {14, 3, true},
};

TEST_F(TurnInvariantsTest, EachPlanGoesThroughItsOwnPhasesOnly) {
  for (const PlanCase& plan : kPlans) {
    GameState.AiPlans[plan.plan].Phase = static_cast<std::uint8_t>(plan.phase);
    EXPECT_EQ(Marks().empty(), plan.allowed) << "plan " << plan.plan << " phase " << plan.phase;
    GameState.AiPlans[plan.plan].Phase = 0;
  }
}

// Which marks each nation may carry is the operation marks' own test.
TEST_F(TurnInvariantsTest, ACorpsOrArmyOutsideItsNationsOperationsIsFoundUnlessItsSlotIsFree) {
  const int c = AddCorpsOf(TNation::Confederacy);
  const int a = AddArmy(12, 12, TSide::Union, TNation::Union);
  GameState.Corps[c].AiMission = 9;
  GameState.Armies[a].AiOrder = 9;
  EXPECT_THAT(Marks(), ElementsAre(HasSubstr("corps " + std::to_string(c) + " has AiMission 9"),
                                   HasSubstr("army " + std::to_string(a))));
  GameState.Corps[c].Inactive = 1;
  GameState.Armies[a].AiOrder = 0;
  EXPECT_THAT(Marks(), IsEmpty()) << "a free slot's bytes are left over";
}

struct FleetCase {
  int status;
  int task;
  bool sound;
};

const FleetCase kFleets[] = {
    {0, 0, true},    {25, 9, true},   {26, 0, false}, {254, 0, false},
    {255, 0, true},  {0, 8, false},   {0, 10, false},
};

TEST_F(TurnInvariantsTest, AFleetHoldsOnlyTheStatusesAndTasksTheRulesWrite) {
  for (const FleetCase& code : kFleets) {
    TFleet& fleet = GameState.Fleets[1];
    fleet.Status = static_cast<std::uint8_t>(code.status);
    fleet.TransportTask = static_cast<std::uint16_t>(code.task);
    Findings findings;
    CheckFleetCodes(findings);
    EXPECT_EQ(findings.empty(), code.sound) << "status " << code.status << ", task " << code.task;
  }
}

struct CountCase {
  int own;          // Union corps in the Union army
  int stray;        // Confederate corps in it, which the totals do not count
  const char* found;
};

const CountCase kCounts[] = {
    {2, 0, nullptr},
    {2, 1, "has CorpsCount 2 but 3 active corps"},
    {0, 1, "which the totals found empty"},
};

class ArmyCountTest : public TurnInvariantsTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ArmyCountTest, ArmiesCountTheirCorpsAfterTheTotalsAndTheGameIsPutBack) {
  const CountCase& count = GetParam();
  const int a = AddArmy(10, 10, TSide::Union, TNation::Union);
  GameState.Armies[a].Leader = 201;
  GameState.Armies[a].CorpsCount = 5;  // stale: the totals set it right
  for (int k = 0; k < count.own; ++k) AddCorpsOf(TNation::Union, a);
  for (int k = 0; k < count.stray; ++k) AddCorpsOf(TNation::Confederacy, a);
  const auto before = std::make_unique<TGameState>(GameState);
  Findings findings;
  CheckArmyCorpsCounts(findings);
  if (count.found == nullptr) EXPECT_THAT(findings, IsEmpty());
  else EXPECT_THAT(findings, ElementsAre(HasSubstr(count.found)));
  EXPECT_EQ(std::memcmp(before.get(), &GameState, sizeof(TGameState)), 0) << "the game is as it was";
}

INSTANTIATE_TEST_SUITE_P(Counts, ArmyCountTest, ::testing::ValuesIn(kCounts));

// Where a corps stands after each change, set against the steps it recorded.
struct MarchCase {
  const char* what;
  int stance;                  // while it moves
  std::vector<int> recorded;   // directions recorded as steps done
  std::vector<int> walked;     // directions it actually went
  bool found;
};

const MarchCase kMarches[] = {
    {"stays", TCombatStance::Defend, {}, {}, false},
    {"two recorded steps", TCombatStance::Advance, {kNorth, kSouthEast}, {kNorth, kSouthEast}, false},
    {"a step unrecorded", TCombatStance::Advance, {}, {kSouth}, true},
    {"a step more than recorded", TCombatStance::Advance, {kNorth}, {kNorth, kNorth}, true},
    {"another way than recorded", TCombatStance::Advance, {kNorth}, {kSouth}, true},
    {"aboard a fleet", TCombatStance::Embarked, {}, {kSouth, kSouth, kSouth}, false},
    {"by train", TCombatStance::ByRail, {}, {kSouth, kSouth, kSouth}, false},
};

TEST_F(TurnInvariantsTest, ACorpsGoesOnlyWhereItsRecordedStepsLeadUnlessCarried) {
  for (const MarchCase& march : kMarches) {
    TCorps& corps = GameState.Corps[AddCorpsOf(TNation::Union)];
    corps.X = corps.Y = 30;
    TurnMemory memory;
    corps.Stance = static_cast<std::uint8_t>(march.stance);
    for (std::size_t s = 0; s < march.recorded.size(); ++s)
      corps.StepDone[static_cast<int>(s) + 1] = static_cast<std::uint8_t>(march.recorded[s]);
    std::uint16_t x = corps.X;
    std::uint16_t y = corps.Y;
    for (int direction : march.walked) StepHexRef(x, y, direction);
    corps.X = static_cast<std::uint8_t>(x);
    corps.Y = static_cast<std::uint8_t>(y);
    Findings findings;
    memory.Check(findings);
    EXPECT_EQ(!findings.empty(), march.found) << march.what << ::testing::PrintToString(findings);
    corps.Inactive = 1;
  }
}

TEST_F(TurnInvariantsTest, MovesAreLeftUncheckedAcrossTurnsFreshRoutesLandingsAndNewFormations) {
  TCorps& corps = GameState.Corps[AddCorpsOf(TNation::Union)];
  corps.X = corps.Y = 30;
  corps.StepDone[1] = kNorth;
  TurnMemory memory;
  Findings findings;
  corps.StepDone[1] = kNoDirection;  // a fresh route, then a move it leaves unrecorded
  corps.Y = 31;
  memory.Check(findings);
  corps.Stance = TCombatStance::Embarked;
  memory.Check(findings);
  corps.Stance = TCombatStance::Advance;  // landed far from where it boarded
  corps.X = 50;
  memory.Check(findings);
  GameState.Day = 21;  // the next turn: the train and the orders came between
  corps.X = 40;
  memory.Check(findings);
  // Spent and formed again elsewhere, with the same ordinal, under a new commander.
  corps.X = 12;
  ++corps.Leader;
  memory.Check(findings);
  EXPECT_THAT(findings, IsEmpty());
}

struct ArmyCase {
  int corps;
  bool human;
  bool found;
};

const ArmyCase kRaised[] = {{6, false, false}, {7, false, true}, {7, true, false}};

TEST_F(TurnInvariantsTest, TheComputerRaisesNoArmyOfMoreThanSixCorps) {
  for (const ArmyCase& raised : kRaised) {
    GameState.Nations[TNation::Union].Human = raised.human ? 1 : 0;
    TurnMemory memory;
    const int a = AddArmy(10, 10, TSide::Union, TNation::Union);
    GameState.Armies[a].Ordinal = static_cast<std::uint8_t>(a);
    for (int k = 0; k < raised.corps; ++k) AddCorpsOf(TNation::Union, a);
    Findings findings;
    memory.Check(findings);
    EXPECT_EQ(!findings.empty(), raised.found) << raised.corps << " corps";
    // Corps joining an army already raised are no concern of this rule.
    AddCorpsOf(TNation::Union, a);
    findings.clear();
    memory.Check(findings);
    EXPECT_THAT(findings, IsEmpty());
    for (int c = 1; c <= GameState.Corps.Count; ++c) GameState.Corps[c].Inactive = 1;
  }
}

TEST_F(TurnInvariantsTest, APlanRecordNoOperationUsesStaysAsLoaded) {
  TurnMemory memory;
  Findings findings;
  GameState.AiPlans[7].Counter = 3;
  GameState.AiPlans[14].Limit = 2;
  memory.Check(findings);
  EXPECT_THAT(findings, IsEmpty()) << "plans in use";
  GameState.AiPlans[8].Counter = 1;
  GameState.AiPlans[15].Phase = 2;
  memory.Check(findings);
  EXPECT_THAT(findings, ElementsAre(HasSubstr("plan 8"), HasSubstr("plan 15")));
}

TEST_F(TurnInvariantsTest, ASoundGameLoadsBackAndAStrayMarkIsNamedWhereItLies) {
  const std::string name = PathOf("game");
  // A game in play has been through the loader's fixed repairs and its choice of reports.
  ApplyLoadCorrections();
  ChooseMessageView();
  const int c = AddCorpsOf(TNation::Union);
  GameState.Corps[c].AiMission = 9;
  ASSERT_TRUE(SaveGame(name));
  EXPECT_EQ(FindReloadDifference(name), "");
  {
    const RepeatingAlarm alarm;
    EXPECT_EQ(FindReloadDifference(name), "") << "a signal interrupts the wait, not the check";
  }
  GameState.Corps[c].AiMission = 12;
  ASSERT_TRUE(SaveGame(name));
  EXPECT_EQ(FindReloadDifference(name), "the reloaded game differs at corps " + std::to_string(c) + ", byte " +
                                            std::to_string(offsetof(TCorps, AiMission)));
  EXPECT_EQ(GameState.Corps[c].AiMission, 12) << "the game in play stays as it was";
}

}  // namespace
