// Layout of formatted text, measured exactly with the fixed-cell face: at
// height 8 each character is 4 pixels wide and its ink a 3 x 5 block on rows
// 1..5 of its 8-row cell; the baseline is row 6 and underlines sit on row 7.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/pixel_picture.h"
#include "platform/text/text_face.h"
#include "platform/text/text_layout.h"

namespace {

TBitmap Page(int width, int height) {
  TBitmap page(width, height);
  TCanvas& c = page.Canvas();
  c.Font.SetName(std::string(kFixedCellFontName));
  c.Font.SetHeight(-8);
  c.Font.SetColor(clBlack);
  c.Brush.Style = bsClear;
  return page;
}

TRect DrawnInk(const std::string& text, TRect rect, unsigned flags, int width = 40,
               int height = 24) {
  TBitmap page = Page(width, height);
  page.Canvas().DrawText(text, rect, flags);
  return InkBounds(page, clWhite);
}

TRect Measured(const std::string& text, TRect rect, unsigned flags) {
  TBitmap page = Page(1, 1);
  page.Canvas().DrawText(text, rect, flags | DT_CALCRECT);
  return rect;
}

std::vector<std::string> LineTexts(const std::string& text, int width, unsigned flags) {
  TFont font;
  font.SetName(std::string(kFixedCellFontName));
  font.SetHeight(-8);
  std::vector<std::string> texts;
  for (const TTextLine& line : LayoutText(FaceFor(font), text, width, flags)) {
    texts.push_back(line.Text);
  }
  return texts;
}

using Lines = std::vector<std::string>;

// Lines break at line breaks unless single-line, else at blanks to fit the width
// (a word wider than the width stands alone); an ampersand marks the next
// character, two make one; an end ellipsis shortens what does not fit.
TEST(DrawText, LaysTextOutInLines) {
  const std::tuple<const char*, int, unsigned, Lines> rows[] = {
      {"AB CD EF", 20, DT_WORDBREAK, {"AB CD", "EF"}},
      {"AB CD EF", 12, DT_WORDBREAK, {"AB", "CD", "EF"}},
      {"ABCDEFG H", 8, DT_WORDBREAK, {"ABCDEFG", "H"}},
      {"A\r\nBB\nC", 100, 0, {"A", "BB", "C"}},
      {"ABCDEFGH", 20, DT_SINGLELINE | DT_END_ELLIPSIS, {"AB..."}},
      {"ABCDE", 20, DT_SINGLELINE | DT_END_ELLIPSIS, {"ABCDE"}},
      {"A&&B", 100, 0, {"A&B"}},
      {"&Ab", 100, DT_NOPREFIX, {"&Ab"}},
      {"AB&", 100, 0, {"AB"}},
  };
  for (const auto& [text, width, flags, lines] : rows) {
    EXPECT_EQ(LineTexts(text, width, flags), lines) << text << " in " << width;
  }
}

TEST(DrawText, MeasuresTheRectangleTheTextNeeds) {
  const std::tuple<const char*, TRect, unsigned, TRect> rows[] = {
      {"AB CD EF", {0, 0, 20, 0}, DT_WORDBREAK, {0, 0, 20, 16}},
      {"AB CD EF", {2, 3, 14, 3}, DT_WORDBREAK, {2, 3, 10, 27}},
      {"A\r\nBB\nC", {0, 0, 0, 0}, 0, {0, 0, 8, 24}},
      {"A\r\nBB\nC", {0, 0, 0, 0}, DT_SINGLELINE, {0, 0, 16, 8}},
      {"", {0, 0, 0, 0}, 0, {0, 0, 0, 8}},
      {"A\tB", {0, 0, 0, 0}, DT_EXPANDTABS | DT_SINGLELINE, {0, 0, 36, 8}},  // stops of 8 chars
      {"A\tB", {0, 0, 0, 0}, DT_SINGLELINE, {0, 0, 8, 8}},
  };
  for (const auto& [text, rect, flags, measured] : rows) {
    EXPECT_EQ(Measured(text, rect, flags), measured) << text << " with " << flags;
  }
  TBitmap page = Page(1, 1);
  EXPECT_EQ(page.Canvas().TabbedTextExtent("AB\tC\tD", 10), (TSize{24, 8}));
}

// Where the ink falls: aligned in the rectangle, clipped to it unless asked not
// to, with the prefix character hidden on request.
TEST(DrawText, DrawsInsideTheRectangleWhereAligned) {
  const TRect line{0, 0, 20, 8};
  const TRect tall{0, 0, 10, 20};
  const TRect narrow{0, 0, 8, 8};
  const std::tuple<const char*, TRect, unsigned, TRect> rows[] = {
      {"AB", line, DT_LEFT, {0, 1, 7, 6}},
      {"AB", line, DT_CENTER, {6, 1, 13, 6}},
      {"AB", line, DT_RIGHT, {12, 1, 19, 6}},
      {"A", tall, DT_SINGLELINE | DT_VCENTER, {0, 7, 3, 12}},
      {"A", tall, DT_SINGLELINE | DT_BOTTOM, {0, 13, 3, 18}},
      {"&Ab", {0, 0, 16, 8}, DT_HIDEPREFIX, {0, 1, 7, 6}},
      {"ABCDEFGH", line, DT_SINGLELINE | DT_END_ELLIPSIS, {0, 1, 19, 6}},
      {"ABCDEF", narrow, DT_SINGLELINE, {0, 1, 7, 6}},
      {"ABCDEF", narrow, DT_SINGLELINE | DT_NOCLIP, {0, 1, 23, 6}},
  };
  for (const auto& [text, rect, flags, ink] : rows) {
    EXPECT_EQ(DrawnInk(text, rect, flags), ink) << text << " with " << flags;
  }
  TBitmap page = Page(10, 20);
  TRect rect{0, 0, 10, 20};
  EXPECT_EQ(page.Canvas().DrawText("A", rect, DT_SINGLELINE | DT_VCENTER), 14);
  EXPECT_EQ(page.Canvas().DrawText("A", rect, DT_LEFT), 8);
  TBitmap underlined = Page(16, 8);
  underlined.Canvas().DrawText("&Ab", rect = {0, 0, 16, 8}, DT_SINGLELINE);
  EXPECT_EQ(Picture(underlined, {0, 7, 16, 8}, {{clWhite, '.'}, {clBlack, '#'}}),
            (std::vector<std::string>{"####............"}));
}

TEST(DrawText, ASolidBrushPaintsBehindTheTextCellsOnly) {
  TBitmap page = Page(20, 8);
  page.Canvas().Brush.Style = bsSolid;
  page.Canvas().Brush.Color = clRed;
  TRect rect{0, 0, 20, 8};
  page.Canvas().DrawText("AB", rect, DT_SINGLELINE);
  EXPECT_EQ(CountPixels(page, {0, 0, 8, 8}, clRed), 64 - 2 * 15);
  EXPECT_EQ(CountPixels(page, {8, 0, 20, 8}, clWhite), 12 * 8);
  EXPECT_EQ(page.Canvas().Brush.Color, clRed);
  page.Canvas().BkColor = clBlue;
  page.Canvas().TextColor = clYellow;
  page.Canvas().DrawText("A", rect, DT_SINGLELINE | DT_RIGHT);
  EXPECT_EQ(CountPixels(page, {16, 0, 20, 8}, clBlue), 32 - 15);
  EXPECT_EQ(CountPixels(page, {16, 0, 20, 8}, clYellow), 15);
}

TEST(TextOut, ReferencePointFollowsTheTextAlignment) {
  TBitmap page = Page(20, 20);
  TCanvas& c = page.Canvas();
  c.TextAlign = TA_BASELINE | TA_LEFT;
  c.TextOut(0, 6, "A");
  c.TextAlign = TA_BOTTOM | TA_RIGHT;
  c.TextOut(20, 20, "A");
  EXPECT_EQ(InkBounds(page, clWhite), (TRect{0, 1, 19, 18}));
  EXPECT_EQ(CountPixels(page, {0, 0, 20, 20}, clBlack), 2 * 15);
}

TEST(TextOut, UnderlineAndStrikeOutRunTheWholeWidth) {
  TBitmap page = Page(8, 8);
  TCanvas& c = page.Canvas();
  c.Font.SetStyle(fsUnderline | fsStrikeOut);
  c.TextOut(0, 0, "AB");
  EXPECT_EQ(Picture(page, {0, 2, 8, 8}, {{clWhite, '.'}, {clBlack, '#'}}),
            (std::vector<std::string>{"###.###.", "########", "###.###.", "###.###.", "........",
                                      "########"}));
}

TEST(TextOut, ExtentAndMetricsComeFromTheFace) {
  TBitmap page = Page(1, 1);
  EXPECT_EQ(page.Canvas().TextExtent("AB"), (TSize{8, 8}));
  EXPECT_EQ(page.Canvas().TextWidth(""), 0);
  EXPECT_EQ(page.Canvas().TextHeight("0"), 8);
  const TTextMetric m = page.Canvas().TextMetrics();
  EXPECT_EQ(m.Ascent, 6);
  EXPECT_EQ(m.Descent, 2);
  EXPECT_EQ(m.AveCharWidth, 4);
}

}  // namespace
