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

std::vector<TLabel*> TOrderForm::AddHeadings(const std::string& first,
                                             std::span<const Column> columns, int top) {
  std::vector<TLabel*> headings;
  for (const Column& column : columns) {
    const std::string name =
        headings.empty() ? first : Numbered("Heading", static_cast<int>(headings.size()) + 1);
    headings.push_back(AddLabel(this, name, column.left, top, column.width, 18));
  }
  return headings;
}

void TOrderForm::ShowHeadings(std::span<TLabel* const> labels, const std::string& line) {
  std::size_t at = line.find_first_not_of(' ');
  for (TLabel* label : labels) {
    const std::size_t end = at == std::string::npos ? at : line.find("  ", at);
    label->SetCaption(at == std::string::npos ? "" : line.substr(at, end - at));
    at = end == std::string::npos ? end : line.find_first_not_of(' ', end);
  }
}

TLabel* TOrderForm::AddLabel(TWinControl* parent, const std::string& name, int left, int top,
                             int width, int height) {
  TLabel* label = AddChild<TLabel>(parent, name, left, top, width, height);
  label->SetAutoSize(false);
  label->SetTransparent(true);
  label->SetShowAccelChar(false);
  return label;
}

TLabel* TOrderForm::AddPaddedCaption(const std::string& name, int left, int top, int width,
                                     const std::string& caption) {
  TLabel* label = AddLabel(this, name, left, top, width, 16);
  label->SetCaption(caption);
  label->SetAlignment(TAlignment::taRightJustify);
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
