#include "widgets/radio_group.h"

#include <algorithm>

void TCustomKxRadioGroup::SetItemIndex(int index) {
  index = std::clamp(index, -1, ButtonCount() - 1);
  if (index == item_index_) return;
  if (item_index_ >= 0) Buttons(item_index_)->SetChecked(false);
  item_index_ = index;
  if (item_index_ < 0) return;
  TKxCheckItem* button = Buttons(item_index_);
  button->SetChecked(true);
  if (Focused() && button->CanFocus()) button->SetFocus();
}

// The chosen item is checked again after the items changed. When the items
// shrank below it, the choice moves to the last item that is left (none when
// none is), so the group never points past its items.
void TCustomKxRadioGroup::UpdateButtons() {
  TKxCheckItemGroup::UpdateButtons();
  item_index_ = std::min(item_index_, ButtonCount() - 1);
  if (item_index_ >= 0) {
    SetRechecking(true);
    Buttons(item_index_)->SetChecked(true);
    SetRechecking(false);
  }
  LayOutButtons();
  Invalidate();
}

TKxCheckItem* TCustomKxRadioGroup::CreateButton() {
  return new TKxGroupButton(this);
}

void TCustomKxRadioGroup::ButtonClick(TComponent* sender) {
  if (!Rechecking()) {
    for (int i = 0; i < ButtonCount(); ++i)
      if (Buttons(i) == sender) item_index_ = i;
  }
  TKxCheckItemGroup::ButtonClick(sender);
}

TKxGroupButton::TKxGroupButton(TKxCheckItemGroup* group) : TKxRadioButton(group), group_(group) {
  group->buttons_.Add(this);
  SetVisible(false);
  SetEnabled(group->Enabled());
  OnClick = [group](TComponent* sender) { group->ButtonClick(sender); };
  SetParent(group);
}

TKxGroupButton::~TKxGroupButton() {
  group_->buttons_.Remove(this);
}

void TKxGroupButton::SetChecked(bool checked) {
  if (group_->CanChange()) TKxRadioButton::SetChecked(checked);
}

void TKxGroupButton::KeyDown(int& key, TShiftState shift) {
  TKxRadioButton::KeyDown(key, shift);
  group_->KeyDown(key, shift);
}

void TKxGroupButton::KeyPress(char& key) {
  TKxRadioButton::KeyPress(key);
  group_->KeyPress(key);
}
