#pragma once

#include "platform/components/custom_control.h"
#include "platform/controls/caption_text.h"
#include "platform/graphics/frame_3d.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// A container with an outer and an inner bevel, a border of BorderWidth
// pixels between them, an optional single line round the whole, and its
// caption drawn in the middle row. Aligned children fill the area inside the
// bevels. Locked is kept for forms that set it; it changes nothing here.
class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* owner);

  TPanelBevel BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TPanelBevel bevel);
  TPanelBevel BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TPanelBevel bevel);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int width);
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool Locked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }

 protected:
  void Paint() override;
  void AlignControls(TRect& rect) override;

 private:
  int FrameThickness() const;
  void DrawBevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel) const;
  void Changed();

  TPanelBevel bevel_inner_ = TPanelBevel::bvNone;
  TPanelBevel bevel_outer_ = TPanelBevel::bvRaised;
  int bevel_width_ = 1;
  TBorderStyle border_style_ = TBorderStyle::bsNone;
  int border_width_ = 0;
  TAlignment alignment_ = TAlignment::taCenter;
  bool locked_ = false;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};
