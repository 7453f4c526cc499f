#pragma once
// A font as a control or canvas holds it: a face name, a height, a style and a
// colour. Glyphs come from the face cache (text_face.h) when text is drawn.
#include <functional>
#include <string>

#include "platform/graphics/types.h"

enum TFontStyle : unsigned {
  fsBold = 1,
  fsItalic = 2,
  fsUnderline = 4,
  fsStrikeOut = 8,
};
// A set of TFontStyle bits, e.g. fsBold | fsUnderline.
using TFontStyles = unsigned;

constexpr int DEFAULT_CHARSET = 1;
constexpr int kScreenPixelsPerInch = 96;

class TFont {
 public:
  TFont() = default;
  // A copy takes the values, not the listener: the copy belongs to someone else.
  TFont(const TFont& other);
  // Assigning takes the values and notifies this font's listener.
  TFont& operator=(const TFont& other);
  void Assign(const TFont& other);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);

  // Negative: the character height in pixels (without internal leading).
  // Positive: the cell height in pixels (ascent plus descent).
  int Height() const { return height_; }
  void SetHeight(int height);

  // Points at 96 pixels per inch; setting it sets a negative Height.
  int Size() const;
  void SetSize(int points);

  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);

  TColor Color() const { return color_; }
  void SetColor(TColor color);

  int Charset() const { return charset_; }
  void SetCharset(int charset);

  // Called after any value changed, so a control can re-measure and repaint.
  std::function<void()> OnChange;

  friend bool operator==(const TFont& a, const TFont& b) {
    return a.name_ == b.name_ && a.height_ == b.height_ && a.style_ == b.style_ &&
           a.color_ == b.color_ && a.charset_ == b.charset_;
  }

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
};
