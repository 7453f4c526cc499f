#include "platform/controls/scroll_bar.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/graphics/bitmap.h"

namespace {

// The number of arrow pixels in each row (vertical bar) or column
// (horizontal bar) inside a button's frame, from its start to its end.
std::vector<int> ArrowWidths(const TBitmap& picture, TRect button, bool vertical) {
  const TColor ink = ColorToRGB(clBtnText);
  button.Inflate(-2, -2);
  std::vector<int> widths;
  const int lines = vertical ? button.Height() : button.Width();
  const int across = vertical ? button.Width() : button.Height();
  for (int line = 0; line < lines; ++line) {
    int count = 0;
    for (int a = 0; a < across; ++a) {
      const int x = vertical ? button.Left + a : button.Left + line;
      const int y = vertical ? button.Top + line : button.Top + a;
      if (picture.Pixel(x, y) == ink) ++count;
    }
    if (count > 0) widths.push_back(count);
  }
  return widths;
}

TEST(ClassicScrollBar, EachButtonsArrowPointsAwayFromTheTrack) {
  for (const TScrollBarKind kind : {TScrollBarKind::sbVertical, TScrollBarKind::sbHorizontal}) {
    const bool vertical = kind == TScrollBarKind::sbVertical;
    const TRect bounds = vertical ? TRect{0, 0, 17, 120} : TRect{0, 0, 120, 17};
    const TClassicScrollBar bar(kind, bounds, 3, 10, 4);
    TBitmap picture(bounds.Width(), bounds.Height());
    bar.Paint(picture.Canvas(), true);
    EXPECT_EQ(ArrowWidths(picture, bar.LessButtonRect(), vertical), (std::vector<int>{1, 3, 5, 7}))
        << "the up or left arrow has its tip first";
    EXPECT_EQ(ArrowWidths(picture, bar.MoreButtonRect(), vertical), (std::vector<int>{7, 5, 3, 1}))
        << "the down or right arrow has its tip last";
  }
}

}  // namespace
