#include "world/text_table.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/window_fixture.h"
#include "world/vardecl.h"

namespace {

class TextTableTest : public WindowTest {};

TEST_F(TextTableTest, TextNIsLineNCountedFromZero) {
  EXPECT_FALSE(LoadTextTable(PathOf("GMR_ENG.TXT")));
  EXPECT_EQ(TextLine(464), "text 464") << "a missing file leaves the texts as they were";
  std::ofstream(PathOf("gmr_eng.txt")) << "Army of \r\nFleet #\r\n\r\nYes\r\n";

  ASSERT_TRUE(LoadTextTable(PathOf("GMR_ENG.TXT")));

  EXPECT_EQ(TextLine(0), "Army of ");
  EXPECT_EQ(TextLine(2), "");
  EXPECT_EQ(TextLine(3), "Yes");
  EXPECT_EQ(TextLine(4), "") << "past the file's end";
  EXPECT_EQ(TextLine(-1), "");
}

}  // namespace
