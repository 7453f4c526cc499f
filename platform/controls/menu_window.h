#pragma once

#include "platform/controls/menu_item.h"
#include "platform/forms/form.h"

// The drop-down list of a menu's items, shown modally at a point of the
// screen until the user chooses an item or leaves: a press outside it, or
// Escape, closes it with nothing chosen. The arrow keys move the highlight
// over the items that can be chosen, Enter chooses, and an item with items
// of its own opens them beside it. Choosing runs nothing: the caller clicks
// the item once the list is gone.
class TMenuWindow : public TForm {
 public:
  TMenuWindow(TMenuItem& menu, TPoint at);

  // Shows the list and returns the chosen item, or nullptr.
  TMenuItem* Track();

  // Where an item lies on the screen (for tests that click it).
  TRect ItemRectOnScreen(const TMenuItem* item) const;
  int Highlighted() const { return highlighted_; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int& key, TShiftState shift) override;
  void WndProc(TMessage& message) override;

 private:
  int RowTop(int index) const;
  int RowHeight(int index) const;
  int RowAt(int y) const;
  void MoveHighlight(int direction);
  void Choose(int index);

  TMenuItem& menu_;
  TPoint at_;
  int highlighted_ = -1;
  TMenuItem* chosen_ = nullptr;
  bool submenu_open_ = false;
};
