#include "platform/graphics/bmp.h"

#include <string>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 1 << 15;  // far beyond any picture of the game

std::uint32_t ReadLe(std::span<const std::uint8_t> bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

void WriteLe(std::vector<std::uint8_t>& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

[[noreturn]] void Fail(const std::string& why) {
  throw EInvalidGraphic("bitmap: " + why);
}

// Rows are padded to whole 4-byte words.
std::size_t RowStride(int width, int bits) {
  return ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
}

struct Header {
  std::size_t pixel_offset;
  std::size_t header_size;
  int width;
  int height;
  bool top_down;
  int bits;
  std::uint32_t palette_size;
};

Header ReadHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) Fail("file too short");
  if (bytes[0] != 'B' || bytes[1] != 'M') Fail("not a bitmap file");
  Header h{};
  h.pixel_offset = ReadLe(bytes, 10, 4);
  h.header_size = ReadLe(bytes, 14, 4);
  if (h.header_size < kInfoHeaderSize) Fail("unsupported header");
  h.width = static_cast<std::int32_t>(ReadLe(bytes, 18, 4));
  const auto raw_height = static_cast<std::int32_t>(ReadLe(bytes, 22, 4));
  h.top_down = raw_height < 0;
  h.height = h.top_down ? -raw_height : raw_height;
  h.bits = static_cast<int>(ReadLe(bytes, 28, 2));
  const std::uint32_t compression = ReadLe(bytes, 30, 4);
  h.palette_size = ReadLe(bytes, 46, 4);
  if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide) {
    Fail("bad size");
  }
  if (h.bits != 8 && h.bits != 24 && h.bits != 32) Fail("unsupported pixel depth");
  // Bit-field masks of 32-bit files are taken to be the usual BGRA layout.
  const bool bitfields32 = h.bits == 32 && compression == 3;
  if (compression != 0 && !bitfields32) Fail("compressed bitmaps are not supported");
  if (h.bits == 8 && (h.palette_size == 0 || h.palette_size > 256)) h.palette_size = 256;
  return h;
}

std::vector<TColor> ReadPalette(std::span<const std::uint8_t> bytes, const Header& h) {
  const std::size_t start = kFileHeaderSize + h.header_size;
  if (start + h.palette_size * 4 > bytes.size()) Fail("palette past the end of the file");
  std::vector<TColor> palette(256, clBlack);
  for (std::uint32_t i = 0; i < h.palette_size; ++i) {
    const std::size_t at = start + i * 4;
    palette[i] = RGB(bytes[at + 2], bytes[at + 1], bytes[at]);
  }
  return palette;
}

}  // namespace

TBitmap ReadBmp(std::span<const std::uint8_t> bytes) {
  const Header h = ReadHeader(bytes);
  const std::vector<TColor> palette = h.bits == 8 ? ReadPalette(bytes, h) : std::vector<TColor>{};
  const std::size_t stride = RowStride(h.width, h.bits);
  if (h.pixel_offset > bytes.size() || stride * h.height > bytes.size() - h.pixel_offset) {
    Fail("pixels past the end of the file");
  }
  TBitmap bitmap(h.width, h.height);
  const std::size_t bytes_per_pixel = static_cast<std::size_t>(h.bits / 8);
  for (int row = 0; row < h.height; ++row) {
    const int y = h.top_down ? row : h.height - 1 - row;
    const std::uint8_t* src = bytes.data() + h.pixel_offset + stride * row;
    std::uint32_t* dst = bitmap.ScanLine(y);
    for (int x = 0; x < h.width; ++x) {
      const std::uint8_t* p = src + bytes_per_pixel * x;
      dst[x] = h.bits == 8 ? palette[p[0]] : RGB(p[2], p[1], p[0]);
    }
  }
  return bitmap;
}

std::vector<std::uint8_t> WriteBmp(const TBitmap& bitmap) {
  const std::size_t stride = RowStride(bitmap.Width(), 24);
  const std::size_t image_size = stride * bitmap.Height();
  std::vector<std::uint8_t> out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + image_size);
  out.push_back('B');
  out.push_back('M');
  WriteLe(out, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + image_size), 4);
  WriteLe(out, 0, 4);
  WriteLe(out, kFileHeaderSize + kInfoHeaderSize, 4);
  WriteLe(out, kInfoHeaderSize, 4);
  WriteLe(out, static_cast<std::uint32_t>(bitmap.Width()), 4);
  WriteLe(out, static_cast<std::uint32_t>(bitmap.Height()), 4);
  WriteLe(out, 1, 2);   // planes
  WriteLe(out, 24, 2);  // bits per pixel
  WriteLe(out, 0, 4);   // no compression
  WriteLe(out, static_cast<std::uint32_t>(image_size), 4);
  WriteLe(out, 3780, 4);  // 96 dpi in pixels per metre
  WriteLe(out, 3780, 4);
  WriteLe(out, 0, 4);
  WriteLe(out, 0, 4);
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    const std::uint32_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      out.push_back(static_cast<std::uint8_t>(GetBValue(row[x])));
      out.push_back(static_cast<std::uint8_t>(GetGValue(row[x])));
      out.push_back(static_cast<std::uint8_t>(GetRValue(row[x])));
    }
    out.resize(out.size() + stride - static_cast<std::size_t>(bitmap.Width()) * 3, 0);
  }
  return out;
}
