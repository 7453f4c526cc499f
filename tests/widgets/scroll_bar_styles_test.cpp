#include "widgets/scroll_bar_styles.h"

#include "widget_form.h"

namespace {

// A horizontal bar 100 pixels long on the system's 16-pixel metrics.
class ScrollBarStylesTest : public WidgetFormTest {
 protected:
  ScrollBarStylesTest() : bar(MakeBar()), styles(bar->Styles()) {}
  TCustomKxScrollBar* MakeBar() {
    auto* made = new TCustomKxScrollBar(&form, TScrollBarKind::sbHorizontal);
    made->SetParent(&form);
    made->SetBounds(10, 10, 100, 16);
    return made;
  }

  TCustomKxScrollBar* bar;
  TKxScrollBarStyles& styles;
};

// Buttons keep their size while all of them fit the bar, else share it.
TEST_F(ScrollBarStylesTest, ButtonsTooLongForTheBarShareItsLength) {
  styles.SetSecondaryButtons(true);
  for (const auto& [length, size] : {std::pair{100, 16}, {64, 16}, {63, 15}, {50, 12}}) {
    bar->SetWidth(length);
    EXPECT_EQ(styles.ButtonSize(), size) << length;
  }
  styles.SetShowLeftArrows(false);
  EXPECT_EQ(styles.ButtonSize(), 16);
  styles.SetUseSystemMetrics(false);
  styles.SetButtonSize(20);
  EXPECT_EQ(styles.ButtonSize(), 20);
}

// The room between the two buttons is 68. A thumb is the page's share of
// it, raised to MinThumbSize; one that then exceeds the room is none.
TEST_F(ScrollBarStylesTest, TheThumbIsThePagesShareOfTheRoomBetweenTheButtons) {
  const struct {
    const char* name;
    int min, max, page, min_thumb, thumb;
  } cases[] = {
      {"a tenth", 0, 99, 10, 4, 7},         {"raised to the minimum", 0, 99, 10, 8, 8},
      {"no page: the system's", 0, 99, 0, 4, 16}, {"nothing to scroll", 5, 5, 0, 4, 68},
      {"page beyond the range", 0, 9, 20, 4, 68}, {"page as long as the range", 0, 9, 10, 4, 68},
      {"page one short", 0, 9, 9, 4, 61},   {"minimum as long as the room", 0, 99, 10, 68, 68},
      {"minimum beyond the room", 0, 99, 10, 69, 0},
  };
  for (const auto& c : cases) {
    bar->SetParams(c.min, c.max, c.page, c.min);
    styles.SetMinThumbSize(c.min_thumb);
    EXPECT_EQ(styles.ThumbSize(), c.thumb) << c.name;
  }
}

TEST_F(ScrollBarStylesTest, TheThumbTravelsThePositionsShareOfWhatTheThumbLeaves) {
  bar->SetParams(0, 99, 10, 0);
  EXPECT_EQ(bar->ThumbPosition(), 16);
  bar->SetParams(0, 99, 10, 95);  // clamped to the last page
  EXPECT_EQ(bar->ThumbPosition(), 16 + 61);
  bar->SetParams(0, 9, 20, 3);  // no travel
  EXPECT_EQ(bar->ThumbPosition(), 16);
  styles.SetShowLeftArrows(false);
  styles.SetShowRightArrows(false);
  bar->SetParams(0, 99, 10, 45);
  EXPECT_EQ(styles.ThumbSize(), 10);
  EXPECT_EQ(bar->ThumbPosition(), 45);
}

// Sizes below one are refused; so is a button that does not fit twice.
TEST_F(ScrollBarStylesTest, SizesBelowOneAndButtonsThatDoNotFitTwiceAreRefused) {
  styles.SetUseSystemMetrics(false);
  for (const auto& [asked, kept] : {std::pair{0, 4}, {1, 1}, {-3, 1}}) {
    styles.SetMinThumbSize(asked);
    EXPECT_EQ(styles.MinThumbSize(), kept) << asked;
  }
  for (const auto& [asked, kept] : {std::pair{0, 16}, {51, 16}, {50, 50}, {1, 1}}) {
    styles.SetButtonSize(asked);
    EXPECT_EQ(bar->StoredButtonSize(), kept) << asked;
  }
  for (const auto& [asked, kept] : {std::pair{1, 1}, {0, 1}, {9, 9}}) {
    styles.SetThumbSize(asked);
    EXPECT_EQ(bar->StoredThumbSize(), kept) << asked;
  }
  styles.SetThumbMode(etmFixed);
  EXPECT_EQ(styles.ThumbSize(), 9);
  styles.SetUseSystemMetrics(true);
  EXPECT_EQ(styles.ThumbSize(), 16);
}

}  // namespace
