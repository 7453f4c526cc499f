#include "platform/controls/popup_menu.h"

#include "platform/controls/menu_window.h"

TPopupMenu::TPopupMenu(TComponent* owner) : TContextMenu(owner) {
  items_ = new TMenuItem(this);
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  if (items_->Count() == 0) return;
  if (TMenuItem* chosen = TMenuWindow(*items_, {x, y}).Track()) chosen->Click();
}
