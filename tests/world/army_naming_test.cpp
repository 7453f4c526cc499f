#include "world/army_naming.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kTakenName = 2;
constexpr int kState = 5;
constexpr int kUnion = TNation::Union;

class ArmyNamingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.States[kState].Theatre = TTheatre::West;
    army = AddArmy(8, 8, TSide::Union, kUnion);
  }
  static TArmyName& List(int nation, int k, int theatre, int state, int owner = kUnion) {
    TArmyName& entry = GameState.ArmyNames[nation][k];
    entry.Name = "Army " + std::to_string(k);
    entry.Owner = owner;
    entry.Theatre = theatre;
    entry.State = state;
    return entry;
  }
  std::string Named(int nation) const {
    NameNewArmy(nation, army, kState);
    return GameState.Armies[army].Name.str();
  }

  int army = 0;
};

// A name of another owner or already taken scores 0, any other 1, one of the
// army's theatre 11 and one of its very state 21; the first best is taken.
TEST_F(ArmyNamingTest, TheFirstNameOfTheStateWinsOverTheTheatreAndAnyOtherName) {
  List(kUnion, 1, TTheatre::Seaboard, kState);
  List(kUnion, 2, TTheatre::West, 6);
  List(kUnion, 3, TTheatre::West, kState);
  List(kUnion, 4, TTheatre::West, kState);
  List(kUnion, 5, TTheatre::West, kState, TNation::Confederacy);
  EXPECT_EQ(Named(kUnion), "Army 3");
  std::array<int, 5> scores{};
  for (int k = 1; k <= 5; ++k) scores[k - 1] = GameState.ArmyNames[kUnion][k].Score;
  EXPECT_EQ(scores, (std::array{1, 11, 21, 21, 0}));
  EXPECT_EQ(GameState.ArmyNames[kUnion][3].Used, kTakenName);
  EXPECT_EQ(Named(kUnion), "Army 4");
  EXPECT_EQ(GameState.ArmyNames[kUnion][3].Score, 0);
  EXPECT_EQ(Named(kUnion), "Army 2");
  EXPECT_EQ(Named(kUnion), "Army 1");
  // With every name taken the first entry serves again.
  EXPECT_EQ(Named(kUnion), "Army 1");
  // France and Britain field the Army of the Americas.
  EXPECT_EQ(Named(TNation::France), "The Americas");
  EXPECT_EQ(Named(TNation::Britain), "The Americas");
}

TEST_F(ArmyNamingTest, TheNewArmyIsAnnouncedWithItsCommanderAndHeadquarters) {
  List(kUnion, 1, TTheatre::West, kState).Name = "Army of the Ohio";
  NameNewArmy(kUnion, army, kState);  // no commander yet: the notice names no one
  EXPECT_EQ(window.Notices()[0].lines[1], "text 21 ");
  const int leader = AddLeader({});
  GameState.Armies[army].Leader = leader;
  NameNewArmy(kUnion, army, kState);
  const RecordedNotice& notice = window.Notices()[1];
  EXPECT_EQ(notice.kind, 20);
  EXPECT_EQ(notice.lines,
            (std::array<std::string, 4>{
                "text 0Army of the Ohio", "text 21 " + GameState.Leaders[leader].Name.str(),
                "text 105 " + GameState.Cities[GameState.Armies[army].HqCity].Name.str(), ""}));
}

}  // namespace
