#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/play_modes.h"
#include "world/received_turn.h"
#include "world/vardecl.h"

namespace {

using GameWideVariablesTest = WorldTest;

// What one game's sitting leaves behind (the name it was saved under, a turn
// handed over, a received turn) is forgotten with the rest, so that nothing
// of it reaches the next game or the next test.
TEST_F(GameWideVariablesTest, AResetForgetsTheSavedNameTheHandOverAndTheReceivedTurn) {
  SavedGameName = "Antietam";
  MailHandOverDone = true;
  NoteTurnLoaded();
  ResetGameWideVariables();
  GameState.PlayMode = TPlayMode::MailReceived;
  EXPECT_EQ(SavedGameName, "");
  EXPECT_FALSE(MailHandOverDone);
  EXPECT_FALSE(CanPlayBack());
}

}  // namespace
