#pragma once
// The form of one notice kind: the standard message dialog or one of the
// report forms. All share one pattern: four lines at the left over the form's
// picture, an answer (none, radio-button options, one option or five buttons)
// and a closing button; they differ in picture, caption and layout, which
// come from the kind's row of the notice table.
#include <array>

#include "platform/controls/radio_button.h"
#include "ui/orders/order_form.h"
#include "world/event_message.h"
#include "world/notice_forms.h"
#include "world/table.h"

class TNoticeForm : public TOrderForm {
 public:
  TNoticeForm(const NoticeForm& row, TEventMessage& notice,
              const Table<TEventOption, 6>& options);

  // Shows the form modally and leaves the player's pick in the notice.
  void Run();

  std::array<TLabel*, 4> Lines;          // Label1..Label4
  std::array<TLabel*, 6> OptionLabels;   // Label5..Label10
  std::array<TRadioButton*, 6> Options;  // RadioButton1..RadioButton6
  // Button1 closes the form; of the foreign-affairs form Button1..Button5
  // each closes it with its own answer.
  std::array<TControl*, 5> Buttons{};

 private:
  void AddButtons();
  void FillLines();
  void OfferOptions();
  void OfferButtons();
  void ReadChoice();

  const NoticeForm& row_;
  TEventMessage& notice_;
  const Table<TEventOption, 6>& options_;
};
