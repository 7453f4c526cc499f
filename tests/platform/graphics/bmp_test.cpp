#include <gtest/gtest.h>

#include <filesystem>

#include "pixel_picture.h"
#include "platform/graphics/bmp.h"
#include "tests/platform/services/temp_folder.h"

namespace {

void PutLe(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i)
    bytes[at + static_cast<std::size_t>(i)] = (value >> (8 * i)) & 0xFF;
}

// A BMP file header and info header for the given layout; pixels follow.
std::vector<std::uint8_t> Header(int width, int height, int bits, int palette_entries) {
  const std::size_t pixel_offset = 54 + static_cast<std::size_t>(palette_entries) * 4;
  std::vector<std::uint8_t> bytes(pixel_offset, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLe(bytes, 10, static_cast<std::uint32_t>(pixel_offset), 4);
  PutLe(bytes, 14, 40, 4);
  PutLe(bytes, 18, static_cast<std::uint32_t>(width), 4);
  PutLe(bytes, 22, static_cast<std::uint32_t>(height), 4);
  PutLe(bytes, 26, 1, 2);
  PutLe(bytes, 28, static_cast<std::uint32_t>(bits), 2);
  PutLe(bytes, 46, static_cast<std::uint32_t>(palette_entries), 4);
  return bytes;
}

TEST(Bmp, TwentyFourBitRoundTripKeepsEveryPixelOfAnOddWidth) {
  TBitmap original(3, 2);
  original.SetPixel(0, 0, RGB(1, 2, 3));
  original.SetPixel(2, 0, clRed);
  original.SetPixel(1, 1, RGB(200, 100, 50));
  const std::vector<std::uint8_t> bytes = WriteBmp(original);
  EXPECT_EQ(bytes.size(), 54u + 2 * 12);  // rows padded to 12 bytes
  const TBitmap read = ReadBmp(bytes);
  ASSERT_EQ(read.Width(), 3);
  ASSERT_EQ(read.Height(), 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(read.Pixel(x, y), original.Pixel(x, y)) << x << "," << y;
  }
}

TEST(Bmp, FilesLoadWhatWasSavedAndAFailedSaveLeavesTheOldPictureWhole) {
  const TTempFolder temp;
  const std::filesystem::path& folder = temp.Path();
  std::filesystem::create_directories(folder / "OLD.BMP.tmp");  // the temporary name is taken
  const std::string path = (folder / "OLD.BMP").string();
  TBitmap old_picture(2, 2);
  old_picture.SetPixel(1, 1, clRed);
  old_picture.SaveToFile(path + "x");
  std::filesystem::rename(path + "x", path);
  TBitmap replacement(3, 3);
  EXPECT_THROW(replacement.SaveToFile(path), EInvalidGraphic);
  TBitmap loaded;
  int changes = 0;
  loaded.OnChange = [&] { ++changes; };
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Width(), 2);
  EXPECT_EQ(loaded.Pixel(1, 1), clRed);
  EXPECT_GE(changes, 1);
  std::filesystem::remove(path);
  EXPECT_THROW(loaded.LoadFromFile(path), EInvalidGraphic);
  EXPECT_THROW(loaded.LoadFromFile(folder.string()), EInvalidGraphic);
  EXPECT_EQ(loaded.Pixel(1, 1), clRed);
}

TEST(Bmp, APictureTakenOverKeepsItsPixelsAndLeavesItsSourceEmpty) {
  TBitmap source(2, 1);
  source.SetPixel(1, 0, clRed);
  TBitmap taken(5, 5);
  taken.Assign(std::move(source));
  EXPECT_EQ(taken.Width(), 2);
  EXPECT_EQ(taken.Height(), 1);
  EXPECT_EQ(taken.Pixel(1, 0), clRed);
  EXPECT_TRUE(source.Empty());  // NOLINT(bugprone-use-after-move): a taken picture is empty
}

TEST(Bmp, ReadsEightBitPalettisedBottomUpRows) {
  std::vector<std::uint8_t> bytes = Header(2, 2, 8, 2);
  PutLe(bytes, 54, 0x00FF0000, 4);  // palette entry 0: red (stored B, G, R, 0)
  PutLe(bytes, 58, 0x000000FF, 4);  // palette entry 1: blue
  // Bottom row first, each padded to four bytes.
  for (std::uint8_t b : {1, 0, 0, 0, 0, 1, 0, 0}) bytes.push_back(b);
  const TBitmap read = ReadBmp(bytes);
  EXPECT_EQ(Picture(read, {0, 0, 2, 2}, {{clRed, 'R'}, {clBlue, 'B'}}),
            (std::vector<std::string>{"RB", "BR"}));
}

TEST(Bmp, ReadsThirtyTwoBitTopDownRows) {
  std::vector<std::uint8_t> bytes = Header(1, -2, 32, 0);
  for (std::uint8_t b : {0, 0, 255, 255, 255, 0, 0, 255}) bytes.push_back(b);
  const TBitmap read = ReadBmp(bytes);
  EXPECT_EQ(read.Pixel(0, 0), clRed);
  EXPECT_EQ(read.Pixel(0, 1), clBlue);
}

// A file of one 8-bit row of `width` pixels after a full palette.
std::vector<std::uint8_t> EightBit(int width) {
  std::vector<std::uint8_t> bytes = Header(width, 1, 8, 256);
  bytes.resize(bytes.size() + static_cast<std::size_t>((width + 3) / 4 * 4));
  return bytes;
}

std::vector<std::uint8_t> With(std::vector<std::uint8_t> bytes, std::size_t at, std::uint32_t value,
                               int size) {
  PutLe(bytes, at, value, size);
  return bytes;
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

// Each damaged or unsupported file is refused with its reason, never read past its end;
// the sizes at each limit are read.
TEST(Bmp, RefusesDamagedOrUnsupportedFilesAndReadsThoseAtEachLimit) {
  const std::vector<std::uint8_t> good = WriteBmp(TBitmap(4, 4));
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* refusal;  // empty: read
  } files[] = {
      {"sound", good, ""},
      {"one byte short", Cut(good, good.size() - 1), "pixels past the end"},
      {"shorter than its headers", Cut(good, 53), "too short"},
      {"not a bitmap", With(good, 0, 'X', 1), "not a bitmap"},
      {"pixels past the end", With(good, 10, 0xFFFFFFF0u, 4), "pixels past the end"},
      {"a small header", With(good, 14, 39, 4), "unsupported header"},
      {"4-bit", Header(2, 2, 4, 16), "pixel depth"},
      {"compressed", With(good, 30, 1, 4), "compressed"},
      {"no width", With(good, 18, 0, 4), "bad size"},
      {"the widest", EightBit(1 << 15), ""},
      {"wider", With(EightBit(1 << 15), 18, (1 << 15) + 1, 4), "bad size"},
      {"taller", Header(1, (1 << 15) + 1, 24, 0), "bad size"},
      {"a palette past the end", Cut(Header(1, 1, 8, 256), 60), "palette past the end"},
      {"a palette count beyond 256", With(EightBit(1), 46, 0x40000001u, 4), ""},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.what);
    std::string refusal;
    try {
      ReadBmp(file.bytes);
    } catch (const EInvalidGraphic& e) {
      refusal = e.what();
    }
    if (*file.refusal == '\0') {
      EXPECT_EQ(refusal, "");
    } else {
      EXPECT_NE(refusal.find(file.refusal), std::string::npos) << refusal;
    }
  }
}

}  // namespace
