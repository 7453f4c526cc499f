#include "world/army_naming.h"

#include <array>
#include <string>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kState = 5, kUnion = TNation::Union;

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
  // A name taken scores 0; with every name taken the first entry serves again.
  EXPECT_EQ((std::array{Named(kUnion), Named(kUnion), Named(kUnion), Named(kUnion)}),
            (std::array<std::string, 4>{"Army 4", "Army 2", "Army 1", "Army 1"}));
  // The notice names the army, its commander (none yet) and its headquarters.
  EXPECT_EQ(window.Notices()[0].kind, 20);
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{
                "text 0Army 3", "text 21 ",
                "text 105 " + GameState.Cities[GameState.Armies[army].HqCity].Name.str(), ""}));
  // France and Britain field the Army of the Americas.
  EXPECT_EQ(Named(TNation::Britain), "The Americas");
}

}  // namespace
