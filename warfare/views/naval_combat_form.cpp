#include "warfare/views/naval_combat_form.h"

#include <string>

#include "platform/input/key_codes.h"
#include "world/text_table.h"

namespace {

// Side 1's and side 2's labels of ships by type, and of ships sunk.
constexpr int kShipLabels[3][2] = {{6, 7}, {8, 9}, {10, 11}};
constexpr int kSunkLabels[3][2] = {{27, 31}, {28, 32}, {29, 33}};
constexpr int kWorksLostLabels[2] = {26, 30};

std::string CountText(int count) {
  return count == 0 ? std::string() : std::to_string(count);
}

}  // namespace

TFleetCbt::TFleetCbt(const NavalCombatView& view) : TOrderForm("TFleetCbt", 440, 320) {
  SetCaption(TextLine(596));
  // An empty caption and a count of 0 are not shown.
  const auto shown = [this](int number, int left, int top, int width, const std::string& text) {
    TLabel* label = AddLabel(this, Numbered("Label", number), left, top, width, 18);
    label->SetCaption(text);
    label->SetVisible(!text.empty());
  };
  shown(1, 14, 14, 412, view.place);
  shown(12, 14, 32, 412, view.cityHeading);
  for (int s = 0; s < 2; ++s) {
    const int left = 150 + 140 * s;
    shown(2 + s, left, 50, 136, view.sides[s]);
    shown(39 + s, left, 70, 136, view.fleets[s]);
    shown(4 + s, left, 92, 66, view.cityWorks[s]);
    shown(kWorksLostLabels[s], left + 70, 92, 60, CountText(view.worksLost[s]));
    for (int t = 0; t < 3; ++t) {
      const int top = 114 + 22 * t;
      shown(kShipLabels[t][s], left, top, 60, CountText(view.ships[s][t]));
      shown(kSunkLabels[t][s], left + 70, top, 60, CountText(view.sunk[s][t]));
    }
  }
  for (int t = 0; t < 3; ++t) shown(13 + t, 12, 114 + 22 * t, 134, view.columnHeadings[t]);
  for (int k = 0; k < 3; ++k) shown(34 + k, 12, 190 + 20 * k, 416, view.lostCorps[k]);
  Button1 = AddControl<TKxGraphicButton>("Button1", 170, 278, 100, 30);
  Button1->SetCaption(TextLine(66));
  Button1->SetModalResult(mrOk);
  // The form has nothing that takes the keyboard, and its graphic button no
  // keys of its own: the form answers Enter and Escape for it.
  OnKeyDown = [this](TComponent*, int& key, TShiftState) {
    if (key == VK_RETURN || key == VK_ESCAPE) Button1->Click();
  };
}
