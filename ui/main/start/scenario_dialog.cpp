#include "ui/main/start/scenario_dialog.h"

#include <string>

#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
constexpr int kGroupText = 607;
constexpr int kFirstChoiceText = 608;
constexpr int kFormText = 612;
constexpr int kRowHeight = 22;
}  // namespace

TIntro_Load::TIntro_Load() {
  SetName("Intro_Load");
  BorderIcons = 0;
  Position = TPosition::poScreenCenter;
  SetColor(clSilver);
  SetClientSize(237, 127);
  SetCaption(TextLine(kFormText));
  GroupBox1 = AddControl<TGroupBox>("GroupBox1", 8, 4, 221, 92);
  GroupBox1->SetCaption(TextLine(kGroupText));
  TRadioButton** buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
  for (int choice = kChose1861; choice <= kChoseSavedGame; ++choice) {
    auto* button = new TRadioButton(this);
    button->SetName("RadioButton" + std::to_string(choice));
    button->SetParent(GroupBox1);
    button->SetBounds(8, 14 + (choice - 1) * (kRowHeight - 4), 205, 17);
    button->SetCaption(TextLine(kFirstChoiceText + choice - 1));
    button->OnClick = [choice](TComponent*) { EventMessage.Choice = static_cast<std::uint16_t>(choice); };
    *buttons[choice - 1] = button;
  }
  Button1 = AddControl<TButton>("Button1", 81, 99, 75, 25);
  Button1->SetCaption("Continue");
  Button1->SetModalResult(mrOk);
}

void ShowScenarioChoice() {
  TIntro_Load form;
  EventMessage.Choice = kChoseNothing;
  form.ShowModal();
}
