// Glyph strips, the images made per face state and the shared glyph cache.
#include "widgets/button_glyph.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/graphics/bitmap.h"

namespace {

// A strip of square cells, each a black square on olive.
TBitmap Strip(int width, int height) {
  TBitmap strip(width, height);
  strip.Canvas().Brush.Color = clOlive;
  strip.Canvas().FillRect({0, 0, width, height});
  strip.Canvas().Brush.Color = clBlack;
  strip.Canvas().FillRect({2, 2, width - 2, height - 2});
  return strip;
}

TEST(ButtonGlyphTest, TheGlyphCountFollowsTheStripsShapeAndAPressedTwoImageFaceUsesTheUpOne) {
  TKxButtonGlyph glyph;
  glyph.SetGlyph(Strip(64, 16));
  EXPECT_EQ(glyph.NumGlyphs(), 4);
  glyph.SetGlyph(Strip(80, 16));
  EXPECT_EQ(glyph.NumGlyphs(), 1);
  glyph.SetNumGlyphs(0);
  EXPECT_EQ(glyph.NumGlyphs(), 1);
  glyph.SetGlyph(Strip(32, 16));
  EXPECT_EQ(glyph.NumGlyphs(), 2);
  const int up = glyph.CreateButtonGlyph(bsUp);
  EXPECT_EQ(glyph.CreateButtonGlyph(bsDown), up);
  EXPECT_NE(glyph.CreateButtonGlyph(bsDisabled), up);
}

// A 16 x 16 strip drawn alone at (2, 2) of a white 20 x 20 face.
TEST(ButtonGlyphTest, TheUpImageLeavesOutTheBottomLeftColourAndTheDisabledOneIsEmbossed) {
  TKxButtonGlyph glyph;
  glyph.SetGlyph(Strip(16, 16));
  const auto drawn = [&](TKxButtonState state, bool transparent) {
    TBitmap target(20, 20);
    TKxFaceDrawing face;
    face.Client = {0, 0, 20, 20};
    face.ShowText = false;
    face.State = face.GlyphState = state;
    face.Transparent = transparent;
    glyph.Draw(target.Canvas(), face);
    return target;
  };
  const TBitmap up = drawn(bsUp, true);
  EXPECT_EQ(up.Pixel(2, 2), clWhite);
  EXPECT_EQ(up.Pixel(4, 4), clBlack);
  const TBitmap disabled = drawn(bsDisabled, false);
  EXPECT_EQ(disabled.Pixel(4, 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(disabled.Pixel(4 + 12, 4 + 12), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(disabled.Pixel(2, 2), ColorToRGB(clBtnFace));
}

}  // namespace
