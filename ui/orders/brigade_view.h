#pragma once
// TViewBrgd: the brigades of the current corps, one row each, up to ten (a
// corps holds no more). A brigade short of men may be reinforced from its
// home state's recruits, and any brigade re-armed through the weapon dialog.
#include <array>
#include <vector>

#include "platform/controls/button.h"
#include "ui/orders/order_form.h"
#include "widgets/graphic_button.h"

// Only pointers here: the platform's check box header and the control set's
// check items each declare a TCheckBoxState, so one unit cannot hold both.
class TCheckBox;

class TViewBrgd : public TOrderForm {
 public:
  static constexpr int kRows = 10;
  // One over each column but the weapon button's: brigade, arm, quality, men,
  // reinforce, pool and weapon.
  static constexpr int kHeadings = 7;

  // The controls of one row; row r holds CheckBox r and Button r and the
  // numbered labels of the design.
  struct BrigadeRow {
    TLabel* Id;
    TLabel* Arm;
    TLabel* Quality;
    TLabel* Strength;
    TCheckBox* Reinforce;
    TLabel* Pool;
    TLabel* Weapon;
    TButton* Rearm;

    std::array<TControl*, 8> Controls() const;
  };

  TViewBrgd();

  void Fill();
  // Button1Click .. Button10Click and CheckBox1Click .. CheckBox10Click: the
  // same handler for every row, row 1..10.
  void ButtonClick(int row);
  void CheckBoxClick(int row);

  // The design's one header label heads the brigade column; each other
  // heading of its text stands over its own column.
  std::vector<TLabel*> Headings;
  TLabel* Label1;
  std::array<BrigadeRow, kRows> Rows;
  TKxGraphicButton* Button11;

 private:
  void ShowBrigade(int row, int brigade);
  void ShowStrengthAndPool(int row);

  std::array<int, kRows> BrigadeRowTable{};  // the brigade of each row, 0 for none
};
