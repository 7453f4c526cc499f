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

class LoadedMarksTest : public WorldTest {};

TEST_F(LoadedMarksTest, TheLoaderClearsStrayCityAndFleetMarksAndWritesFreeFleetsAsFreed) {
  struct CityMark {
    int mark;
    bool kept;
  };
  const CityMark cityMarks[] = {{11, false}, {12, true}, {13, true}, {14, false}};
  for (int i = 0; i < 4; ++i) GameState.Cities[i + 1].AiOperation = static_cast<std::uint8_t>(cityMarks[i].mark);
  struct FleetCodes {
    int status;
    int task;
    int statusAfter;
    int taskAfter;
  };
  const FleetCodes fleets[] = {
      {0, 9, 0, 9},            // afloat, on a landing
      {25, 8, 25, 0},          // the longest building, a stray task
      {26, 10, 255, 0},        // the first free status
      {254, 0, 255, 0},        // the last before the freed one
  };
  for (int i = 0; i < 4; ++i) {
    GameState.Fleets[i + 1].Status = static_cast<std::uint8_t>(fleets[i].status);
    GameState.Fleets[i + 1].TransportTask = static_cast<std::uint16_t>(fleets[i].task);
  }

  ApplyLoadCorrections();

  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(GameState.Cities[i + 1].AiOperation, cityMarks[i].kept ? cityMarks[i].mark : 0)
        << "city mark " << cityMarks[i].mark;
    EXPECT_EQ(GameState.Fleets[i + 1].Status, fleets[i].statusAfter) << "status " << fleets[i].status;
    EXPECT_EQ(GameState.Fleets[i + 1].TransportTask, fleets[i].taskAfter) << "task " << fleets[i].task;
  }
}

}  // namespace
