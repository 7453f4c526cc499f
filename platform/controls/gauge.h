#pragma once

#include "platform/components/graphic_control.h"
#include "platform/graphics/frame_3d.h"

enum class TGaugeKind { gkHorizontalBar, gkVerticalBar };

// A progress bar: the share of Progress between MinValue and MaxValue is
// filled in ForeColor from the left (or from the bottom when vertical), the
// rest in BackColor; with ShowText the percentage is written in the middle,
// in BackColor over the filled part and in the font's colour over the rest.
// Progress is kept within MinValue..MaxValue.
class TGauge : public TGraphicControl {
 public:
  explicit TGauge(TComponent* owner);

  TGaugeKind Kind() const { return kind_; }
  void SetKind(TGaugeKind kind);
  int MinValue() const { return min_value_; }
  void SetMinValue(int value);
  int MaxValue() const { return max_value_; }
  void SetMaxValue(int value);
  int Progress() const { return progress_; }
  void SetProgress(int progress);
  void AddProgress(int amount) { SetProgress(progress_ + amount); }
  int PercentDone() const;

  TColor ForeColor() const { return fore_color_; }
  void SetForeColor(TColor color);
  TColor BackColor() const { return back_color_; }
  void SetBackColor(TColor color);
  bool ShowText() const { return show_text_; }
  void SetShowText(bool show);
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);

 protected:
  void Paint() override;

 private:
  TRect FilledRect(const TRect& inside) const;
  void DrawPercentage(TCanvas& canvas, const TRect& inside, const TRect& filled) const;
  void Changed(int& field, int value);

  TGaugeKind kind_ = TGaugeKind::gkHorizontalBar;
  int min_value_ = 0;
  int max_value_ = 100;
  int progress_ = 0;
  TColor fore_color_ = clBlack;
  TColor back_color_ = clWhite;
  bool show_text_ = true;
  TBorderStyle border_style_ = TBorderStyle::bsSingle;
};
