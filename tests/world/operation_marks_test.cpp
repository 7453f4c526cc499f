#include "world/operation_marks.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/load_corrections.h"
#include "world/vardecl.h"

namespace {

struct MarkCase {
  const char* what;
  int nation;
  int mark;
  bool corpsMission;  // a corps of the nation may carry it
  bool armyOrder;     // an army of the nation may carry it
};

// Each end of each camp's range, and the marks either side of it.
const MarkCase kMarks[] = {
    {"none", TNation::Union, 0, true, true},
    {"the Union's first", TNation::Union, 1, true, true},
    {"the Union's last", TNation::Union, 7, true, true},
    {"between the Union's and the landings", TNation::Union, 8, false, false},
    {"a Union landing, never an army's", TNation::Union, 9, true, false},
    {"a Confederate operation", TNation::Union, 10, false, false},
    {"a landing the Confederacy never makes", TNation::Confederacy, 9, false, false},
    {"the Confederacy's first", TNation::Confederacy, 10, true, true},
    {"the Confederacy's last", TNation::Confederacy, 14, true, true},
    {"past the Confederacy's", TNation::Confederacy, 15, false, false},
    {"a Union operation", TNation::Confederacy, 7, false, false},
    {"a French landing", TNation::France, 9, true, false},
    {"a British corps on a Confederate operation", TNation::Britain, 12, true, true},
    {"a Union operation for the French", TNation::France, 1, false, false},
};

class OperationMarksTest : public WorldTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(OperationMarksTest, EachNationCarriesOnlyTheMarksItsOperationsGive) {
  const MarkCase& mark = GetParam();
  EXPECT_EQ(IsCorpsMissionOf(mark.mark, mark.nation), mark.corpsMission);
  EXPECT_EQ(IsArmyOrderOf(mark.mark, mark.nation), mark.armyOrder);

  const int c = AddCorps(5, 5, GameState.Nations[mark.nation].Side, mark.nation);
  const int a = AddArmy(6, 6, GameState.Nations[mark.nation].Side, mark.nation);
  GameState.Corps[c].AiMission = static_cast<std::uint16_t>(mark.mark);
  GameState.Armies[a].AiOrder = static_cast<std::uint16_t>(mark.mark);
  ClearStrayOperationMarks();
  EXPECT_EQ(GameState.Corps[c].AiMission, mark.corpsMission ? mark.mark : 0) << "the loader keeps only these";
  EXPECT_EQ(GameState.Armies[a].AiOrder, mark.armyOrder ? mark.mark : 0);

  // A slot freed with its mark keeps it: taking the slot clears it.
  GameState.Corps[c].AiMission = static_cast<std::uint16_t>(mark.mark);
  GameState.Corps[c].Inactive = 1;
  GameState.Armies[a].AiOrder = static_cast<std::uint16_t>(mark.mark);
  GameState.Armies[a].Nation = GameState.Armies[a].HqCity = 0;
  ClearStrayOperationMarks();
  EXPECT_EQ(GameState.Corps[c].AiMission, mark.mark);
  EXPECT_EQ(GameState.Armies[a].AiOrder, mark.mark);
}

INSTANTIATE_TEST_SUITE_P(Marks, OperationMarksTest, ::testing::ValuesIn(kMarks),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

struct LoadedCase {
  int cityMark;
  bool cityKept;
  int status;
  int task;
  int statusAfter;
  int taskAfter;
};

const LoadedCase kLoaded[] = {
    {11, false, 0, 9, 0, 9},     // afloat, on a landing
    {12, true, 25, 8, 25, 0},    // the longest building, a stray task
    {13, true, 26, 10, 255, 0},  // the first free status
    {14, false, 254, 0, 255, 0}, // the last before the freed one
};

class LoadedMarksTest : public WorldTest {};

TEST_F(LoadedMarksTest, TheLoaderClearsStrayCityAndFleetMarksAndWritesFreeFleetsAsFreed) {
  for (int i = 1; i <= 4; ++i) {
    const LoadedCase& row = kLoaded[i - 1];
    GameState.Cities[i].AiOperation = static_cast<std::uint8_t>(row.cityMark);
    GameState.Fleets[i].Status = static_cast<std::uint8_t>(row.status);
    GameState.Fleets[i].TransportTask = static_cast<std::uint16_t>(row.task);
  }
  ApplyLoadCorrections();
  for (int i = 1; i <= 4; ++i) {
    const LoadedCase& row = kLoaded[i - 1];
    EXPECT_EQ(GameState.Cities[i].AiOperation, row.cityKept ? row.cityMark : 0) << "city mark " << row.cityMark;
    EXPECT_EQ(GameState.Fleets[i].Status, row.statusAfter) << "status " << row.status;
    EXPECT_EQ(GameState.Fleets[i].TransportTask, row.taskAfter) << "task " << row.task;
  }
}

// A plan in a phase its operation never reaches goes back to idle; the four
// short plans skip preparing (13 gathering too); 3 is the last phase.
TEST_F(LoadedMarksTest, TheLoaderPutsAPlanInAPhaseItsOperationNeverReachesBackToIdle) {
  struct PlanCase {
    int plan;
    int phase;
    bool kept;
  };
  const PlanCase cases[] = {{1, 1, true},     {1, 3, true},  {1, 4, false},  {24, 3, true},
                            {24, 255, false}, {3, 1, false}, {3, 2, true},   {10, 1, false},
                            {13, 2, false},   {13, 3, true}, {14, 1, false}, {14, 3, true}};
  for (const PlanCase& row : cases) {
    GameState.AiPlans[row.plan].Phase = static_cast<std::uint8_t>(row.phase);
    ApplyLoadCorrections();
    EXPECT_EQ(GameState.AiPlans[row.plan].Phase, row.kept ? row.phase : 0)
        << "plan " << row.plan << " phase " << row.phase;
  }
}

}  // namespace
