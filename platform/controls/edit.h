#pragma once

#include "platform/components/custom_control.h"

// A one-line text box in a sunken frame. Typed characters go in at the
// caret; Backspace, Delete, the left and right arrows, Home and End edit and
// move as usual. Every change of the text, typed or set by code, runs
// OnChange. A ReadOnly box takes no typing; MaxLength above 0 caps the text.
class TEdit : public TCustomControl {
 public:
  explicit TEdit(TComponent* owner);

  int MaxLength() const { return max_length_; }
  void SetMaxLength(int length);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  int SelStart() const { return caret_; }
  void SetSelStart(int position);

  TNotifyEvent OnChange;

 protected:
  // Whether a typed character may go into the text.
  virtual bool Accepts(char ch) const;
  virtual void Change();
  // The part of the control the text is drawn in; a subclass may take room.
  virtual TRect TextArea() const;

  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int& key, TShiftState shift) override;
  void KeyPress(char& key) override;

 private:
  void ReplaceText(const std::string& text, int caret);
  int CaretAt(int x) const;
  int TextX() const;

  int max_length_ = 0;
  bool read_only_ = false;
  int caret_ = 0;
};
