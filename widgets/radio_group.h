#pragma once
// The radio group: a check item group whose items are radio buttons, with
// ItemIndex, the index of the checked one. Setting ItemIndex from code checks
// the item without any OnClick; clicking an item, even the checked one,
// sets ItemIndex and raises the group's OnClick.
#include "widgets/check_item_group.h"

class TKxGroupButton;

class TCustomKxRadioGroup : public TKxCheckItemGroup {
 public:
  explicit TCustomKxRadioGroup(TComponent* owner) : TKxCheckItemGroup(owner) {}

  int ItemIndex() const { return item_index_; }
  // Out-of-range values are brought to -1 .. the item count - 1.
  void SetItemIndex(int index);

 protected:
  void UpdateButtons() override;
  TKxCheckItem* CreateButton() override;
  void ButtonClick(TComponent* sender) override;

 private:
  int item_index_ = -1;
};

class TKxRadioGroup : public TCustomKxRadioGroup {
 public:
  explicit TKxRadioGroup(TComponent* owner) : TCustomKxRadioGroup(owner) {}
};

// A radio button made by a group for one of its items.
class TKxGroupButton : public TKxRadioButton {
 public:
  explicit TKxGroupButton(TKxCheckItemGroup* group);
  ~TKxGroupButton() override;

  TKxCheckItemGroup* Group() const { return group_; }
  // The group is asked first whether its items may change.
  void SetChecked(bool checked) override;

 protected:
  // The group hears the item's keys too, so space on an item also works the
  // group's caption check box.
  void KeyDown(int& key, TShiftState shift) override;
  void KeyPress(char& key) override;

 private:
  TKxCheckItemGroup* group_;
};
