#include "ui/orders/order_form.h"

#include "tools/sprites/form_backgrounds.h"
#include "widgets/bitmap_group_box.h"

TOrderForm::TOrderForm(const std::string& form_class, int width, int height) : TForm(nullptr) {
  SetName(form_class);
  SetBorderStyle(TFormBorderStyle::bsNone);
  BorderIcons = 0;
  Position = TPosition::poScreenCenter;
  SetClientSize(width, height);
  Image1 = AddControl<TImage>("Image1", 0, 0, width, height);
  Image1->SetStretch(true);
  if (auto picture = FormBackground(form_class)) Image1->Picture().Assign(*picture);
}

TLabel* TOrderForm::AddLabel(TWinControl* parent, const std::string& name, int left, int top,
                             int width, int height) {
  TLabel* label = AddChild<TLabel>(parent, name, left, top, width, height);
  label->SetAutoSize(false);
  label->SetTransparent(true);
  label->SetShowAccelChar(false);
  return label;
}

void TOrderForm::AddLabels(std::span<const LabelPlace> places) {
  for (const LabelPlace& place : places)
    AddLabel(this, Numbered("Label", place.label), place.left, place.top, place.width, 16);
}

void TOrderForm::GiveBackgroundTo(TNewRadBox& box) const {
  const TRect covered = box.BoundsRect();
  TBitmap piece(covered.Width(), covered.Height());
  piece.Canvas().CopyRect(TRect::Bounds(0, 0, covered.Width(), covered.Height()),
                          Image1->Picture().Canvas(), covered);
  box.SetPicture(piece);
}
