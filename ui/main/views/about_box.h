#pragma once
// TAboutBox: the game's name and version.
#include "platform/controls/button.h"
#include "ui/orders/order_form.h"

class TAboutBox : public TOrderForm {
 public:
  TAboutBox();

  TLabel* ProductName;
  TLabel* Version;
  TButton* OKButton;
};

void ShowAboutBox();
