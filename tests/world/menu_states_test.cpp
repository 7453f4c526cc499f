#include "world/menu_states.h"

#include <gtest/gtest.h>

#include <span>

#include "support/window_fixture.h"
#include "world/vardecl.h"

namespace {

using enum WindowCommand;

constexpr WindowCommand kFileCommands[] = {LoadGame1, SaveGame1, Quit1, About1, Conditions1};
constexpr WindowCommand kOrderCommands[] = {
    ForceStatus1, Production1,    Draft1,         States1,      Transfers1,  Leadership1,
    CheckLeaders, ForceOverview1, FleetOverview1, ArmBrigades1, RaiseArmy1,  RaiseCorps1,
    RaiseFleet1,  CorpsOrders1,   ArmyOrders1,    CityOrders1,  FleetOrders1};

class MenuStatesTest : public WindowTest {
 protected:
  void Play(int mode, int game_over_code, bool execute_was_enabled) {
    GameState.PlayMode = static_cast<std::uint16_t>(mode);
    GameOverCode = static_cast<std::uint16_t>(game_over_code);
    window.SetCommandEnabled(Execute1, execute_was_enabled);
  }
  void ExpectAll(std::span<const WindowCommand> commands, bool enabled) {
    for (WindowCommand command : commands)
      EXPECT_EQ(window.IsEnabled(command), enabled) << static_cast<int>(command);
  }
};

// Between turns execute is offered unless mail is awaited (modes 2 and 4) or
// the game is over (codes 1, 2, 3 and 255; 10 is a battle's, not an end).
// While a turn runs it stays only where the turn may run on.
TEST_F(MenuStatesTest, ExecuteIsOfferedOnlyWhereATurnMayRun) {
  const struct {
    int mode, code;
    bool idle, executing;
  } cases[] = {{0, 0, true, true},    {3, 0, true, true},   {0, 10, true, true},
               {2, 0, false, false},  {4, 0, false, false}, {0, 1, false, true},
               {3, 255, false, true}, {4, 1, false, true},  {2, 1, false, false}};
  for (const auto& c : cases) {
    Play(c.mode, c.code, !c.idle);
    SetMenusIdle();
    EXPECT_EQ(window.IsEnabled(Execute1), c.idle) << "mode " << c.mode << ", code " << c.code;
    EXPECT_EQ(window.IsEnabled(SpeedButton1), c.idle);
    Play(c.mode, c.code, true);
    SetMenusExecuting();
    EXPECT_EQ(window.IsEnabled(Execute1), c.executing) << "mode " << c.mode << ", code " << c.code;
  }
  ExpectAll(kFileCommands, false);
  ExpectAll(kOrderCommands, false);
  SetMenusIdle();
  ExpectAll(kFileCommands, true);
  ExpectAll(kOrderCommands, false);
}

// Giving orders opens the reports and leaves the rest alone; hidden
// information is closed in play by mail in every state.
TEST_F(MenuStatesTest, GivingOrdersOpensTheReportsAndMailGamesHideInformation) {
  Play(0, 0, false);
  window.SetCommandEnabled(LoadGame1, false);
  SetMenusForOrders();
  ExpectAll(std::span(kOrderCommands, 13), true);
  EXPECT_EQ(window.IsEnabled(LoadGame1), false);
  EXPECT_EQ(window.IsEnabled(Execute1), false);
  for (void (*set_menus)() : {SetMenusIdle, SetMenusForOrders, SetMenusExecuting}) {
    for (int mode : {1, 2}) {
      window.SetCommandEnabled(Hidden1, true);
      Play(mode, 0, true);
      set_menus();
      EXPECT_EQ(window.IsEnabled(Hidden1), mode < 2);
    }
  }
}

TEST_F(MenuStatesTest, TheSideToPlayIsTheOneHumanNationOrTheMailSide) {
  const struct {
    bool union_human, confederacy_human;
    int mode, mail_side, before, after;
  } cases[] = {{true, false, 0, 0, 0, 1}, {false, true, 0, 0, 0, 2}, {false, false, 0, 0, 1, 0},
               {true, true, 0, 0, 2, 2},  {true, true, 1, 1, 2, 2},  {true, true, 2, 1, 2, 1}};
  for (const auto& c : cases) {
    GameState.Nations[1].Human = c.union_human;
    GameState.Nations[2].Human = c.confederacy_human;
    GameState.PlayMode = static_cast<std::uint16_t>(c.mode);
    GameState.MailSide = static_cast<std::uint16_t>(c.mail_side);
    CurrentSide = static_cast<std::uint16_t>(c.before);
    window.SetCommandEnabled(RaiseCorps1, false);
    ChooseSideToPlay();
    EXPECT_EQ(CurrentSide, c.after) << c.mode;
    EXPECT_EQ(window.SideChangeCaption(), "text " + std::to_string(464 + c.after));
    EXPECT_EQ(window.IsEnabled(RaiseCorps1), c.after != 0) << "the orders menus open";
  }
}

}  // namespace
