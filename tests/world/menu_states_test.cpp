#include "world/menu_states.h"

#include <gtest/gtest.h>

#include <span>

#include "support/window_fixture.h"
#include "world/received_turn.h"
#include "world/vardecl.h"

namespace {

using enum WindowCommand;

constexpr WindowCommand kFileCommands[] = {LoadGame1, SaveGame1, Quit1, About1, Conditions1};
constexpr WindowCommand kReports[] = {ForceStatus1,   Production1,  Draft1,       States1,
                                      Transfers1,     Leadership1,  CheckLeaders, ForceOverview1,
                                      FleetOverview1, ArmBrigades1, RaiseArmy1,   RaiseCorps1,
                                      RaiseFleet1};

class MenuStatesTest : public WindowTest {
 protected:
  // The play mode and the game-over code, with execute and hidden information
  // left as given.
  void Play(int mode, int gameOverCode, bool executeWasEnabled) {
    GameState.PlayMode = static_cast<std::uint16_t>(mode);
    GameOverCode = static_cast<std::uint16_t>(gameOverCode);
    window.SetCommandEnabled(Execute1, executeWasEnabled);
    window.SetCommandEnabled(Hidden1, true);
  }
  void ExpectAll(std::span<const WindowCommand> commands, bool enabled) {
    for (WindowCommand command : commands)
      EXPECT_EQ(window.IsEnabled(command), enabled) << static_cast<int>(command);
  }
};

// Between turns execute is offered unless mail is awaited (modes 2 and 4) or
// the game is over (codes 1, 2, 3 and 255; 10 is a battle's, not an end).
// While a turn runs it stays only where the turn may run on. Hidden
// information is closed in play by mail.
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
    EXPECT_EQ(window.IsEnabled(Hidden1), c.mode < 2);
    Play(c.mode, c.code, true);
    SetMenusExecuting();
    EXPECT_EQ(window.IsEnabled(Execute1), c.executing) << "mode " << c.mode << ", code " << c.code;
  }
  ExpectAll(kFileCommands, false);
  SetMenusIdle();
  ExpectAll(kFileCommands, true);
  ExpectAll(kReports, false);
  SetMenusForOrders();
  ExpectAll(kReports, true);
  EXPECT_EQ(window.IsEnabled(Execute1), false);
}

// Whatever state a game before left it in, every menu state offers "Hidden
// Enemy" exactly on one machine (modes below 2) and checks it exactly while
// the map keeps one camp's view (any view but 3).
TEST_F(MenuStatesTest, EveryMenuStateShowsTheHiddenEnemyItemAsTheGameIs) {
  const struct {
    int mode, view;
    bool offered, checked;
  } cases[] = {{0, 0, true, true},   {0, 3, true, false}, {1, 2, true, true},  {2, 2, false, true},
               {2, 3, false, false}, {3, 1, false, true}, {4, 3, false, false}};
  const struct {
    const char* name;
    void (*set)();
  } states[] = {
      {"idle", SetMenusIdle}, {"orders", SetMenusForOrders}, {"executing", SetMenusExecuting}};
  for (const auto& c : cases) {
    for (const auto& state : states) {
      GameState.PlayMode = static_cast<std::uint16_t>(c.mode);
      GameState.MessageView = static_cast<std::uint16_t>(c.view);
      window.SetCommandEnabled(Hidden1, !c.offered);
      window.SetCommandChecked(Hidden1, !c.checked);
      state.set();
      EXPECT_EQ(window.IsEnabled(Hidden1), c.offered) << state.name << ", mode " << c.mode;
      EXPECT_EQ(window.IsChecked(Hidden1), c.checked) << state.name << ", view " << c.view;
    }
  }
}

// Playback replays a received mail turn and nothing else: closed face to
// face and in every mail mode but 4, closed in mode 4 on the machine that
// executed and sent the turn, open on the one that loaded it, whichever path
// sets the menus, and closed while a turn runs.
TEST_F(MenuStatesTest, PlaybackIsOpenOnlyForAReceivedTurn) {
  constexpr WindowCommand kPlayback[] = {Playback1, Speedbutton2};
  const struct {
    int mode;
    bool loaded, open;
  } cases[] = {{0, true, false}, {0, false, false}, {2, true, false}, {3, true, false},
               {4, true, true},  {4, false, false}};
  const struct {
    const char* name;
    void (*set)();
  } paths[] = {{"idle", SetMenusIdle},
               {"orders", SetMenusForOrders},
               {"side choice", ChooseSideToPlay},
               {"start", OfferPlaybackOfReceivedTurn}};
  GameState.MailSide = 1;
  for (const auto& c : cases) {
    Play(c.mode, 0, false);
    if (c.loaded) {
      NoteTurnLoaded();
    } else {
      NoteTurnExecuted();
    }
    for (const auto& path : paths) {
      SetMenusExecuting();
      ExpectAll(kPlayback, false);
      path.set();
      for (WindowCommand command : kPlayback) {
        EXPECT_EQ(window.IsEnabled(command), c.open)
            << path.name << ", mode " << c.mode << (c.loaded ? ", loaded" : ", executed here");
      }
    }
    EXPECT_EQ(CanPlayBack(), c.open);
  }
}

}  // namespace
