#include "ui/battles/battle_form.h"

#include "world/text_table.h"

Tquickrez::Tquickrez(const BattleForm& form, BattleControls& controls)
    : TOrderForm("Tquickrez", 420, 250), controls_(controls) {
  SetCaption("Combat resolution");
  AddLabel(this, "Label1", 12, 12, 190, 18)->SetCaption(TextLine(505));
  AddLabel(this, "Label2", 218, 12, 190, 18)->SetCaption(TextLine(506));
  AddLabel(this, "Label43", 12, 40, 396, 18)->SetCaption(form.location);
  AddLabel(this, "Label44", 12, 68, 190, 18)->SetCaption(form.unionCommander);
  AddLabel(this, "Label45", 218, 68, 190, 18)->SetCaption(form.confedCommander);
  AddLabel(this, "Label3", 12, 96, 396, 18)->SetCaption(form.terrain);
  AddLabel(this, "Label4", 12, 124, 396, 18)->SetCaption(form.weather);
  Button3 = AddControl<TKxGraphicButton>("Button3", 12, 160, 190, 28);
  Button4 = AddControl<TKxGraphicButton>("Button4", 218, 160, 190, 28);
  Button1 = AddControl<TKxGraphicButton>("Button1", 160, 208, 100, 30);
  Button3->SetCaption(TextLine(516));
  Button4->SetCaption(TextLine(517));
  Button1->SetCaption(TextLine(120));
  Button3->OnClick = [this](TComponent*) { Button3Click(); };
  Button4->OnClick = [this](TComponent*) { Button4Click(); };
  Button1->OnClick = [this](TComponent*) { Button1Click(); };
  for (int side = 1; side <= 2; ++side) {
    intensitySet_[side - 1] = !form.choosesIntensity[side - 1];
    (side == 1 ? Button3 : Button4)->SetEnabled(form.choosesIntensity[side - 1]);
  }
  Button1->SetEnabled(intensitySet_[0] && intensitySet_[1]);
  OnClose = [this](TComponent*, TCloseAction& action) {
    if (!fought_) action = TCloseAction::caNone;
  };
}

// The fight runs while the form is up, so its notices, leader choices and
// results open over it; the form closes when the handler returns.
void Tquickrez::Button1Click() {
  Button1->SetEnabled(false);
  controls_.Execute();
  fought_ = true;
  SetModalResult(mrOk);
}

void Tquickrez::Button3Click() {
  SetIntensity(1, Button3);
}

void Tquickrez::Button4Click() {
  SetIntensity(2, Button4);
}

void Tquickrez::SetIntensity(int side, TKxGraphicButton* button) {
  controls_.SetIntensity(side);
  intensitySet_[side - 1] = true;
  button->SetVisible(false);
  button->SetEnabled(false);
  Button1->SetEnabled(intensitySet_[0] && intensitySet_[1]);
}
