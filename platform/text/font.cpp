#include "platform/text/font.h"

TFont::TFont(const TFont& other)
    : name_(other.name_),
      height_(other.height_),
      style_(other.style_),
      color_(other.color_),
      charset_(other.charset_) {}

TFont& TFont::operator=(const TFont& other) {
  Assign(other);
  return *this;
}

void TFont::Assign(const TFont& other) {
  if (this == &other || *this == other) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  Changed();
}

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

// Points and pixels convert at 96 pixels per inch, rounding to the nearest.
int TFont::Size() const {
  const int pixels = height_ < 0 ? -height_ : height_;
  return (pixels * 72 + kScreenPixelsPerInch / 2) / kScreenPixelsPerInch;
}

void TFont::SetSize(int points) {
  SetHeight(-((points * kScreenPixelsPerInch + 36) / 72));
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange();
}
