#include "widgets/check_item_group.h"

#include <algorithm>

namespace {

// Room the layout leaves: the left margin of the items, the width the frame
// takes, and the height below the caption the rows may not use.
constexpr int kItemLeft = 8;
constexpr int kFrameWidth = 10;
constexpr int kFrameBelowCaption = 5;

}  // namespace

TKxCheckItemGroup::TKxCheckItemGroup(TComponent* owner) : TCustomKxGroupBox(owner) {
  control_style_ = csSetCaption | csDoubleClicks;
  hints_.OnChange = [this](TComponent*) {
    if (!Reading()) UpdateButtons();
  };
  items_.OnChange = [this](TComponent*) {
    if (Reading()) return;
    UpdateButtons();
    LayOutButtons();
  };
}

// The items go first, while the group is still whole.
TKxCheckItemGroup::~TKxCheckItemGroup() {
  items_.OnChange = nullptr;
  hints_.OnChange = nullptr;
  while (buttons_.Count() > 0) delete Buttons(buttons_.Count() - 1);
}

// An item that sizes itself to a new look would leave its place in the
// columns, so the layout is applied again after every change.
template <class Setter>
void TKxCheckItemGroup::ForEachButton(Setter set) {
  for (int i = 0; i < buttons_.Count(); ++i) set(*Buttons(i));
  LayOutButtons();
}

// ---- the group's look, passed on ------------------------------------------

void TKxCheckItemGroup::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  ForEachButton([&](TKxCheckItem& button) { button.SetAlignment(alignment); });
}

void TKxCheckItemGroup::SetColumns(int columns) {
  columns = std::clamp(columns, 1, kMaxColumns);
  if (columns == columns_) return;
  columns_ = columns;
  LayOutButtons();
  Invalidate();
}

void TKxCheckItemGroup::SetImageForm(TKxImageForm* image_form) {
  TCustomKxGroupBox::SetImageForm(image_form);
  ForEachButton([&](TKxCheckItem& button) { button.SetImageForm(image_form); });
}

void TKxCheckItemGroup::SetIsHTML(bool is_html) {
  if (is_html == IsHTML()) return;
  TCustomKxGroupBox::SetIsHTML(is_html);
  ForEachButton([&](TKxCheckItem& button) { button.SetIsHTML(is_html); });
}

void TKxCheckItemGroup::SetTransparent(bool transparent) {
  if (transparent == Transparent()) return;
  ForEachButton([&](TKxCheckItem& button) { button.SetTransparent(transparent); });
  TCustomKxGroupBox::SetTransparent(transparent);
}

void TKxCheckItemGroup::SetUseXPThemes(bool use) {
  TCustomKxGroupBox::SetUseXPThemes(use);
  ForEachButton([&](TKxCheckItem& button) { button.SetUseXPThemes(UseXPThemes()); });
}

void TKxCheckItemGroup::SetCheckSound(const TKxSoundName& name) {
  if (name == CheckSound()) return;
  TCustomKxGroupBox::SetCheckSound(name);
  ForEachButton([&](TKxCheckItem& button) { button.SetCheckSound(name); });
}

void TKxCheckItemGroup::SetGlyph(const TBitmap& glyph) {
  TCustomKxGroupBox::SetGlyph(glyph);
  ForEachButton([&](TKxCheckItem& button) { button.SetGlyph(glyph); });
}

void TKxCheckItemGroup::SetImages(TImageList* images) {
  if (images == Images()) return;
  TCustomKxGroupBox::SetImages(images);
  ForEachButton([&](TKxCheckItem& button) { button.SetImages(images); });
}

void TKxCheckItemGroup::SetSoundMap(TKxSoundMap* sound_map) {
  if (sound_map == SoundMap()) return;
  TCustomKxGroupBox::SetSoundMap(sound_map);
  ForEachButton([&](TKxCheckItem& button) { button.SetSoundMap(sound_map); });
}

void TKxCheckItemGroup::SetUseCustomGlyphs(bool use) {
  if (use == UseCustomGlyphs()) return;
  TCustomKxGroupBox::SetUseCustomGlyphs(use);
  ForEachButton([&](TKxCheckItem& button) { button.SetUseCustomGlyphs(use); });
}

void TKxCheckItemGroup::SetUseImageList(bool use) {
  if (use == UseImageList()) return;
  TCustomKxGroupBox::SetUseImageList(use);
  ForEachButton([&](TKxCheckItem& button) { button.SetUseImageList(use); });
}

void TKxCheckItemGroup::SetSoftFlatActiveColor(TColor color) {
  if (color == SoftFlatActiveColor()) return;
  TCustomKxGroupBox::SetSoftFlatActiveColor(color);
  ForEachButton([&](TKxCheckItem& button) { button.SetSoftFlatActiveColor(color); });
}

void TKxCheckItemGroup::SetSoftFlatDownColor(TColor color) {
  if (color == SoftFlatDownColor()) return;
  TCustomKxGroupBox::SetSoftFlatDownColor(color);
  ForEachButton([&](TKxCheckItem& button) { button.SetSoftFlatDownColor(color); });
}

// The items do not take SoftFlat from the group, so the colour changes
// nothing on screen.
void TKxCheckItemGroup::SetSoftFlatInactiveColor(TColor color) {
  if (color == SoftFlatInactiveColor()) return;
  TCustomKxGroupBox::SetSoftFlatInactiveColor(color);
  ForEachButton([&](TKxCheckItem& button) { button.SetSoftFlatInactiveColor(color); });
}

// The group keeps the flag without repainting itself; the items repaint.
void TKxCheckItemGroup::SetFlat(bool flat) {
  if (flat == Flat()) return;
  StoreFlat(flat);
  ForEachButton([&](TKxCheckItem& button) { button.SetFlat(flat); });
}

void TKxCheckItemGroup::SetCheckBoxChecked(bool checked) {
  TCustomKxGroupBox::SetCheckBoxChecked(checked);
  ForEachButton([&](TKxCheckItem& button) { button.SetEnabled(ItemsEnabled()); });
}

// ---- items -----------------------------------------------------------------

void TKxCheckItemGroup::UpdateButtons() {
  while (buttons_.Count() < items_.Count()) CreateButton();
  while (buttons_.Count() > items_.Count()) delete Buttons(buttons_.Count() - 1);
  for (int i = 0; i < buttons_.Count(); ++i) {
    TKxCheckItem& button = *Buttons(i);
    button.SetCaption(items_[i]);
    button.SetAlignment(alignment_);
    button.SetTransparent(Transparent());
    button.SetFlat(Flat());
    if (i < hints_.Count()) button.SetHint(hints_[i]);
    button.SetIsHTML(IsHTML());
    button.SetSoundMap(SoundMap());
    button.SetCheckSound(CheckSound());
    button.SetImages(Images());
    button.SetUseCustomGlyphs(UseCustomGlyphs());
    button.SetUseImageList(UseImageList());
    button.SetGlyph(Glyph());
    button.SetEnabled(ItemsEnabled());
  }
}

void TKxCheckItemGroup::ButtonClick(TComponent* /*sender*/) {
  if (!rechecking_) Click();
}

// The items fill the first column top to bottom, then the next. A group too
// small for its items gives them no room rather than negative sizes.
void TKxCheckItemGroup::LayOutButtons() {
  const int count = buttons_.Count();
  if (Reading() || count == 0) return;
  const int caption_height = CaptionHeight();
  const int rows = (count + columns_ - 1) / columns_;
  const int column_width = std::max(0, (Width() - kFrameWidth) / columns_);
  const int free_height = std::max(0, Height() - caption_height - kFrameBelowCaption);
  const int row_height = free_height / rows;
  const int top = caption_height + 1 + (free_height % rows) / 2;
  for (int i = 0; i < count; ++i) {
    TKxCheckItem& button = *Buttons(i);
    button.SetBounds((i / rows) * column_width + kItemLeft, top + (i % rows) * row_height,
                     column_width, row_height);
    button.Show();
  }
}

// A group built from its design makes its items once, with every property
// read.
void TKxCheckItemGroup::Loaded() {
  TCustomKxGroupBox::Loaded();
  UpdateButtons();
}

void TKxCheckItemGroup::Resize() {
  TCustomKxGroupBox::Resize();
  LayOutButtons();
}

void TKxCheckItemGroup::WndProc(TMessage& message) {
  TCustomKxGroupBox::WndProc(message);
  if (message.Msg == CM_ENABLEDCHANGED) {
    ForEachButton([&](TKxCheckItem& button) { button.SetEnabled(Enabled()); });
  } else if (message.Msg == CM_FONTCHANGED) {
    LayOutButtons();
  }
}
