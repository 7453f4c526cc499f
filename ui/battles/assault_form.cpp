#include "ui/battles/assault_form.h"

#include "world/text_table.h"

namespace {

void ShowText(TLabel* label, const std::string& text) {
  label->SetCaption(text);
  label->SetVisible(!text.empty());
}

}  // namespace

TFortAssault::TFortAssault() : TOrderForm("TFortAssault", 400, 290) {
  Label1 = AddLabel(this, "Label1", 12, 10, 376, 20);
  for (int k = 0; k < 7; ++k) ForceLabels[k] = AddLabel(this, Numbered("Label", 2 + k), 24, 36 + 20 * k, 352, 18);
  Label10 = AddLabel(this, "Label10", 12, 184, 376, 18);
  Label11 = AddLabel(this, "Label11", 12, 206, 376, 18);
  Button1 = AddControl<TKxGraphicButton>("Button1", 80, 246, 100, 30);
  Button1->SetCaption(TextLine(120));
  Button1->OnClick = [this](TComponent*) { Button1Click(); };
  Button2 = AddControl<TKxGraphicButton>("Button2", 220, 246, 100, 30);
  Button2->SetCaption(TextLine(66));
  Button2->SetModalResult(mrOk);
}

void TFortAssault::Show(const AssaultForm& form) {
  SetCaption(form.caption);
  Label1->SetCaption(form.title);
  for (int k = 0; k < 7; ++k) ShowText(ForceLabels[k], form.forces[k]);
  ShowText(Label10, form.bombardment);
  ShowText(Label11, form.storm);
  Button1->SetVisible(!form.over);
  Button1->SetEnabled(!form.over);
  Button2->SetVisible(form.over);
  Button2->SetEnabled(form.over);
}

// The step itself is the rules' once the form hands back; the form stays the
// same one from the first step to OK.
void TFortAssault::Button1Click() {
  Button1->SetEnabled(false);
  SetModalResult(mrOk);
}
