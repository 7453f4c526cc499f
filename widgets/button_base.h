#pragma once
// The windowed, owner-drawn base of the check items (check box, radio
// button, the buttons of a radio group): caption, text effect, transparency,
// the SoftFlat colours, the accelerator key and the abstract Checked state.
// It paints nothing itself.
#include <string>

#include "widgets/draw_utils.h"
#include "widgets/themed_control.h"

class TKxButtonControl : public TKxXPThemedControl {
 public:
  explicit TKxButtonControl(TComponent* owner);

  // The control's own caption, apart from the window text. Setting a new one
  // sends CM_TEXTCHANGED so that descendants resize and repaint.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  bool Checked() const { return GetChecked(); }

  bool Transparent() const { return transparent_; }
  TKxTextDrawType TextDrawType() const { return text_draw_type_; }
  void SetTextDrawType(TKxTextDrawType draw_type);

  // SoftFlat controls paint a flat frame in one of three colours: the down
  // colour while pressed, the inactive one while neither focused nor under
  // the mouse, the active one otherwise.
  bool SoftFlat() const { return soft_flat_; }
  void SetSoftFlat(bool soft_flat);
  TColor SoftFlatActiveColor() const { return soft_flat_active_color_; }
  void SetSoftFlatActiveColor(TColor color);
  TColor SoftFlatInactiveColor() const { return soft_flat_inactive_color_; }
  void SetSoftFlatInactiveColor(TColor color);
  TColor SoftFlatDownColor() const { return soft_flat_down_color_; }
  void SetSoftFlatDownColor(TColor color);

  // Whether descendants draw the focus rectangle and the accelerator
  // underline. The keyboard cues are never hidden, so on every system both
  // are on.
  bool ShowFocusRect() const { return true; }
  bool ShowAccelChar() const { return true; }

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  virtual bool GetChecked() const = 0;
  virtual void SetChecked(bool checked) = 0;
  virtual void SetTransparent(bool transparent);

  void WndProc(TMessage& message) override;
  void CreateParams(TKxCreateParams& params) override;
  std::wstring GetThemedClassName() const override { return L"BUTTON"; }

 private:
  void SetSoftFlatColor(TColor& stored, TColor color);

  bool transparent_ = false;
  TKxTextDrawType text_draw_type_ = tdtNormal;
  std::string caption_;
  bool soft_flat_ = false;
  TColor soft_flat_active_color_ = 0;
  TColor soft_flat_inactive_color_ = 0;
  TColor soft_flat_down_color_ = 0;
};
