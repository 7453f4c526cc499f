#include "world/menu_states.h"

#include <gtest/gtest.h>

#include "support/window_fixture.h"
#include "world/vardecl.h"

namespace {

using enum WindowCommand;

constexpr WindowCommand kOrdersPhaseCommands[] = {
    ForceStatus1, Production1,  Draft1,         States1,        Transfers1,
    Leadership1,  CheckLeaders, ForceOverview1, FleetOverview1, ArmBrigades1,
    RaiseArmy1,   RaiseCorps1,  RaiseFleet1};
constexpr WindowCommand kUnitOrderCommands[] = {CorpsOrders1, ArmyOrders1, CityOrders1,
                                                FleetOrders1};

class MenuStatesTest : public WindowTest {
 protected:
  void Preset(WindowCommand command, bool enabled) { window.SetCommandEnabled(command, enabled); }
  void Play(int mode, int game_over_code) {
    GameState.PlayMode = static_cast<std::uint16_t>(mode);
    GameOverCode = static_cast<std::uint16_t>(game_over_code);
  }
};

TEST_F(MenuStatesTest, BetweenTurnsTheFileCommandsOpenAndTheOrdersClose) {
  for (WindowCommand command : kOrdersPhaseCommands) Preset(command, true);
  for (WindowCommand command : kUnitOrderCommands) Preset(command, true);

  SetMenusIdle();

  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
  for (WindowCommand command : {LoadGame1, SaveGame1, Quit1, About1, Conditions1}) {
    EXPECT_EQ(window.IsEnabled(command), true);
  }
  for (WindowCommand command : kOrdersPhaseCommands) EXPECT_EQ(window.IsEnabled(command), false);
  for (WindowCommand command : kUnitOrderCommands) EXPECT_EQ(window.IsEnabled(command), false);
}

TEST_F(MenuStatesTest, ExecuteIsOfferedBetweenTurnsOnlyToARunningGameNotWaitingForMail) {
  struct Case {
    int mode;
    int code;
    bool execute;
  };
  for (const Case& c :
       {Case{0, 0, true}, Case{3, 0, true}, Case{0, 10, true}, Case{2, 0, false}, Case{4, 0, false},
        Case{0, 1, false}, Case{3, 2, false}, Case{0, 255, false}}) {
    Play(c.mode, c.code);
    Preset(Execute1, !c.execute);
    Preset(SpeedButton1, !c.execute);
    SetMenusIdle();
    EXPECT_EQ(window.IsEnabled(Execute1), c.execute) << "mode " << c.mode << ", code " << c.code;
    EXPECT_EQ(window.IsEnabled(SpeedButton1), c.execute)
        << "mode " << c.mode << ", code " << c.code;
  }
}

TEST_F(MenuStatesTest, ExecutingClosesEverythingButLeavesExecuteOpenOnlyWhereItMayRun) {
  struct Case {
    int mode;
    int code;
    bool execute_closed;
  };
  for (const Case& c : {Case{0, 0, false}, Case{3, 0, false}, Case{2, 0, true}, Case{2, 1, true},
                        Case{4, 0, true}, Case{4, 1, false}}) {
    Play(c.mode, c.code);
    Preset(Execute1, true);
    SetMenusExecuting();
    EXPECT_EQ(window.IsEnabled(Execute1), !c.execute_closed)
        << "mode " << c.mode << ", code " << c.code;
  }
  EXPECT_EQ(window.Cursor(), WindowCursor::Hourglass);
  for (WindowCommand command : {LoadGame1, SaveGame1, Quit1, About1, Conditions1}) {
    EXPECT_EQ(window.IsEnabled(command), false);
  }
  for (WindowCommand command : kOrdersPhaseCommands) EXPECT_EQ(window.IsEnabled(command), false);
  for (WindowCommand command : kUnitOrderCommands) EXPECT_EQ(window.IsEnabled(command), false);
}

TEST_F(MenuStatesTest, GivingOrdersOpensTheReportsAndLeavesTheFileCommandsAlone) {
  Preset(LoadGame1, false);
  Preset(Execute1, false);
  Preset(CorpsOrders1, true);

  SetMenusForOrders();

  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
  EXPECT_EQ(window.IsEnabled(Conditions1), true);
  for (WindowCommand command : kOrdersPhaseCommands) EXPECT_EQ(window.IsEnabled(command), true);
  EXPECT_EQ(window.IsEnabled(LoadGame1), false);
  EXPECT_EQ(window.IsEnabled(Execute1), false);
  EXPECT_EQ(window.IsEnabled(CorpsOrders1), true);
}

TEST_F(MenuStatesTest, HiddenInformationIsClosedInPlayByMailInEveryState) {
  for (void (*set_menus)() : {SetMenusIdle, SetMenusForOrders, SetMenusExecuting}) {
    Play(0, 0);
    Preset(Hidden1, true);
    set_menus();
    EXPECT_EQ(window.IsEnabled(Hidden1), true);
    Play(2, 0);
    set_menus();
    EXPECT_EQ(window.IsEnabled(Hidden1), false);
  }
}

class SideToPlayTest : public MenuStatesTest {
 protected:
  static void Humans(bool union_human, bool confederacy_human) {
    GameState.Nations[1].Human = union_human;
    GameState.Nations[2].Human = confederacy_human;
  }
};

TEST_F(SideToPlayTest, TheOneHumanNationGivesOrders) {
  Humans(true, false);
  ChooseSideToPlay();
  EXPECT_EQ(CurrentSide, 1);
  EXPECT_EQ(window.SideChangeCaption(), "text 465");
  EXPECT_EQ(window.IsEnabled(RaiseCorps1), true) << "the orders menus open";

  Humans(false, true);
  ChooseSideToPlay();
  EXPECT_EQ(CurrentSide, 2);
  EXPECT_EQ(window.SideChangeCaption(), "text 466");
}

TEST_F(SideToPlayTest, WithNoHumanNationNoSideIsChosenAndTheOrdersStayClosed) {
  CurrentSide = 1;
  Humans(false, false);
  ChooseSideToPlay();
  EXPECT_EQ(CurrentSide, 0);
  EXPECT_EQ(window.SideChangeCaption(), "text 464");
  EXPECT_EQ(window.IsEnabled(RaiseCorps1), std::nullopt);
}

TEST_F(SideToPlayTest, TwoHumanNationsKeepTheSideInHandAndPlayByMailTakesTheMailSide) {
  Humans(true, true);
  CurrentSide = 2;
  ChooseSideToPlay();
  EXPECT_EQ(CurrentSide, 2);

  GameState.PlayMode = 3;
  GameState.MailSide = 1;
  ChooseSideToPlay();
  EXPECT_EQ(CurrentSide, 1);
  EXPECT_EQ(window.SideChangeCaption(), "text 465");
}

}  // namespace
