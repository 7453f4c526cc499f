#include "platform/graphics/bitmap.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "platform/graphics/bmp.h"
#include "platform/services/replace_file.h"

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(this)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() {
  SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) : TBitmap() {
  Assign(other);
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  Assign(other);
  return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TBitmap& other) {
  if (this == &other) return;
  pixels_ = other.pixels_;
  TakeSettingsOf(other);
}

// A picture just decoded gives up its pixels rather than having them copied:
// the map alone is some thirteen megabytes.
void TBitmap::Assign(TBitmap&& other) {
  if (this == &other) return;
  pixels_ = std::move(other.pixels_);
  TakeSettingsOf(other);
  other.width_ = 0;
  other.height_ = 0;
}

void TBitmap::TakeSettingsOf(const TBitmap& other) {
  width_ = other.width_;
  height_ = other.height_;
  transparent_ = other.transparent_;
  transparent_mode_ = other.transparent_mode_;
  transparent_color_ = other.transparent_color_;
  monochrome_ = other.monochrome_;
  Changed();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == width_ && height == height_) return;
  std::vector<std::uint32_t> resized(static_cast<std::size_t>(width) * height, clWhite);
  const int keep_width = std::min(width, width_);
  for (int y = 0; y < std::min(height, height_); ++y) {
    std::copy_n(ScanLine(y), keep_width, resized.data() + static_cast<std::size_t>(y) * width);
  }
  pixels_ = std::move(resized);
  width_ = width;
  height_ = height;
  Changed();
}

TColor TBitmap::Pixel(int x, int y) const {
  if (!Bounds().Contains({x, y})) return clNone;
  return ScanLine(y)[x];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (!Bounds().Contains({x, y})) return;
  ScanLine(y)[x] = Storable(ColorToRGB(color));
}

void TBitmap::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparent_mode_) return;
  transparent_mode_ = mode;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (transparent_mode_ == tmFixed && transparent_color_ != clDefault) {
    // clNone stays itself: it matches no pixel, so nothing is left out.
    return transparent_color_ == clNone ? clNone : ColorToRGB(transparent_color_);
  }
  return Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparent_color_ = color;
  transparent_mode_ = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

// Turning a picture monochrome keeps white and makes everything else black.
void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome == monochrome_) return;
  monochrome_ = monochrome;
  for (std::uint32_t& p : pixels_) p = Storable(p);
  Changed();
}

// The file is read in one piece of its own size, not grown a byte at a time.
void TBitmap::LoadFromFile(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  std::ifstream file(path, std::ios::binary);
  if (error || !file) throw EInvalidGraphic("cannot open bitmap " + path);
  std::vector<std::uint8_t> bytes(size);
  if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
    throw EInvalidGraphic("cannot read bitmap " + path);
  }
  Assign(ReadBmp(bytes));
}

// Through a temporary file, so a failed save leaves the old picture whole.
void TBitmap::SaveToFile(const std::string& path) const {
  const std::vector<std::uint8_t> bytes = WriteBmp(*this);
  const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!ReplaceFile(path, content)) throw EInvalidGraphic("cannot write bitmap " + path);
}

void TBitmap::Changed() {
  if (OnChange) OnChange();
}

TRect InkBounds(const TBitmap& bitmap, TColor background) {
  TRect box{bitmap.Width(), bitmap.Height(), 0, 0};
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Pixel(x, y) == background) continue;
      box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
             std::max(box.Bottom, y + 1)};
    }
  }
  return box.IsEmpty() ? TRect{} : box;
}
