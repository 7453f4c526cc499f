#pragma once
// A picture held in memory: 32-bit pixels, each stored exactly as an RGB
// TColor (0x00BBGGRR, the top byte always 0), rows top to bottom. A presenter
// can upload the rows as they stand (XBGR8888).
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/graphics/canvas.h"
#include "platform/graphics/types.h"

// Auto takes the bottom-left pixel as the transparent colour; Fixed takes
// TransparentColor as set.
enum TTransparentMode { tmAuto, tmFixed };

class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height);
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  ~TBitmap();

  // Copies pixels, size and transparency settings, and notifies OnChange.
  void Assign(const TBitmap& other);
  // The same, taking the pixels of a picture no longer needed, which is left empty.
  void Assign(TBitmap&& other);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // The whole picture, in its own pixels.
  TRect Bounds() const { return {0, 0, width_, height_}; }
  // New pixels are white; pixels inside both sizes keep their colour.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }

  TCanvas& Canvas() { return *canvas_; }
  const TCanvas& Canvas() const { return *canvas_; }

  // Outside the bitmap: clNone on reading, ignored on writing.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  std::uint32_t* ScanLine(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* ScanLine(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
  }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TTransparentMode TransparentMode() const { return transparent_mode_; }
  void SetTransparentMode(TTransparentMode mode);
  // The colour left out when drawn transparently (see TTransparentMode).
  TColor TransparentColor() const;
  // Also switches the mode to tmFixed.
  void SetTransparentColor(TColor color);

  // A monochrome bitmap holds only black and white: drawing colour into it
  // turns the source's background colour white and every other colour black.
  bool Monochrome() const { return monochrome_; }
  void SetMonochrome(bool monochrome);
  // The colour a pixel keeps of `rgb`: a monochrome bitmap keeps white and
  // makes every other colour black.
  TColor Storable(TColor rgb) const { return !monochrome_ || rgb == clWhite ? rgb : clBlack; }

  // Reads a 24-bit, 8-bit palettised or 32-bit BMP; throws EInvalidGraphic
  // for a file that cannot be read or is not such a bitmap.
  void LoadFromFile(const std::string& path);
  // Writes a 24-bit BMP; throws EInvalidGraphic when the file cannot be written.
  void SaveToFile(const std::string& path) const;

  // Called after the size, the pixels or a setting changed.
  std::function<void()> OnChange;
  void Changed();

 private:
  void TakeSettingsOf(const TBitmap& other);

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
  bool transparent_ = false;
  TTransparentMode transparent_mode_ = tmAuto;
  TColor transparent_color_ = clDefault;
  bool monochrome_ = false;
  std::unique_ptr<TCanvas> canvas_;
};

// The smallest rectangle holding every pixel that differs from the background; empty when
// there is none.
TRect InkBounds(const TBitmap& bitmap, TColor background);
