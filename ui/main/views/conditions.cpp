#include "ui/main/views/conditions.h"

#include <algorithm>

#include "ui/orders/order_dialog.h"
#include "world/codes.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

// The mean loyalty of a nation's states; 0 for a nation without one.
int Prestige(int nation) {
  int sum = 0;
  int states = 0;
  for (int s = 1; s <= GameState.States.Count; ++s) {
    if (GameState.States[s].Nation != nation) continue;
    sum += GameState.States[s].Loyalty;
    ++states;
  }
  return states == 0 ? 0 : sum / states;
}

}  // namespace

int WeatherWordText(int weather) {
  switch (weather) {
    case 2: return 82;
    case 3:
    case 4: return 83;
    case 5: return 84;
    case 6: return 85;
    case 7:
    case 8: return 86;
    default: return 87;
  }
}

int InterventionChance(int britains_attitude) {
  return 100 - std::clamp(britains_attitude, 0, 100);
}

TCondition::TCondition() : TOrderForm("TCondition", 402, 230) {
  SetCaption("General Conditions");
  const auto gauge = [this](const char* name, int top) {
    TGauge* made = AddControl<TGauge>(name, 150, top, 120, 16);
    made->SetMinValue(0);
    made->SetMaxValue(100);
    return made;
  };
  for (int n = 1; n <= 3; ++n) {
    labels_[n] = AddLabel(this, Numbered("Label", n), 8, 12 + 24 * (n - 1), 140, 16);
    labels_[3 + n] = AddLabel(this, Numbered("Label", 3 + n), 8, 120 + 22 * (n - 1), 140, 16);
    labels_[6 + n] = AddLabel(this, Numbered("Label", 6 + n), 150, 120 + 22 * (n - 1), 120, 16);
  }
  labels_[10] = AddLabel(this, "Label10", 8, 84, 140, 16);
  labels_[10]->SetCaption("European Intervention");
  USAPrestigeGuage = gauge("USAPrestigeGuage", 12);
  CSAPrestigeGuage = gauge("CSAPrestigeGuage", 36);
  InternationalGuage = gauge("InternationalGuage", 60);
  InterveneGuage = gauge("InterveneGuage", 84);
  Button1 = AddControl<TButton>("Button1", 300, 190, 80, 26);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TCondition::Fill() {
  Button1->SetCaption(TextLine(66));
  for (int n = 1; n <= 3; ++n) {
    Label(n).SetCaption(TextLine(266 + n));
    Label(3 + n).SetCaption(TextLine(269 + n));
    Label(6 + n).SetCaption(TextLine(WeatherWordText(GameState.Weather[n])));
  }
  InterveneGuage->SetProgress(InterventionChance(GameState.Nations[TNation::Britain].Attitude));
  InternationalGuage->SetProgress(GameState.Nations[TNation::Confederacy].WarScore / 10);
  USAPrestigeGuage->SetProgress(Prestige(TNation::Union));
  CSAPrestigeGuage->SetProgress(Prestige(TNation::Confederacy));
}

void ShowConditions() {
  RunOrderDialog<TCondition>(1, {.hourglass_while_building = false, .arrow_when_shown = false});
}
