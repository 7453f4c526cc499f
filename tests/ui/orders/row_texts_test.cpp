// The rows and figures the order dialogs share.
#include "ui/orders/row_texts.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "ui/orders/row_table.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

class RowTextsTest : public WorldTest {};

TEST_F(RowTextsTest, ACityRowIsItsNameACommaAndItsStatesShortName) {
  GameState.States[3].ShortName = "Penn";
  const struct {
    const char* name;
    int state;
    const char* row;
  } cases[] = {
      {"Harrisburg", 3, "Harrisburg,Penn"},
      {"Sixteen Letters.", 3, "Sixteen Letters.,Penn"},  // 21 in all: kept whole
      {"Sixteen Letter", 3, "Sixteen Letter,Penn"},
      {"Fourteen chars", 0, "Fourteen chars,"},
  };
  for (const auto& c : cases) {
    GameState.Cities[1].Name = c.name;
    GameState.Cities[1].State = static_cast<std::uint8_t>(c.state);
    EXPECT_EQ(CityRow(1), c.row) << c.name;
  }
  EXPECT_EQ(CityRow(0), "");
}

TEST_F(RowTextsTest, InfantryAndCavalryShowInMenArtilleryInGuns) {
  EXPECT_EQ(ShownStrength(TArm::Infantry, 80), 4000);
  EXPECT_EQ(ShownStrength(TArm::Cavalry, 50), 2500);
  EXPECT_EQ(ShownStrength(TArm::Artillery, 16), 32);
  EXPECT_EQ(ShownWeaponStock(TWeapon::Shotguns, 3), 150);
  EXPECT_EQ(ShownWeaponStock(TWeapon::Smoothbores, 3), 6);
  EXPECT_EQ(ShownWeaponStock(TWeapon::Whitworths, 3), 6);
}

TEST(RowTableTest, ARowPastTheListOrNoRowIsRecordNone) {
  RowTable<3> rows;
  rows.Add(7);
  rows.Add(9);
  EXPECT_EQ(rows.At(0), 7);
  EXPECT_EQ(rows.At(1), 9);
  EXPECT_EQ(rows.At(2), 0);
  EXPECT_EQ(rows.At(-1), 0);
  rows.Add(11);
  rows.Add(13);  // a fourth row does not fit the table of three
  EXPECT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.At(3), 0);
}

}  // namespace
