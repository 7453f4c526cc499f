#include "ui/battles/naval_combat_form.h"

#include <string>

#include "platform/input/key_codes.h"
#include "world/text_table.h"

namespace {

// Side 1's and side 2's labels of ships by type, and of ships sunk.
constexpr int kShipLabels[3][2] = {{6, 7}, {8, 9}, {10, 11}};
constexpr int kSunkLabels[3][2] = {{27, 31}, {28, 32}, {29, 33}};
constexpr int kWorksLostLabels[2] = {26, 30};

// The columns: the sides' names, the three ship types, the harbour's works.
constexpr int kNameLeft = 14;
constexpr int kNameWidth = 100;
constexpr int kTypeLefts[3] = {118, 184, 250};
constexpr int kTypeWidth = 62;
constexpr int kWorksLeft = 316;
constexpr int kWorksWidth = 110;
constexpr int kHeadingTop = 38;
constexpr int kHeadingHeight = 32;
// Each side takes three rows: ships, fleets, losses.
constexpr int kFirstSideTop = 74;
constexpr int kRowPitch = 20;
constexpr int kSidePitch = 66;
constexpr int kLostCorpsTop = 206;
constexpr int kFleetText = 1;

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
    return label;
  };
  shown(1, 14, 14, 412, view.place);
  // The ship types head their columns, the harbour's works-guns head the last
  // one; a one-line heading sits on the lower line of the two.
  for (int t = 0; t < 3; ++t) {
    TLabel* heading = shown(13 + t, kTypeLefts[t], kHeadingTop, kTypeWidth, view.columnHeadings[t]);
    heading->SetHeight(kHeadingHeight);
    heading->SetLayout(TTextLayout::tlBottom);
  }
  TLabel* works = shown(12, kWorksLeft, kHeadingTop, kWorksWidth, view.cityHeading);
  works->SetHeight(kHeadingHeight);
  works->SetWordWrap(true);
  // Each side: its name and ships, its fleets, then what it lost.
  for (int s = 0; s < 2; ++s) {
    const int top = kFirstSideTop + kSidePitch * s;
    shown(2 + s, kNameLeft, top, kNameWidth, view.sides[s]);
    // The fleets' numbers read as a line of their own ("Fleet #3, 17"), on
    // a row with no counts, so a long list runs on under the ship columns.
    shown(39 + s, kNameLeft, top + kRowPitch, kWorksLeft - kNameLeft,
          view.fleets[s].empty() ? view.fleets[s] : TextLine(kFleetText) + view.fleets[s]);
    AddLabel(this, Numbered("SunkCaption", s + 1), kNameLeft, top + 2 * kRowPitch, kNameWidth, 18)
        ->SetCaption("Sunk");
    shown(4 + s, kWorksLeft, top, kWorksWidth, view.cityWorks[s]);
    shown(kWorksLostLabels[s], kWorksLeft, top + 2 * kRowPitch, kWorksWidth,
          CountText(view.worksLost[s]));
    for (int t = 0; t < 3; ++t) {
      shown(kShipLabels[t][s], kTypeLefts[t], top, kTypeWidth, CountText(view.ships[s][t]));
      shown(kSunkLabels[t][s], kTypeLefts[t], top + 2 * kRowPitch, kTypeWidth,
            CountText(view.sunk[s][t]));
    }
  }
  for (int k = 0; k < 3; ++k)
    shown(34 + k, 14, kLostCorpsTop + 18 * k, 412, view.lostCorps[k]);
  Button1 = AddControl<TKxGraphicButton>("Button1", 170, 278, 100, 30);
  Button1->SetCaption(TextLine(66));
  Button1->SetModalResult(mrOk);
  // The form has nothing that takes the keyboard, and its graphic button no
  // keys of its own: the form answers Enter and Escape for it.
  OnKeyDown = [this](TComponent*, int& key, TShiftState) {
    if (key == VK_RETURN || key == VK_ESCAPE) Button1->Click();
  };
}
