#pragma once
// TResolv: the results of a field battle, from which the player may open the
// analysis once; TBattleAnalysis: that analysis.
#include "ui/battles/results_layout.h"
#include "ui/orders/order_form.h"
#include "warfare/battle_views.h"
#include "widgets/graphic_button.h"

class TResolv : public TBattleResultsLayout {
 public:
  explicit TResolv(const BattleResults& results);

  void Button1Click();

  TKxGraphicButton* Button1;  // the analysis
  TKxGraphicButton* Button2;  // OK

 private:
  const BattleAnalysis& analysis_;
};

class TBattleAnalysis : public TOrderForm {
 public:
  explicit TBattleAnalysis(const BattleAnalysis& analysis);

  TKxGraphicButton* Button1;
};
