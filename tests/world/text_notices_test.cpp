#include "world/text_notices.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "support/window_fixture.h"
#include "world/vardecl.h"

namespace {

using TextNoticeTest = WindowTest;

// The notice has four lines: up to four texts fill them in order, and texts
// past the fourth are left out, never written beyond the notice.
TEST_F(TextNoticeTest, TextsFillAtMostTheFourLines) {
  const struct {
    std::initializer_list<int> texts;
    const char* lines[4];
  } rows[] = {
      {{11, 12, 13}, {"text 11", "text 12", "text 13", ""}},
      {{11, 12, 13, 14}, {"text 11", "text 12", "text 13", "text 14"}},
      {{11, 12, 13, 14, 15, 16}, {"text 11", "text 12", "text 13", "text 14"}},
  };
  for (const auto& row : rows) {
    FillTextNotice(7, row.texts);
    EXPECT_EQ(EventMessage.Kind, 7);
    const Str<40>* const lines[] = {&EventMessage.Line1, &EventMessage.Line2, &EventMessage.Line3,
                                    &EventMessage.Line4};
    for (int line = 0; line < 4; ++line)
      EXPECT_EQ(lines[line]->str(), row.lines[line]) << row.texts.size() << " texts";
  }
}

}  // namespace
