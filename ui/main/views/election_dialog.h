#pragma once
// TElection: the count of November 1864 shown state by state on the election
// map, each state flooded blue or red as it falls, with a pause between states.
#include <functional>

#include "platform/controls/button.h"
#include "ui/orders/order_form.h"
#include "world/election.h"

class TElection : public TOrderForm {
 public:
  // `pause` waits between two states, given the milliseconds.
  explicit TElection(std::function<void(unsigned)> pause);

  void Fill();
  void Button2Click();

  TLabel* Label1;  // the incumbent's votes
  TLabel* Label2;  // the challenger's votes
  TLabel* Label3;
  TLabel* Label4;
  TLabel* Label5;
  TLabel* Label6;  // the state just decided
  TLabel* Label7;  // who carried it
  TButton* Button1;  // Done
  TButton* Button2;  // Election

 private:
  void ShowVerdict(const StateVerdict& verdict);

  std::function<void(unsigned)> pause_;
};

// The pause between states on the platform's clock: the frame is shown and
// the window kept alive while the count waits.
void WaitOnPlatformClock(unsigned ms);

void ShowElection(const std::function<void(unsigned)>& pause = WaitOnPlatformClock);
