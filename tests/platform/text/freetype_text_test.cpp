#include <gtest/gtest.h>

#include <numeric>
#include <utility>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/pixel_picture.h"
#include "platform/text/cp1252.h"
#include "platform/text/freetype_face.h"
#include "platform/text/text_face.h"

namespace {

int InkSum(const TGlyph& glyph) {
  return std::accumulate(glyph.Coverage.begin(), glyph.Coverage.end(), 0);
}

TEST(FreeTypeText, DesignFontNamesMapToMetricCompatibleFaces) {
  const auto serif = FindFontFile("Times New Roman", 0);
  const auto sans = FindFontFile("MS Sans Serif", fsBold);
  const auto unknown = FindFontFile("No Such Face", fsItalic);
  ASSERT_TRUE(serif && sans && unknown) << "Liberation or DejaVu fonts are not installed";
  EXPECT_NE(serif->Path.find("Serif"), std::string::npos);
  EXPECT_EQ(sans->Path.find("Serif"), std::string::npos);
  EXPECT_NE(sans->Path.find("Bold"), std::string::npos);
  EXPECT_FALSE(sans->SyntheticBold);
  EXPECT_NE(unknown->Path.find("Sans"), std::string::npos);
}

TEST(FreeTypeText, LiberationSansRendersVisibleTextOfPlausibleSize) {
  TBitmap page(200, 40);
  TCanvas& c = page.Canvas();
  c.Font.SetName("Arial");
  c.Font.SetHeight(-16);
  c.Font.SetColor(clBlack);
  c.Brush.Style = bsClear;
  c.TextOut(10, 10, "Graymarch 1861");
  const TSize extent = c.TextExtent("Graymarch 1861");
  EXPECT_GT(extent.cx, 80);
  EXPECT_LT(extent.cx, 140);
  EXPECT_EQ(extent.cy, c.TextMetrics().Ascent + c.TextMetrics().Descent);
  const TRect ink = InkBounds(page, clWhite);
  EXPECT_TRUE(ink.Left >= 10 && ink.Top >= 10 && ink.Right <= 11 + extent.cx &&
              ink.Bottom <= 10 + extent.cy);
  EXPECT_GT(ink.Width(), extent.cx * 3 / 4);
  EXPECT_GT(c.TextMetrics().Ascent, 3 * c.TextMetrics().Descent);
}

TEST(FreeTypeText, BoldIsWiderAndSyntheticStylesChangeTheInk) {
  TFont regular;
  regular.SetName("MS Sans Serif");
  regular.SetHeight(-16);
  TFont bold = regular;
  bold.SetStyle(fsBold);
  EXPECT_GT(RunWidth(FaceFor(bold), "Manpower"), RunWidth(FaceFor(regular), "Manpower"));

  const auto file = FindFontFile("MS Sans Serif", 0);
  ASSERT_TRUE(file.has_value());
  const TFreeTypeFace plain(*file, -16);
  const TFreeTypeFace thick({file->Path, true, false}, -16);
  const TFreeTypeFace slanted({file->Path, false, true}, -16);
  EXPECT_GT(InkSum(thick.Glyph('l')), InkSum(plain.Glyph('l')));
  EXPECT_GE(thick.Glyph('l').Advance, plain.Glyph('l').Advance + 1);
  EXPECT_GT(slanted.Glyph('l').Width, plain.Glyph('l').Width);
}

TEST(FreeTypeText, WindowsCodePageBytesReachTheirUnicodeGlyphs) {
  EXPECT_EQ(Cp1252ToUnicode('A'), U'A');
  EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(Cp1252ToUnicode(0x97), U'\u2014');
  EXPECT_EQ(Cp1252ToUnicode(0xE9), U'\u00E9');
  TFont font;
  font.SetName("Times New Roman");
  font.SetHeight(-20);
  const TTextFace& face = FaceFor(font);
  EXPECT_GT(InkSum(face.Glyph(0x80)), 0);
  EXPECT_GT(InkSum(face.Glyph(0xE9)), InkSum(face.Glyph('e')));
  EXPECT_EQ(face.Glyph('\n').Advance, 0);
}

TEST(FreeTypeText, APositiveHeightGivesTheCell) {
  TFont font;
  font.SetName("Times New Roman");
  font.SetHeight(20);
  EXPECT_NEAR(FaceFor(font).Metrics().Height, 20, 1);
}

// Faces are drawn whole when made, so no face is taller than 256 pixels.
TEST(FaceHeight, IsCappedAt256PixelsEitherWay) {
  const std::pair<int, int> rows[] = {
      {-256, 256}, {-257, 256}, {256, 256}, {257, 256}, {-2000000000, 256}};
  TFont font;
  font.SetName(std::string(kFixedCellFontName));
  for (const auto& [height, cell] : rows) {
    font.SetHeight(height);
    EXPECT_EQ(FaceFor(font).Metrics().Height, cell) << height;
  }
}

TEST(Font, SizeAndHeightConvertAtNinetySixPixelsPerInch) {
  TFont font;
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(12);
  EXPECT_EQ(font.Height(), -16);
  EXPECT_EQ(font.Size(), 12);
}

TEST(Font, ListenersHearEachRealChangeAndCopiesDoNotInheritThem) {
  TFont font;
  int changes = 0;
  font.OnChange = [&] { ++changes; };
  font.SetColor(clRed);
  font.SetColor(clRed);
  font.SetStyle(fsBold | fsItalic);
  TFont copy = font;
  copy.SetName("Times New Roman");
  EXPECT_EQ(changes, 2);
  font = copy;
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(font.Name(), "Times New Roman");
  EXPECT_EQ(font.Style(), fsBold | fsItalic);
}

}  // namespace
