#include "widgets/html_renderer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/text/text_face.h"

namespace {

// Fixed-cell text at 12 points: lines 16 pixels high (descent 4), characters
// 8 pixels wide, so a run of n characters measures 8n + 1.
class HtmlRendererTest : public ::testing::Test {
 protected:
  HtmlRendererTest() {
    render.Data().DefaultFont = std::string(kFixedCellFontName);
    render.Data().DefaultSize = 12;
    render.Data().DefaultColor = clBlack;
  }

  void Prepare(const std::string& text, int max_width = 0, bool wrap = false) {
    render.PrepareText(text, max_width, wrap);
  }
  const TKxHTMLItem& Item(int i) const { return *render.Data().Item(i); }
  std::vector<std::string> RunTexts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < render.Data().Count(); ++i)
      if (Item(i).Kind == hikText) texts.push_back(Item(i).Text());
    return texts;
  }
  std::vector<int> Kinds() const {
    std::vector<int> kinds;
    for (int i = 0; i < render.Data().Count(); ++i) kinds.push_back(Item(i).Kind);
    return kinds;
  }
  // Paints the prepared text on a white bitmap.
  TBitmap Paint(int width, int height) {
    TBitmap target(width, height);
    render.DrawText(target.Canvas(), {0, 0}, {0, 0, width, height});
    return target;
  }

  TKxHTMLRender render;
};

// Markup never fails: what it cannot read it drops or ends quietly.
TEST_F(HtmlRendererTest, TextRunsCollapseBlanksResolveReferencesAndSurviveBrokenMarkup) {
  const struct {
    const char* markup;
    std::vector<std::string> runs;
  } cases[] = {
      {"a  b", {"a b"}},
      {"a&nbsp;&NBSP;b", {"a  b"}},
      {"&#65;&#32;&#32;&amp;&lt;&gt;&quot;&euro;&trade;&unknown;x", {"A &<>\"\x80\x99x"}},
      {"a&#0;&#256;&#512;b&#66", {"abB"}},  // never a NUL
      {"a&#x;b", {"a b"}},                  // not a number: a blank
      {"a\r\nb\rc\nd", {"abc\nd"}},          // a lone line feed is text
      {"ab<!-- hidden --> cd<unknown x=1>e", {"ab cde"}},
      {"ab<!-- never closed cd", {"ab"}},
      {"ab<b", {"ab"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    Prepare(c.markup);
    EXPECT_EQ(RunTexts(), c.runs) << c.markup;
  }
  EXPECT_EQ(render.Data().TextHeight, 0);
  Prepare("</font></font></a></ul>x");
  EXPECT_EQ(Item(1).Indent, 0);
  EXPECT_EQ(Item(1).Size, 12);
}

TEST_F(HtmlRendererTest, StyleTagsOpenAndCloseOnlyWhatTheyName) {
  Prepare("</b>plain<b><i>both</b>italic</i><strikeout>s");
  ASSERT_EQ(RunTexts().size(), 4u);
  EXPECT_EQ(Item(1).Style, 0u);
  EXPECT_EQ(Item(2).Style, unsigned{fsBold | fsItalic});
  EXPECT_EQ(Item(3).Style, unsigned{fsItalic});
  EXPECT_EQ(Item(4).Style, unsigned{fsStrikeOut});
}

// A size with a sign is added to the default of 12, whatever encloses it;
// every size is kept within 1..200 points, sub- and superscripts too.
TEST_F(HtmlRendererTest, FontSizesAreRelativeToTheDefaultAndStayWithinOneToTwoHundred) {
  const struct {
    const char* markup;
    int size;
  } cases[] = {
      {"<font size=14>a", 14},  {"<font size=20><font size=+2>a", 14}, {"<font size=x>a", 12},
      {"<font size=200>a", 200}, {"<font size=201>a", 200},            {"<font size=+188>a", 200},
      {"<font size=+189>a", 200}, {"<font size=1>a", 1},               {"<font size=0>a", 1},
      {"<font size=-11>a", 1},  {"<font size=-12>a", 1},               {"<font size=+5000>a", 200},
      {"<font size=3><sub>a", 1}, {"<font size=2><sub>a", 1},          {"<font size=4><sup>a", 2},
      {"<font size=202><sup>a", 198},
  };
  for (const auto& c : cases) {
    Prepare(c.markup);
    const TKxHTMLItem& run = Item(render.Data().Count() - 1);
    EXPECT_EQ(render.FontOf(run).Size(), c.size) << c.markup;
  }
}

TEST_F(HtmlRendererTest, FontColoursComeFromNamesOrHexadecimalRedGreenBlue) {
  Prepare(
      "<font color=red>a</font><font color='#FF0000'>b</font><font color=clBtnFace>c</font>"
      "<font color=#zz0000 bgcolor=\"lime\">d</font><font color=nosuch>e</font>"
      "<font name=\"Fixed > Cell\" color = red>f");
  EXPECT_EQ(Item(1).Color, clRed);
  EXPECT_EQ(Item(2).Color, clRed);
  EXPECT_EQ(Item(3).Color, clBtnFace);
  EXPECT_EQ(Item(4).Color, clBlack);  // not hexadecimal: unchanged
  EXPECT_EQ(Item(4).BgColor, clLime);
  EXPECT_EQ(Item(5).Color, clBlack);
  // Quotes may hold blanks and brackets; "color" without "=" is dropped.
  EXPECT_EQ(Item(6).FontName, "Fixed > Cell");
  EXPECT_EQ(Item(6).Color, clBlack);
}

TEST_F(HtmlRendererTest, LinksTakeTheLinkStyleAndColourOnlyWithAnAttribute) {
  Prepare("<a>plain</a><a href=\"x\"><b>link</b></a>after");
  ASSERT_EQ(RunTexts(), (std::vector<std::string>{"plain", "link", "after"}));
  EXPECT_FALSE(Item(1).IsLink);
  EXPECT_TRUE(Item(2).IsLink);
  EXPECT_FALSE(Item(3).IsLink);
  const TFont link = render.FontOf(Item(2));
  EXPECT_EQ(link.Style(), unsigned{fsUnderline});
  EXPECT_EQ(link.Color(), clBlue);
}

TEST_F(HtmlRendererTest, SubscriptsAndSuperscriptsAreSmallerButTakeMoreRoom) {
  // Two points smaller: 10 points is 13 rows, grown by a quarter or by two thirds.
  Prepare("<sub>x</sub>");
  EXPECT_EQ(Item(1).Height, 13 + 3);
  Prepare("<sup>x</sup>");
  EXPECT_EQ(Item(1).Height, 13 + 8);
  EXPECT_EQ(render.Data().TextHeight, 21);
}

TEST_F(HtmlRendererTest, EveryTextStartsWithAParagraphAndLaysOutLineByLine) {
  Prepare("abc<br>de<p>f");
  EXPECT_EQ(Kinds(), (std::vector<int>{hikParagraph, hikText, hikLineBreak, hikText, hikParagraph,
                                       hikText}));
  EXPECT_EQ(render.Data().TextWidth, 25);
  // 16 + 16, then a paragraph break that is not the first piece: 16 * 3 / 2.
  EXPECT_EQ(render.Data().TextHeight, 56);
}

TEST_F(HtmlRendererTest, AutoWrapMovesTheLastWordOrTheWholeRunAndCutsAWordTooWide) {
  Prepare("abcdef", 20, true);
  EXPECT_EQ(RunTexts(), (std::vector<std::string>{"ab", "cd", "ef"}));
  EXPECT_EQ(Kinds(), (std::vector<int>{hikParagraph, hikText, hikWrapBreak, hikText, hikWrapBreak,
                                       hikText}));
  EXPECT_EQ(render.Data().TextWidth, 17);
  Prepare("ab cd", 30, true);
  EXPECT_EQ(RunTexts(), (std::vector<std::string>{"ab ", "cd"}));
  Prepare("ab<u>cd</u>", 30, true);
  EXPECT_EQ(RunTexts(), (std::vector<std::string>{"ab", "cd"}));
}

TEST_F(HtmlRendererTest, ListsIndentByTheWidestCharacterAndParagraphsTakeTheirAlignment) {
  Prepare("<ul><li>a<li>b</ul>c");
  EXPECT_EQ(Kinds(), (std::vector<int>{hikParagraph, hikListItem, hikText, hikListItem, hikText,
                                       hikLineBreak, hikText}));
  EXPECT_EQ(Item(1).Indent, 8);
  EXPECT_EQ(Item(5).Indent, 0);
  EXPECT_EQ(render.Data().TextWidth, 17);
  Prepare("<p align=RIGHT indent=12>a<p align=middle>b");
  EXPECT_EQ(static_cast<const TKxHTMLBreakItem&>(Item(0)).Alignment, 2);
  EXPECT_EQ(Item(1).Indent, 12);
  EXPECT_EQ(static_cast<const TKxHTMLBreakItem&>(Item(2)).Alignment, 0);
}

TEST_F(HtmlRendererTest, ACentredParagraphCentresItsFirstLineAndABreakReturnsLeft) {
  Prepare("<p align=center>ab<br>cd");
  const TBitmap painted = Paint(41, 40);
  // Line 1 is 17 wide: it starts at (41 - 1 - 17) / 2 = 11, baseline 12.
  EXPECT_EQ(painted.Pixel(10, 6), clWhite);
  EXPECT_EQ(painted.Pixel(11, 6), clBlack);
  // Line 2 starts at the left edge, 16 rows lower.
  EXPECT_EQ(painted.Pixel(0, 22), clBlack);
  EXPECT_EQ(painted.Pixel(17, 22), clWhite);
}

TEST_F(HtmlRendererTest, ImagesTakeTheirSizeFromTheAttributesOrThePicture) {
  TBitmap picture(4, 3);
  picture.Canvas().Brush.Color = clBlue;
  picture.Canvas().FillRect({0, 0, 4, 2});  // the bottom row stays white: transparent
  std::vector<std::string> asked;
  render.OnImageNeeded = [&](TKxHTMLRender*, const std::string& src, TBitmap*& image) {
    asked.push_back(src);
    image = &picture;
  };
  Prepare("<img src=flag><img src=\"flag\" width=10 height=7><img alt=none>");
  EXPECT_EQ(asked, std::vector<std::string>(2, "flag"));
  EXPECT_EQ((TSize{Item(1).Width, Item(1).Height}), (TSize{4, 3}));
  EXPECT_EQ((TSize{Item(2).Width, Item(2).Height}), (TSize{10, 7}));
}

TEST_F(HtmlRendererTest, AFailureWhileParsingEmptiesTheDataAndReportsInvalidText) {
  Prepare("before");
  render.OnImageNeeded = [](TKxHTMLRender*, const std::string&, TBitmap*&) {
    throw std::bad_alloc();
  };
  try {
    Prepare("x<img src=a>");
    FAIL() << "no error raised";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), TKxHTMLRender::kInvalidHTMLMessage);
  }
  EXPECT_EQ(render.Data().Count(), 0);
}

}  // namespace
