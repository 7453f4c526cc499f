#pragma once

#include <algorithm>
#include <cstdlib>

#include "platform/components/custom_control.h"

// A one-line text box in a sunken frame. Typed characters go in at the
// caret; Backspace, Delete, the left and right arrows, Home and End edit and
// move as usual. Every change of the text, typed or set by code, runs
// OnChange. A ReadOnly box takes no typing; MaxLength above 0 caps the text.
// Taking the focus selects the whole text, so typing replaces it; a click
// places the caret instead, and so does any move of the caret or new text.
// Shift with a caret key or a click, or a drag, selects from the other end
// of the selection to the caret. Text wider than the box scrolls sideways,
// as little as keeps the caret inside, never past the end of the text.
class TEdit : public TCustomControl {
 public:
  explicit TEdit(TComponent* owner);

  int MaxLength() const { return max_length_; }
  void SetMaxLength(int length);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  int SelStart() const { return std::min(caret_, anchor_); }
  int SelLength() const { return std::abs(caret_ - anchor_); }
  // Places the caret and clears the selection.
  void SetSelStart(int position);
  void SelectAll();

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
  void MouseMove(TShiftState shift, int x, int y) override;
  void KeyDown(int& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void Resize() override;

 private:
  void Select(int anchor, int caret);
  // Places the caret; with Shift held the selection's other end stays.
  void MoveCaret(int position, TShiftState shift);
  void ScrollToCaret();
  void ReplaceText(const std::string& text, int caret);
  // Removes the selected text; false when nothing was selected.
  bool DeleteSelection();
  int CaretAt(int x) const;
  void PaintSelection(TCanvas& canvas, int top);
  // Where the text starts across the control, scrolled.
  int TextX() const;
  // How far right of the text area's first text column the caret may stand.
  int CaretRoom() const;
  // The width of the text before the character at `position`.
  int TextWidthTo(int position) const;

  int max_length_ = 0;
  bool read_only_ = false;
  int caret_ = 0;
  int anchor_ = 0;  // the other end of the selection; the caret when none
  int scroll_ = 0;  // the pixels of the text hidden to the left of the text area
};
