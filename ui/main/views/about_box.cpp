#include "ui/main/views/about_box.h"

#include "ui/orders/order_dialog.h"

TAboutBox::TAboutBox() : TOrderForm("TAboutBox", 298, 180) {
  SetCaption("About");
  ProductName = AddLabel(this, "ProductName", 16, 24, 266, 20);
  ProductName->SetCaption("Graymarch");
  Version = AddLabel(this, "Version", 16, 52, 266, 20);
  Version->SetCaption("Version " GRAYMARCH_VERSION);
  AddLabel(this, "Comments", 16, 80, 266, 40)
      ->SetCaption("The war between the states, 1861-1865");
  OKButton = AddControl<TButton>("OKButton", 111, 136, 75, 26);
  OKButton->SetCaption("OK");
  OKButton->SetModalResult(mrOk);
}

void ShowAboutBox() {
  RunOrderDialog<TAboutBox>(1, {.hourglass_while_building = false, .arrow_when_shown = false});
}
