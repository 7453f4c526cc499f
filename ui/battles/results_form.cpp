#include "ui/battles/results_form.h"

#include <array>
#include <string>

#include "world/text_table.h"

namespace {

constexpr int kAnalysisCaptionWidth = 196;
constexpr int kAnalysisFigureWidth = 72;

// The analysis rows as the rules list them: the caption labels of side 1 and
// side 2, then their figure labels.
struct AnalysisLabels {
  std::array<int, 2> captions;
  std::array<int, 2> figures;
};
constexpr AnalysisLabels kAnalysisLabels[] = {
    {{1, 17}, {31, 45}},  {{3, 18}, {32, 46}},  {{59, 60}, {61, 62}}, {{2, 20}, {34, 48}},
    {{5, 21}, {35, 49}},  {{6, 23}, {37, 51}},  {{7, 24}, {38, 52}},  {{13, 28}, {42, 56}},
    {{14, 29}, {43, 57}}, {{15, 30}, {44, 58}}, {{4, 8}, {9, 10}},    {{12, 19}, {22, 25}},
    {{26, 27}, {33, 36}},
};

}  // namespace

TResolv::TResolv(const BattleResults& results)
    : TBattleResultsLayout("TResolv"), analysis_(results.analysis) {
  SetCaption(TextLine(663));
  for (int side = 0; side < 2; ++side) {
    const auto& rows = results.rows[side];
    for (std::size_t r = 0; r < rows.size() && r < kRows; ++r)
      ShowRow(side, static_cast<int>(r),
              {rows[r].leader, rows[r].brigades, rows[r].casualties, rows[r].disorder});
    ShowSideTotals(side, results.commanders[side], results.losses[side]);
  }
  ShowBattleLines(results.initiative, results.intensity, results.result, results.weapons);
  // The analysis and OK side by side, centred under the lines.
  constexpr int kButtonWidth = 110;
  constexpr int kButtonGap = 20;
  const int left = CentredLeft(2 * kButtonWidth + kButtonGap);
  Button1 = AddControl<TKxGraphicButton>("Button1", left, 356, kButtonWidth, 30);
  Button1->SetCaption(TextLine(667));
  Button1->OnClick = [this](TComponent*) { Button1Click(); };
  Button2 = AddControl<TKxGraphicButton>("Button2", left + kButtonWidth + kButtonGap, 356,
                                         kButtonWidth, 30);
  Button2->SetCaption(TextLine(66));
  Button2->SetModalResult(mrOk);
}

// The analysis can be seen once; the results stay up behind it.
void TResolv::Button1Click() {
  TBattleAnalysis(analysis_).ShowModal();
  Button1->SetEnabled(false);
}

// The analysis takes the results' place at their size and in their halves,
// so that none of the results shows round its edges while it is up.
TBattleAnalysis::TBattleAnalysis(const BattleAnalysis& analysis)
    : TOrderForm("TBattleAnalysis", TBattleResultsLayout::kWidth, TBattleResultsLayout::kHeight) {
  SetCaption("Analysis");
  for (int side = 0; side < 2; ++side) {
    const int left = TBattleResultsLayout::kHalfLeft[side];
    AddLabel(this, Numbered("Label", side == 0 ? 11 : 16), left, 6,
             TBattleResultsLayout::kHalfWidth, 18)
        ->SetCaption(analysis.titles[side]);
    for (std::size_t r = 0; r < analysis.rows.size() && r < std::size(kAnalysisLabels); ++r) {
      const int top = 28 + 18 * static_cast<int>(r);
      const AnalysisLabels& labels = kAnalysisLabels[r];
      AddLabel(this, Numbered("Label", labels.captions[side]), left, top, kAnalysisCaptionWidth, 17)
          ->SetCaption(analysis.rows[r].caption);
      AddLabel(this, Numbered("Label", labels.figures[side]), left + kAnalysisCaptionWidth + 2, top,
               kAnalysisFigureWidth, 17)
          ->SetCaption(analysis.rows[r].figures[side]);
    }
  }
  AddLabel(this, "Label39", TBattleResultsLayout::kMargin, 290,
           TBattleResultsLayout::kWidth - 2 * TBattleResultsLayout::kMargin, 18)
      ->SetCaption(analysis.outcome);
  Button1 =
      AddControl<TKxGraphicButton>("Button1", TBattleResultsLayout::CentredLeft(100), 356, 100, 30);
  Button1->SetCaption(TextLine(477));
  Button1->SetModalResult(mrOk);
}
