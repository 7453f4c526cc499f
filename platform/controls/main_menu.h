#pragma once

#include "platform/components/custom_control.h"
#include "platform/controls/menu_item.h"

// A form's menu bar. It is a control: the form puts it on top (it aligns
// itself to the top edge) and lays its other controls out below it. Each
// item of Items is a title on the bar; pressing a title opens the list of
// its items below it, or runs a title that has none. Alt with a title's
// accelerator opens it too. A disabled item shows gray and runs nothing.
class TMainMenu : public TCustomControl {
 public:
  explicit TMainMenu(TComponent* owner);

  TMenuItem& Items() { return *items_; }

  // Where a title lies on the screen (for tests that click it).
  TRect TitleRectOnScreen(const TMenuItem* title) const;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  TRect TitleRect(int index) const;
  void Open(int index);

  TMenuItem* items_;
  int open_ = -1;
};
