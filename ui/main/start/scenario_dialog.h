#pragma once
// TIntro_Load: the first question of the game, which start point to play or
// whether to load a saved game. The answer is left in EventMessage.Choice.
#include "platform/controls/button.h"
#include "platform/controls/group_box.h"
#include "platform/controls/radio_button.h"
#include "platform/forms/form.h"

// TIntroChoice
inline constexpr int kChoseNothing = 0;
inline constexpr int kChose1861 = 1;
inline constexpr int kChose1863 = 3;
inline constexpr int kChoseSavedGame = 4;

class TIntro_Load : public TForm {
 public:
  TIntro_Load();

  TGroupBox* GroupBox1;
  TRadioButton* RadioButton1;
  TRadioButton* RadioButton2;
  TRadioButton* RadioButton3;
  TRadioButton* RadioButton4;
  TButton* Button1;
};

// Asks with no start point chosen; Continue without a choice leaves kChoseNothing.
void ShowScenarioChoice();
