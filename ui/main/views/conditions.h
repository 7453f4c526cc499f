#pragma once
// TCondition: the standing of both governments with their states, the war's
// weight abroad, the chance of European intervention and the weather of the
// three theatres.
#include <array>

#include "platform/controls/button.h"
#include "platform/controls/gauge.h"
#include "ui/orders/order_form.h"

class TCondition : public TOrderForm {
 public:
  TCondition();

  void Fill();

  TGauge* USAPrestigeGuage;
  TGauge* CSAPrestigeGuage;
  TGauge* InternationalGuage;
  TGauge* InterveneGuage;
  TButton* Button1;
  // Label(n) is the design's LabelN, 1..10.
  TLabel& Label(int n) const { return *labels_[n]; }

 private:
  std::array<TLabel*, 11> labels_{};
};

// The text line that words a theatre's weather code.
int WeatherWordText(int weather);

// Britain's leaning towards the Union holds intervention off; a grudge (a
// leaning below 0) holds nothing off.
int InterventionChance(int britains_attitude);

void ShowConditions();
