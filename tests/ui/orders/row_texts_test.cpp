// The city row every order dialog's lists share.
#include "ui/orders/row_texts.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/vardecl.h"

namespace {

class RowTextsTest : public WorldTest {};

// Name and comma cut at 17 characters, the state's short name after, 21 in all.
TEST_F(RowTextsTest, ACityRowIsItsNameACommaAndItsStatesShortNameInTwentyOneCharacters) {
  GameState.States[3].ShortName = "Penn";
  GameState.Cities[1].Name = "Sixteen Letters.";
  GameState.Cities[1].State = 3;
  EXPECT_EQ(CityRow(1), "Sixteen Letters.,Penn");
  GameState.Cities[1].State = 0;
  EXPECT_EQ(CityRow(1), "Sixteen Letters.,");
  EXPECT_EQ(CityRow(0), "");
}

}  // namespace
