#include "world/game_window.h"

#include <gtest/gtest.h>

#include "support/window_fixture.h"
#include "world/vardecl.h"

namespace {

class NoticeTest : public WindowTest {
 protected:
  static void Offer(int option, const std::string& text) {
    EventOptions[option].Present = 1;
    EventOptions[option].Text = text;
  }
};

TEST_F(NoticeTest, ClearingANoticeWipesWhatTheLastOneLeft) {
  EventMessage.Kind = 14;
  EventMessage.Choice = 3;
  EventMessage.Line2 = "Rebels rise";
  Offer(4, "Crush them");

  ClearEventMessage();

  EXPECT_EQ(EventMessage.Kind, 0);
  EXPECT_EQ(EventMessage.Choice, 0);
  EXPECT_EQ(EventMessage.Line2.str(), "");
  for (int option = 1; option <= 6; ++option) EXPECT_EQ(EventOptions[option].Present, 0);
}

TEST_F(NoticeTest, ThePlayerSeesLinesCutTo40AndOptionsCutTo23) {
  ClearEventMessage();
  EventMessage.Line1 = std::string(50, 'a');
  Offer(1, std::string(30, 'b'));

  ShowEventMessage();

  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], std::string(40, 'a'));
  EXPECT_EQ(window.Notices()[0].options[0], std::string(23, 'b'));
}

TEST_F(NoticeTest, AnUnscriptedPlayerTakesTheFirstOfferedOption) {
  ClearEventMessage();
  Offer(3, "Stay");
  Offer(5, "Go");

  ShowEventMessage();

  EXPECT_EQ(EventMessage.Choice, 3);
}

TEST_F(NoticeTest, ScriptedChoicesAnswerTheNoticesInTurn) {
  window.ScriptChoices({2, 1});
  for (int expected : {2, 1, 1}) {
    ClearEventMessage();
    Offer(1, "Yes");
    Offer(2, "No");
    ShowEventMessage();
    EXPECT_EQ(EventMessage.Choice, expected);
  }
}

TEST_F(NoticeTest, NoticesWithoutAFormOrWithoutChoicesLeaveNoChoice) {
  window.ScriptChoices({2});
  for (int kind : {4, 12, 16, 30}) {
    ClearEventMessage();
    EventMessage.Kind = static_cast<std::uint16_t>(kind);
    Offer(1, "Yes");
    ShowEventMessage();
    EXPECT_EQ(EventMessage.Choice, 0) << "kind " << kind;
  }
  EXPECT_EQ(window.Notices().size(), 4u);

  ClearEventMessage();
  Offer(1, "Yes");
  Offer(2, "No");
  ShowEventMessage();
  EXPECT_EQ(EventMessage.Choice, 2) << "the script waited for a notice that asks";
}

TEST(GameWindowTest, RulesCannotTalkToAWindowThatIsNotThere) {
  GameWindow* installed = InstallGameWindow(nullptr);
  EXPECT_THROW(Window(), std::logic_error);
  InstallGameWindow(installed);
}

}  // namespace
