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

}  // namespace
