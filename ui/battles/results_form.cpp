#include "ui/battles/results_form.h"

#include <array>
#include <string>

#include "world/text_table.h"

namespace {

constexpr int kRowHeight = 17;

// The labels of a results row: leader, brigades, casualties and disorder;
// side 1's row r (0-based) is numbered from 3 + r, side 2's from 13 + r.
constexpr std::array<int, 4> kRowLabelBases = {3, 23, 56, 76};
constexpr int kSideOffset = 10;
// A row fits its side's half, the widest word ("In good order") included.
constexpr std::array<int, 4> kCellWidths = {88, 48, 46, 82};
// Each side's half of the form, the right one ending clear of the border.
constexpr int kHalfWidth = 270;
constexpr int kSideLeft[2] = {8, 284};
// The analysis takes the results' place at their size, so that none of the
// results shows round its edges while it is up.
constexpr int kFormWidth = 560;
constexpr int kFormHeight = 400;
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
    : TOrderForm("TResolv", kFormWidth, kFormHeight), analysis_(results.analysis) {
  SetCaption(TextLine(663));
  for (int side = 0; side < 2; ++side) {
    const int left = kSideLeft[side];
    AddLabel(this, Numbered("Label", 1 + side), left, 6, kHalfWidth, 18)->SetCaption(TextLine(664));
    AddLabel(this, Numbered("Label", 54 + side), left, 24, kHalfWidth, 18)
        ->SetCaption(TextLine(665));
    const auto& rows = results.rows[side];
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const std::array<std::string, 4> cells = {rows[r].leader, rows[r].brigades,
                                                rows[r].casualties, rows[r].disorder};
      int x = left;
      for (int cell = 0; cell < 4; ++cell) {
        const int number = kRowLabelBases[cell] + side * kSideOffset + static_cast<int>(r);
        AddLabel(this, Numbered("Label", number), x, 44 + kRowHeight * static_cast<int>(r),
                 kCellWidths[cell], kRowHeight)
            ->SetCaption(cells[cell]);
        x += kCellWidths[cell] + 2;
      }
    }
  }
  AddLabel(this, "Label44", 8, 220, kHalfWidth, 18)->SetCaption(results.commanders[0]);
  AddLabel(this, "Label45", 284, 220, kHalfWidth, 18)->SetCaption(results.commanders[1]);
  AddLabel(this, "Label47", 8, 240, kHalfWidth, 18)->SetCaption(results.losses[0]);
  AddLabel(this, "Label48", 284, 240, kHalfWidth, 18)->SetCaption(results.losses[1]);
  AddLabel(this, "Label43", 8, 264, 544, 18)->SetCaption(results.initiative);
  AddLabel(this, "Label49", 8, 284, 544, 18)->SetCaption(results.intensity);
  AddLabel(this, "Label50", 8, 304, 544, 18)->SetCaption(results.result);
  AddLabel(this, "Label53", 8, 324, 544, 18)->SetCaption(results.weapons);
  Button1 = AddControl<TKxGraphicButton>("Button1", 160, 356, 110, 30);
  Button1->SetCaption(TextLine(667));
  Button1->OnClick = [this](TComponent*) { Button1Click(); };
  Button2 = AddControl<TKxGraphicButton>("Button2", 290, 356, 110, 30);
  Button2->SetCaption(TextLine(66));
  Button2->SetModalResult(mrOk);
}

// The analysis can be seen once; the results stay up behind it.
void TResolv::Button1Click() {
  TBattleAnalysis(analysis_).ShowModal();
  Button1->SetEnabled(false);
}

TBattleAnalysis::TBattleAnalysis(const BattleAnalysis& analysis)
    : TOrderForm("TBattleAnalysis", kFormWidth, kFormHeight) {
  SetCaption("Analysis");
  for (int side = 0; side < 2; ++side) {
    const int left = kSideLeft[side];
    AddLabel(this, Numbered("Label", side == 0 ? 11 : 16), left, 6, kHalfWidth, 18)
        ->SetCaption(analysis.titles[side]);
    for (std::size_t r = 0; r < analysis.rows.size() && r < std::size(kAnalysisLabels); ++r) {
      const int top = 28 + 18 * static_cast<int>(r);
      const AnalysisLabels& labels = kAnalysisLabels[r];
      AddLabel(this, Numbered("Label", labels.captions[side]), left, top, kAnalysisCaptionWidth, 17)
          ->SetCaption(analysis.rows[r].caption);
      AddLabel(this, Numbered("Label", labels.figures[side]), left + kAnalysisCaptionWidth + 2,
               top, kAnalysisFigureWidth, 17)
          ->SetCaption(analysis.rows[r].figures[side]);
    }
  }
  AddLabel(this, "Label39", 8, 290, 544, 18)->SetCaption(analysis.outcome);
  Button1 = AddControl<TKxGraphicButton>("Button1", 230, 356, 100, 30);
  Button1->SetCaption(TextLine(477));
  Button1->SetModalResult(mrOk);
}
