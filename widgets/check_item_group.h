#pragma once
// A group box that holds one generated check item per line of Items, laid
// out column by column below its caption, and gives every item its own look
// (flat style, glyphs, image list, sounds, HTML captions, transparency,
// themes, enabled state). The items are never part of a form's design: they
// are rebuilt from Items.
#include "platform/services/string_list.h"
#include "widgets/check_item.h"
#include "widgets/group_box.h"
#include "widgets/pointer_list.h"

class TKxCheckItemGroup : public TCustomKxGroupBox {
 public:
  static constexpr int kMaxColumns = 16;

  explicit TKxCheckItemGroup(TComponent* owner);
  ~TKxCheckItemGroup() override;

  // The alignment given to every item: taRightJustify puts the marks left.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  TStringList& Hints() { return hints_; }
  void SetHints(const TStringList& hints) { hints_.Assign(hints); }
  TStringList& Items() { return items_; }
  void SetItems(const TStringList& items) { items_.Assign(items); }

  int ButtonCount() const { return buttons_.Count(); }
  TKxCheckItem* Buttons(int index) const { return static_cast<TKxCheckItem*>(buttons_.Get(index)); }

  // Passed on to every item.
  void SetImageForm(TKxImageForm* image_form) override;
  void SetIsHTML(bool is_html) override;
  void SetTransparent(bool transparent) override;
  void SetUseXPThemes(bool use) override;
  void SetCheckSound(const TKxSoundName& name) override;
  void SetGlyph(const TBitmap& glyph) override;
  void SetImages(TImageList* images) override;
  void SetSoundMap(TKxSoundMap* sound_map) override;
  void SetUseCustomGlyphs(bool use) override;
  void SetUseImageList(bool use) override;
  void SetSoftFlatActiveColor(TColor color) override;
  void SetSoftFlatDownColor(TColor color) override;
  void SetSoftFlatInactiveColor(TColor color) override;
  void SetFlat(bool flat) override;
  // The caption check box switches the items on and off.
  void SetCheckBoxChecked(bool checked) override;

 protected:
  // Makes the items match Items and gives them the group's look.
  virtual void UpdateButtons();
  virtual TKxCheckItem* CreateButton() = 0;
  // The OnClick of every item.
  virtual void ButtonClick(TComponent* sender);
  // Places the items in columns below the caption.
  void LayOutButtons();
  // True while UpdateButtons re-checks the chosen item of a radio group.
  bool Rechecking() const { return rechecking_; }
  void SetRechecking(bool rechecking) { rechecking_ = rechecking; }
  bool ItemsEnabled() const { return Enabled() && (!ShowCheckBox() || CheckBoxChecked()); }

  void Loaded() override;
  void WndProc(TMessage& message) override;
  void Resize() override;

 private:
  friend class TKxGroupButton;
  template <class Setter>
  void ForEachButton(Setter set);

  TAlignment alignment_ = TAlignment::taRightJustify;
  TKxList buttons_;
  int columns_ = 1;
  TStringList hints_;
  TStringList items_;
  bool rechecking_ = false;
};
