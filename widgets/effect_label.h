#pragma once
// Windowless text labels with a text style (normal, embossed, recessed,
// outlined) and an optional effect (a drop shadow or an extrusion), drawn
// without flicker through an off-screen bitmap. An auto-sized label takes
// the size of the whole drawing, effect included.
#include <cstdint>
#include <string>

#include "platform/controls/label.h"
#include "platform/graphics/bitmap.h"

enum TKxLabelEffectStyle : std::uint8_t { lesNone, lesShadow, lesExtrude };
enum TKxLabelExtrudePosition : std::uint8_t {
  lepLeft,
  lepLeftTop,
  lepTop,
  lepRightTop,
  lepRight,
  lepRightBottom,
  lepBottom,
  lepLeftBottom
};
enum TKxLabelTextStyle : std::uint8_t { ltsNormal, ltsEmbossed, ltsRecessed, ltsOutlined };

// The platform label, taking its parent's colour afresh once its design
// has been loaded.
class TKxCustomLabel : public TLabel {
 public:
  explicit TKxCustomLabel(TComponent* owner) : TLabel(owner) {}

 protected:
  void Loaded() override;
};

class TKxLabel : public TKxCustomLabel {
 public:
  explicit TKxLabel(TComponent* owner);

  virtual void SetCaption(const std::string& caption);
  const std::string& Caption() const { return TKxCustomLabel::Caption(); }

  void SetAutoSize(bool auto_size);
  void SetAlignment(TAlignment alignment);
  void SetWordWrap(bool word_wrap);

  TKxLabelEffectStyle Effect() const { return effect_; }
  void SetEffect(TKxLabelEffectStyle effect);
  TKxLabelTextStyle Style() const { return style_; }
  void SetStyle(TKxLabelTextStyle style);
  int Depth() const { return depth_; }
  void SetDepth(int depth);
  TKxLabelExtrudePosition ExtrudePosition() const { return extrude_position_; }
  void SetExtrudePosition(TKxLabelExtrudePosition position);
  TColor FarColor() const { return far_color_; }
  void SetFarColor(TColor color) { Store(far_color_, color, effect_ == lesExtrude); }
  TColor NearColor() const { return near_color_; }
  void SetNearColor(TColor color) { Store(near_color_, color, effect_ == lesExtrude); }
  bool Striated() const { return striated_; }
  void SetStriated(bool striated) { Store(striated_, striated, effect_ == lesExtrude); }
  TColor ShadowColor() const { return shadow_color_; }
  void SetShadowColor(TColor color) { Store(shadow_color_, color, effect_ == lesShadow); }
  int XOffset() const { return x_offset_; }
  void SetXOffset(int offset) { Store(x_offset_, offset, effect_ == lesShadow); }
  int YOffset() const { return y_offset_; }
  void SetYOffset(int offset) { Store(y_offset_, offset, effect_ == lesShadow); }
  TColor DarkColor() const { return dark_color_; }
  void SetDarkColor(TColor color) { Store(dark_color_, color, Bevelled()); }
  TColor LightColor() const { return light_color_; }
  void SetLightColor(TColor color) { Store(light_color_, color, Bevelled()); }
  TColor OutlineColor() const { return outline_color_; }
  void SetOutlineColor(TColor color) { Store(outline_color_, color, style_ == ltsOutlined); }
  // Kept with the design; a disabled label draws in the fixed system colours.
  TColor DisabledDarkColor() const { return disabled_dark_color_; }
  void SetDisabledDarkColor(TColor color) { Store(disabled_dark_color_, color, !Enabled()); }
  TColor DisabledLightColor() const { return disabled_light_color_; }
  void SetDisabledLightColor(TColor color) { Store(disabled_light_color_, color, !Enabled()); }

 protected:
  void Paint() override;
  void Loaded() override;
  void WndProc(TMessage& message) override;

  virtual void DrawDisabledText(TCanvas& canvas, TRect& rect, unsigned flags,
                                const std::string& text);
  virtual void DrawEffectText(TCanvas& canvas, TRect& rect, unsigned flags);
  virtual void DrawLabelText(TCanvas& canvas, TRect& rect, unsigned flags);

 private:
  template <class T>
  void Store(T& field, T value, bool shown) {
    if (field == value) return;
    field = value;
    if (shown) Invalidate();
  }
  bool Bevelled() const { return style_ == ltsEmbossed || style_ == ltsRecessed; }
  unsigned DrawFlags() const;
  std::string PreparedText(unsigned flags) const;
  // Draws the label's text with its effect, or measures it with
  // DT_CALCRECT; `rect` becomes the area the drawing covers.
  void DrawOrMeasure(TCanvas& canvas, TRect& rect, unsigned flags);
  void AdjustSize();
  TColor ExtrusionColour(int step) const;

  TBitmap buffer_;
  TColor dark_color_ = clBtnShadow;
  int depth_ = 10;
  TColor disabled_dark_color_ = clBtnShadow;
  TColor disabled_light_color_ = clBtnHighlight;
  TKxLabelEffectStyle effect_ = lesNone;
  TColor far_color_ = clBlack;
  TColor light_color_ = clBtnHighlight;
  TColor near_color_ = clBlack;
  TColor outline_color_ = clWhite;
  TKxLabelExtrudePosition extrude_position_ = lepRightBottom;
  TColor shadow_color_ = clBtnShadow;
  bool striated_ = false;
  TKxLabelTextStyle style_ = ltsNormal;
  int x_offset_ = 2;
  int y_offset_ = 2;
};
