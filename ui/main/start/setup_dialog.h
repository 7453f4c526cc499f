#pragma once
// TSetUp: the set-up of a new campaign. Each choice is a radio button (or a
// check box) in a bitmap group box, with a label beside it that carries its
// text; the choices are written into the game when the dialog is done.
#include <array>
#include <string>

#include "platform/controls/bevel.h"
#include "platform/controls/check_box.h"
#include "platform/controls/radio_button.h"
#include "ui/orders/order_form.h"
#include "widgets/bitmap_group_box.h"
#include "widgets/graphic_button.h"
#include "world/campaign_setup.h"

class TSetUp : public TOrderForm {
 public:
  TSetUp();

  // Captions, defaults (whose clicks run the handlers below), visibility and
  // the groups' share of the background picture.
  void Fill();
  // The choices as they stand when the dialog closes.
  TSetupChoices Choices() const;
  void WriteBack();

  // RadioButtonN is Radio(N), NewRadBoxN is Group(N), LabelN is Label(N).
  TRadioButton& Radio(int n) const { return *radios_[n]; }
  TNewRadBox& Group(int n) const { return *groups_[n]; }
  TLabel& Label(int n) const { return *labels_[n]; }
  TCheckBox* CheckBox1;
  TCheckBox* CheckBox2;
  TBevel* Bevel4;
  TBevel* Bevel5;
  TKxGraphicButton* Button1;

  // The side groups: a human side hides its advantage group and, when the
  // other side is human too, offers the play modes; a computer side shows its
  // advantage group at "no advantage" and withdraws the play modes.
  void RadioButton3Click();
  void RadioButton4Click();
  void RadioButton5Click();
  void RadioButton6Click();
  void RadioButton28Click();
  void RadioButton29Click();
  void Button1Click();

 private:
  void SideTurnsHuman(TBevel& bevel, int advantage_group, int other_human);
  void SideTurnsComputer(TBevel& bevel, int advantage_group, int no_advantage);
  void ShowPlayModes(bool shown);
  void GiveGroupsTheirBackground();

  std::array<TRadioButton*, 30> radios_{};  // 1..29
  std::array<TNewRadBox*, 13> groups_{};    // 1..12
  std::array<TLabel*, 39> labels_{};        // 1..38
};

// Shows the set-up dialog and writes the choices into the game.
void ShowSetupOptions();
