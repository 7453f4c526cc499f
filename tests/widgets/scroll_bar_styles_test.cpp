#include "widgets/scroll_bar_styles.h"

#include "recording_theme.h"
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

TEST_F(ScrollBarStylesTest, ButtonsTooLongForTheBarShareItsLength) {
  EXPECT_EQ(styles.ButtonSize(), 16);
  styles.SetSecondaryButtons(true);
  bar->SetWidth(50);
  EXPECT_EQ(styles.ButtonSize(), 12);  // four buttons in 50 pixels
  styles.SetShowLeftArrows(false);
  EXPECT_EQ(styles.ButtonSize(), 16);
  styles.SetUseSystemMetrics(false);
  styles.SetButtonSize(20);
  EXPECT_EQ(styles.ButtonSize(), 20);
}

TEST_F(ScrollBarStylesTest, TheThumbIsThePagesShareOfTheRoomBetweenTheButtons) {
  bar->SetParams(0, 99, 10, 0);
  EXPECT_EQ(styles.ThumbSize(), 7);  // 10% of 100 - 2 x 16
  EXPECT_EQ(bar->ThumbPosition(), 16);
  bar->SetParams(0, 99, 10, 95);  // clamped to the last page
  EXPECT_EQ(bar->ThumbPosition(), 16 + 61);
  bar->SetParams(0, 99, 0, 0);
  EXPECT_EQ(styles.ThumbSize(), 16);  // no page: the system's thumb
  bar->SetParams(5, 5, 0, 5);
  EXPECT_EQ(styles.ThumbSize(), 68);  // nothing to scroll: the whole room
}

TEST_F(ScrollBarStylesTest, WithoutArrowsTheWholeLengthIsRoomForTheThumb) {
  styles.SetShowLeftArrows(false);
  styles.SetShowRightArrows(false);
  bar->SetParams(0, 99, 10, 45);
  EXPECT_EQ(bar->ButtonCount(), 0);
  EXPECT_EQ(styles.ThumbSize(), 10);
  EXPECT_EQ(bar->ThumbPosition(), 45);
}

TEST_F(ScrollBarStylesTest, APageBeyondTheRangeFillsTheRoomAndATooLargeMinimumLeavesNoThumb) {
  bar->SetParams(0, 9, 20, 3);
  EXPECT_EQ(styles.ThumbSize(), 68);
  EXPECT_EQ(bar->ThumbPosition(), 16);
  styles.SetMinThumbSize(80);
  EXPECT_EQ(styles.ThumbSize(), 0);
}

TEST_F(ScrollBarStylesTest, SizesBelowOneAndButtonsThatDoNotFitTwiceAreRefused) {
  styles.SetUseSystemMetrics(false);
  styles.SetMinThumbSize(0);
  styles.SetThumbSize(0);
  styles.SetButtonSize(0);
  styles.SetButtonSize(51);
  EXPECT_EQ(styles.MinThumbSize(), 4);
  EXPECT_EQ(bar->StoredThumbSize(), 0);
  EXPECT_EQ(bar->StoredButtonSize(), 16);
  styles.SetButtonSize(50);
  EXPECT_EQ(bar->StoredButtonSize(), 50);
}

TEST_F(ScrollBarStylesTest, AFixedThumbTakesTheSystemSizeWhileTheMetricsAreInUse) {
  styles.SetThumbMode(etmFixed);
  EXPECT_EQ(bar->StoredThumbSize(), 16);
  styles.SetUseSystemMetrics(false);
  styles.SetThumbSize(9);
  EXPECT_EQ(styles.ThumbSize(), 9);
}

TEST_F(ScrollBarStylesTest, WidthKeepsTheSystemThicknessWhileTheMetricsAreInUse) {
  int changes = 0;
  styles.OnChange = [&](TComponent*) { ++changes; };
  styles.SetWidth(30);
  EXPECT_EQ(styles.Width(), 16);
  EXPECT_EQ(changes, 1);
  styles.SetUseSystemMetrics(false);
  styles.SetWidth(30);
  EXPECT_EQ(bar->Height(), 30);
  EXPECT_EQ(changes, 3);
  styles.SetUseSystemMetrics(false);
  EXPECT_EQ(changes, 3);
}

TEST_F(ScrollBarStylesTest, ThemedMetricsGiveTheButtonLengthAndTheThickness) {
  TRecordingThemeBinding binding;
  binding.theme.known_classes.insert(L"SCROLLBAR");
  binding.theme.part_size = {17, 15};
  TCustomKxScrollBar* themed = MakeBar();
  ASSERT_TRUE(themed->IsThemeApplied());
  themed->SetUseSystemMetrics(false);
  binding.theme.calls.clear();
  themed->SetUseSystemMetrics(true);
  EXPECT_EQ(themed->StoredButtonSize(), 17);
  EXPECT_EQ(themed->Height(), 15);
  ASSERT_EQ(binding.theme.Count("GetThemePartSize"), 1);
  EXPECT_EQ(binding.theme.calls.back().part, 1);
  EXPECT_EQ(binding.theme.calls.back().state, 9);
}

TEST_F(ScrollBarStylesTest, AssignCopiesTheLookAndThumbSettingsOnly) {
  TCustomKxScrollBar* source = MakeBar();
  TKxScrollBarStyles& from = source->Styles();
  from.SetActiveFlat(true);
  from.SetFlat(false);
  from.SetColor(clRed);
  from.SetMinThumbSize(7);
  from.SetSecondBtnKind(sbkPage);
  from.SetShowTrackHint(true);
  from.SetUseSystemMetrics(false);
  from.SetThumbMode(etmFixed);
  from.SetThumbSize(11);
  from.SetArrowColor(clLime);
  from.SetDrawFrames(false);
  styles.Assign(from);
  EXPECT_TRUE(styles.ActiveFlat());
  EXPECT_FALSE(styles.Flat());
  EXPECT_EQ(styles.Color(), clRed);
  EXPECT_EQ(styles.MinThumbSize(), 7);
  EXPECT_EQ(styles.SecondBtnKind(), sbkPage);
  EXPECT_TRUE(styles.ShowTrackHint());
  EXPECT_EQ(styles.ThumbMode(), etmFixed);
  EXPECT_EQ(bar->StoredThumbSize(), 11);
  EXPECT_TRUE(styles.UseSystemMetrics());
  EXPECT_EQ(styles.ArrowColor(), clBtnText);
  EXPECT_TRUE(styles.DrawFrames());
  EXPECT_FALSE(from.DrawArrowFrames());  // frames off take the arrow frames with them
}

}  // namespace
