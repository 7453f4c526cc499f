#pragma once
// The form a field battle's results are read on, alike when the battle has
// just been fought and when a mail turn replays it: each side in its half,
// the heading "Corps engaged", under it a heading over each of the four
// columns (commander, brigades/engaged, losses, order), up to ten corps rows,
// then the side's commander and its losses; across the form the initiative,
// intensity, result and captured-weapons lines. Every label but the headings
// starts hidden and shows once it is given its text.
#include <array>
#include <string>

#include "ui/orders/order_form.h"

class TBattleResultsLayout : public TOrderForm {
 public:
  // Wide enough that the longest texts of a half stand clear of each other
  // and of the other half.
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 400;
  static constexpr int kMargin = 12;
  // Each side's half, the right one ending clear of the border.
  static constexpr int kHalfWidth = 300;
  static constexpr int kHalfLeft[2] = {kMargin, kWidth - kMargin - kHalfWidth};
  // A button of this width centred under the form's lines.
  static constexpr int CentredLeft(int width) { return (kWidth - width) / 2; }
  static constexpr int kRows = 10;
  static constexpr int kColumns = 4;
  using Row = std::array<std::string, kColumns>;

 protected:
  explicit TBattleResultsLayout(const std::string& form_class);

  // Side 0 is the Union's half, side 1 the Confederacy's; rows count from 0.
  void ShowRow(int side, int row, const Row& cells);
  void ShowSideTotals(int side, const std::string& commander, const std::string& losses);
  void ShowBattleLines(const std::string& initiative, const std::string& intensity,
                       const std::string& result, const std::string& weapons);

 private:
  struct SideLabels {
    std::array<std::array<TLabel*, kColumns>, kRows> cells;
    TLabel* commander;
    TLabel* losses;
  };
  void AddSide(int side);

  std::array<SideLabels, 2> sides_{};
  std::array<TLabel*, 4> battle_lines_{};
};
