#include "world/game_window.h"

#include <gtest/gtest.h>

#include "support/window_fixture.h"
#include "world/vardecl.h"

namespace {

class NoticeTest : public WindowTest {
 protected:
  static void Ask(int kind, std::initializer_list<int> offered) {
    ClearEventMessage();
    EventMessage.Kind = static_cast<std::uint16_t>(kind);
    for (int option : offered) EventOptions[option].Present = 1;
    ShowEventMessage();
  }
};

// Notices without a form (kinds 4, 12, 16, 30) or without choices leave no
// choice and keep the script for the next that asks; clearing wipes the options.
TEST_F(NoticeTest, ThePlayerAnswersFromTheScriptThenWithTheFirstOfferedOption) {
  window.ScriptChoices({2});
  for (int kind : {4, 12, 16, 30}) {
    Ask(kind, {1});
    EXPECT_EQ(EventMessage.Choice, 0) << "kind " << kind;
  }
  Ask(0, {1, 2});
  EXPECT_EQ(EventMessage.Choice, 2);
  Ask(0, {3, 5});
  EXPECT_EQ(EventMessage.Choice, 3);
  ClearEventMessage();
  EXPECT_EQ(EventOptions[5].Present, 0);
}

TEST(GameWindowTest, RulesCannotTalkToAWindowThatIsNotThere) {
  GameWindow* installed = InstallGameWindow(nullptr);
  EXPECT_THROW(Window(), std::logic_error);
  InstallGameWindow(installed);
}

}  // namespace
