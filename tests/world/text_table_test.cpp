#include "world/text_table.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/window_fixture.h"

namespace {

using TextTableTest = WindowTest;

// Text n is line n counted from zero; the file's name is matched without case.
TEST_F(TextTableTest, TextNIsLineNCountedFromZero) {
  EXPECT_FALSE(LoadTextTable(PathOf("GMR_ENG.TXT")));
  std::ofstream(PathOf("gmr_eng.txt")) << "Army of \r\n\r\nYes\r\n";
  ASSERT_TRUE(LoadTextTable(PathOf("GMR_ENG.TXT")));
  EXPECT_EQ(TextLine(0), "Army of ");
  EXPECT_EQ(TextLine(2), "Yes");
  EXPECT_EQ(TextLine(3), "") << "past the file's end";
}

}  // namespace
