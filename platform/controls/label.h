#pragma once

#include "platform/components/graphic_control.h"
#include "platform/controls/caption_text.h"

// A caption on a form. With AutoSize it takes the size of its text; a label
// that is not Transparent fills its rectangle with Color first. With
// ShowAccelChar an "&" underlines the next character, and that character
// typed with Alt (or alone, when the focused control takes no characters)
// focuses FocusControl.
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool word_wrap);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool show);

  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* control);

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 private:
  unsigned TextFlags() const;
  void AdjustBounds();
  void Changed();

  bool auto_size_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool word_wrap_ = false;
  bool transparent_ = false;
  bool show_accel_char_ = true;
  TWinControl* focus_control_ = nullptr;
};
