#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tools/sprites/form_backgrounds.h"

namespace {

std::vector<TColor> Pixels(const TBitmap& bitmap) {
  std::vector<TColor> pixels;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Pixel(x, y));
  }
  return pixels;
}

TEST(FormBackground, ComesAtTheFormsSizeAndOnlyForKnownForms) {
  const auto standard = FormBackground("TStndDial");
  ASSERT_TRUE(standard.has_value());
  EXPECT_EQ(standard->Width(), 387);
  EXPECT_EQ(standard->Height(), 168);
  const auto rebellion = FormBackground("TRebellion");
  ASSERT_TRUE(rebellion.has_value());
  EXPECT_EQ(rebellion->Width(), 479);
  EXPECT_EQ(rebellion->Height(), 206);
  EXPECT_FALSE(FormBackground("TFleetOrders").has_value()) << "fleet orders keep a silver fill";
}

// Each report form gets a picture of its own, and every picture is light enough
// for black text: no pixel darker than the emblem's ink.
TEST(FormBackground, NoTwoFormsShareAPictureAndTextStaysReadable) {
  std::set<std::vector<TColor>> seen;
  for (const FormBackdrop& backdrop : FormBackdrops()) {
    SCOPED_TRACE(std::string(backdrop.form));
    const auto pixels = Pixels(DrawBackdrop(backdrop));
    EXPECT_TRUE(seen.insert(pixels).second);
    int darkest = 255 * 3;
    for (TColor pixel : pixels) {
      darkest = std::min(darkest, GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel));
    }
    EXPECT_GT(darkest, 3 * 110);
  }
}

// The forms keep their controls on the paper inside the border, so the
// border's innermost rule must lie just outside it, on every side.
TEST(FormBackground, TheRulesStopWhereThePaperBegins) {
  for (const FormBackdrop& backdrop : FormBackdrops()) {
    SCOPED_TRACE(std::string(backdrop.form));
    const TBitmap bitmap = DrawBackdrop(backdrop);
    const TRect paper = Paper(backdrop);
    const TColor rule = bitmap.Pixel(paper.Left - 1, paper.Top - 1);
    const int middle_x = (paper.Left + paper.Right) / 2;
    const int middle_y = (paper.Top + paper.Bottom) / 2;
    const struct {
      TPoint on_rule, on_paper;
    } kSides[] = {{{paper.Left - 1, middle_y}, {paper.Left, middle_y}},
                  {{paper.Right, middle_y}, {paper.Right - 1, middle_y}},
                  {{middle_x, paper.Top - 1}, {middle_x, paper.Top}},
                  {{middle_x, paper.Bottom}, {middle_x, paper.Bottom - 1}}};
    for (const auto& side : kSides) {
      EXPECT_EQ(bitmap.Pixel(side.on_rule.X, side.on_rule.Y), rule);
      EXPECT_NE(bitmap.Pixel(side.on_paper.X, side.on_paper.Y), rule);
    }
  }
}

// An emblem spilling out of its box would run into the dialog's border or its
// text; each is drawn at the smallest box a form gives it and at a large one.
TEST(Emblem, StaysInsideItsBox) {
  for (int side : {32, 97, 130}) {
    for (int emblem = static_cast<int>(Emblem::kStar); emblem <= static_cast<int>(Emblem::kChain);
         ++emblem) {
      SCOPED_TRACE("emblem " + std::to_string(emblem) + " in a box of " + std::to_string(side));
      const int margin = 20;
      TBitmap bitmap(side + 2 * margin, side + 2 * margin);
      bitmap.Canvas().Brush.Color = clWhite;
      bitmap.Canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
      const TRect box = TRect::Bounds(margin, margin, side, side);
      DrawEmblem(bitmap.Canvas(), static_cast<Emblem>(emblem), box, clBlack, clWhite);
      int outside = 0, inside = 0;
      for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
          const bool ink = bitmap.Pixel(x, y) != clWhite;
          (box.Contains({x, y}) ? inside : outside) += ink;
        }
      }
      EXPECT_EQ(outside, 0);
      EXPECT_GT(inside, side * side / 10);
    }
  }
}

}  // namespace
