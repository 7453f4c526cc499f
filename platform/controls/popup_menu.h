#pragma once

#include "platform/components/context_menu.h"
#include "platform/controls/menu_item.h"

// A menu that opens at a point of the screen: Popup runs OnPopup, shows the
// items there until the user chooses one or leaves, then clicks the chosen
// item. PopupComponent is the control it was opened for, if any.
class TPopupMenu : public TContextMenu {
 public:
  explicit TPopupMenu(TComponent* owner);

  TMenuItem& Items() { return *items_; }
  void Popup(int x, int y) override;

  TNotifyEvent OnPopup;

 private:
  TMenuItem* items_;
};
