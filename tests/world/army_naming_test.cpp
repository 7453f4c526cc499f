#include "world/army_naming.h"

#include <gtest/gtest.h>

#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kTakenName = 2;

class ArmyNamingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    state = 5;
    GameState.States[state].Theatre = TTheatre::West;
    army = AddArmy(8, 8, TSide::Union, TNation::Union);
  }

  static TArmyName& Entry(int nation, int k) { return GameState.ArmyNames[nation][k]; }

  static void List(int nation, int k, const std::string& name, int theatre, int entryState) {
    TArmyName& entry = Entry(nation, k);
    entry.Name = name;
    entry.Owner = static_cast<std::uint8_t>(nation);
    entry.Theatre = static_cast<std::uint8_t>(theatre);
    entry.State = static_cast<std::uint8_t>(entryState);
  }

  std::string NameOf() const { return GameState.Armies[army].Name.str(); }

  int state = 0;
  int army = 0;
};

TEST_F(ArmyNamingTest, TheFirstNameOfTheStateWinsOverTheTheatreAndAnyOtherName) {
  List(TNation::Union, 1, "Army of the Coast", TTheatre::Seaboard, 1);  // scores 1
  List(TNation::Union, 2, "Army of the West", TTheatre::West, 6);       // 11
  List(TNation::Union, 3, "Army of Five", TTheatre::West, 5);           // 21
  List(TNation::Union, 4, "Army of Five Too", TTheatre::West, 5);       // 21, later
  List(TNation::Union, 5, "Rebel Army", TTheatre::West, 5);             // owned by the other side
  Entry(TNation::Union, 5).Owner = TNation::Confederacy;

  NameNewArmy(TNation::Union, army, state);
  EXPECT_EQ(NameOf(), "Army of Five");
  EXPECT_EQ(Entry(TNation::Union, 3).Used, kTakenName);
  EXPECT_EQ(Entry(TNation::Union, 4).Used, 0);
  EXPECT_EQ(Entry(TNation::Union, 1).Score, 1);
  EXPECT_EQ(Entry(TNation::Union, 2).Score, 11);
  EXPECT_EQ(Entry(TNation::Union, 5).Score, 0);

  // The state's name is taken now; the next one goes to the twin.
  NameNewArmy(TNation::Union, army, state);
  EXPECT_EQ(NameOf(), "Army of Five Too");
}

TEST_F(ArmyNamingTest, WithEveryNameTakenTheFirstEntryIsUsedAgain) {
  for (int k = 1; k <= 9; ++k) {
    List(TNation::Confederacy, k, "Army " + std::to_string(k), TTheatre::West, state);
    Entry(TNation::Confederacy, k).Used = kTakenName;
  }
  NameNewArmy(TNation::Confederacy, army, state);
  EXPECT_EQ(NameOf(), "Army 1");
  EXPECT_EQ(Entry(TNation::Confederacy, 1).Used, kTakenName);
}

TEST_F(ArmyNamingTest, FranceAndBritainFieldTheArmyOfTheAmericas) {
  for (int nation : {TNation::France, TNation::Britain}) {
    NameNewArmy(nation, army, state);
    EXPECT_EQ(NameOf(), "The Americas");
  }
  // No commander yet: the notice names no one.
  EXPECT_EQ(window.Notices().back().lines[1], "text 21 ");
}

TEST_F(ArmyNamingTest, TheNewArmyIsAnnouncedWithItsCommanderAndHeadquarters) {
  List(TNation::Union, 1, "Army of the Ohio", TTheatre::West, state);
  const int leader = AddLeader({});
  GameState.Armies[army].Leader = static_cast<std::uint8_t>(leader);
  const int hq = GameState.Armies[army].HqCity;

  NameNewArmy(TNation::Union, army, state);
  ASSERT_EQ(window.Notices().size(), 1u);
  const RecordedNotice& notice = window.Notices()[0];
  EXPECT_EQ(notice.kind, 20);
  EXPECT_EQ(notice.lines[0], "text 0Army of the Ohio");
  EXPECT_EQ(notice.lines[1], "text 21 " + GameState.Leaders[leader].Name.str());
  EXPECT_EQ(notice.lines[2], "text 105 " + GameState.Cities[hq].Name.str());
  EXPECT_EQ(notice.lines[3], "");
}

}  // namespace
