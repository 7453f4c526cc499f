#include "ui/main/views/unit_overview.h"

#include "world/game_window.h"
#include "world/text_table.h"

TUnitOverview::TUnitOverview(const std::string& form_class, const std::string& design_caption,
                             int width, OverviewTexts texts)
    : TOrderForm(form_class, width, 300), texts_(texts) {
  SetCaption(design_caption);
  Label1 = AddLabel(this, "Label1", 8, 8, width - 16, 16);
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 8, 28, width - 16, 224);
  ListBox1->OnMouseDown = [this](TComponent*, TMouseButton, TShiftState, int, int) {
    ListBox1MouseDown();
  };
  Button1 = AddControl<TKxGraphicButton>("Button1", (width - 75) / 2, 262, 75, 28);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TUnitOverview::Fill() {
  SetCaption(TextLine(texts_.caption));
  Label1->SetCaption(TextLine(texts_.heading));
  ListBox1->Items().Clear();
  unit_of_row_.Clear();
  ListUnits();
}

void TUnitOverview::AddLine(int unit, const std::string& line) {
  ListBox1->Items().Add(line);
  unit_of_row_.Add(unit);
}

void TUnitOverview::ListBox1MouseDown() {
  const int unit = unit_of_row_.At(ListBox1->ItemIndex());
  if (unit == 0) return;
  const TPoint hex = SelectUnit(unit);
  ViewLeft = static_cast<std::uint16_t>(hex.X);
  ViewTop = static_cast<std::uint16_t>(hex.Y);
  Window().RepaintMap();
  OpenUnit(unit);
}
