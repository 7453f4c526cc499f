// The city row and the row table every order dialog's lists share.
#include "ui/orders/row_texts.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "ui/orders/row_table.h"
#include "world/vardecl.h"

namespace {

class RowTextsTest : public WorldTest {};

TEST_F(RowTextsTest, ACityRowIsItsNameACommaAndItsStatesShortNameInTwentyOneCharacters) {
  GameState.States[3].ShortName = "Penn";
  GameState.Cities[1].State = 3;
  GameState.Cities[1].Name = "Sixteen Letters.";
  EXPECT_EQ(CityRow(1), "Sixteen Letters.,Penn");
  GameState.Cities[1].State = 0;
  EXPECT_EQ(CityRow(1), "Sixteen Letters.,");
  EXPECT_EQ(CityRow(0), "");
}

TEST(RowTableTest, NoRowAndARowPastTheListAreRecordNone) {
  RowTable<2> rows;
  rows.Add(7);
  rows.Add(9);
  rows.Add(11);  // past the table of two: dropped
  EXPECT_EQ(rows.At(0), 7);
  EXPECT_EQ(rows.At(1), 9);
  EXPECT_EQ(rows.At(2), 0);
  EXPECT_EQ(rows.At(-1), 0);
}

}  // namespace
