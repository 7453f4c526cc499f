#pragma once
// TOrdDraft: how the acting nation shares its recruits between the arms and
// the navy (written by the spinners at once), what it spends on bounties,
// whether its president appeals for troops, and its stance on slavery (all
// three written when the dialog closes). A stance is taken once and for
// good, and only the steps the war allows are offered.
#include <array>

#include "platform/controls/spin_edit.h"
#include "ui/orders/order_form.h"
#include "widgets/check_item.h"
#include "widgets/effect_label.h"
#include "widgets/graphic_button.h"
#include "widgets/panel.h"
#include "widgets/spin_button.h"

class TOrdDraft : public TOrderForm {
 public:
  TOrdDraft();

  void Fill();
  void WriteBack();
  // Shares 1..4: infantry, cavalry, artillery, navy.
  void ShareUpClick(int share);
  void ShareDownClick(int share);

  TKxCheckBox* CheckBox1;  // the appeal
  TSpinEdit* Bounty1;
  std::array<TKxLabel*, 4> ShareLabels;   // Label8, Label10, Label12, Label15
  std::array<TKxSpinButton*, 4> UpDowns;  // UpDown1..UpDown4
  TKxPanel* KxPanel1;
  TKxRadioButton* RadioButton1;  // Emancipation
  TKxRadioButton* RadioButton2;  // Combat Roles
  TKxRadioButton* RadioButton3;  // Bondage
  TKxGraphicButton* Button1;
  int ShareTotal = 0;

 private:
  void OfferAppeal();
  void OfferStances();
};
