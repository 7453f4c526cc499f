#pragma once
// TDelayForm: how fast an executed turn is shown. Each of its five buttons
// stores the speed in the game and sets the movement timer's interval at once;
// the dialog has no cancel.
#include <cstdint>

#include "platform/controls/button.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"

// The movement timer's interval for a speed 1..5 (very fast to very slow); the
// design interval of 100 ms for a speed outside them.
unsigned MovementInterval(int move_delay);

class TDelayForm : public TForm {
 public:
  explicit TDelayForm(TTimer& movement_timer);

  TButton* Button1;
  TButton* Button2;
  TButton* Button3;
  TButton* Button4;
  TButton* Button5;

 private:
  void ChooseDelay(int move_delay);

  TTimer& movement_timer_;
};

// Opens the dialog modally over the main window's movement timer.
void ShowDelayForm(TTimer& movement_timer);
