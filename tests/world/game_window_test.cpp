#include "world/game_window.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(GameWindowTest, RulesCannotTalkToAWindowThatIsNotThere) {
  GameWindow* installed = InstallGameWindow(nullptr);
  EXPECT_THROW(Window(), std::logic_error);
  InstallGameWindow(installed);
}

}  // namespace
