#include "ui/main/start/delay_form.h"

#include <string>

#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kCaptionText = 398;
constexpr int kSpeedTexts[] = {399, 400, 401, 409, 410};
constexpr unsigned kIntervals[] = {100, 200, 300, 600, 1000};
constexpr int kSpeeds = 5;
constexpr int kButtonHeight = 27;

}  // namespace

unsigned MovementInterval(int move_delay) {
  if (move_delay < 1 || move_delay > kSpeeds) return kIntervals[0];
  return kIntervals[move_delay - 1];
}

TDelayForm::TDelayForm(TTimer& movement_timer) : movement_timer_(movement_timer) {
  SetName("DelayForm");
  SetBorderStyle(TFormBorderStyle::bsNone);
  BorderIcons = 0;
  Position = TPosition::poScreenCenter;
  SetClientSize(155, 138);
  SetCaption(TextLine(kCaptionText));
  TButton** buttons[] = {&Button1, &Button2, &Button3, &Button4, &Button5};
  for (int speed = 1; speed <= kSpeeds; ++speed) {
    TButton* button = AddControl<TButton>("Button" + std::to_string(speed), 0,
                                          (speed - 1) * kButtonHeight, 155, kButtonHeight);
    button->SetCaption(TextLine(kSpeedTexts[speed - 1]));
    button->SetModalResult(mrOk);
    button->OnClick = [this, speed](TComponent*) { ChooseDelay(speed); };
    *buttons[speed - 1] = button;
  }
}

void TDelayForm::ChooseDelay(int move_delay) {
  GameState.MoveDelay = static_cast<std::uint16_t>(move_delay);
  movement_timer_.SetInterval(MovementInterval(move_delay));
}

void ShowDelayForm(TTimer& movement_timer) {
  TDelayForm form(movement_timer);
  form.ShowModal();
}
