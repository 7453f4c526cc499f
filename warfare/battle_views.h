#pragma once
// What the battle rules show the players and ask them, as plain records: the
// battle dialogs implement this interface and only show and answer, while
// tests and the headless turn runner install a RecordingBattleViews. The rules
// fill every caption, so a battle reads the same on a screen and without one.
#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// The battle form as the set-up leaves it, before either side has chosen.
struct BattleForm {
  std::string location;
  std::string terrain;
  std::string weather;
  std::string unionCommander;
  std::string confedCommander;
  // Which sides choose their intensity themselves (entry 0 side 1, entry 1 side 2).
  std::array<bool, 2> choosesIntensity{};
  bool executeEnabled = false;
};

// One corps row of the intensity dialog; a value the side cannot see is "???".
struct IntensityRow {
  std::string leader;
  std::string brigades;
  std::string troops;
  std::string artillery;
};

// The intensity dialog of one side.
struct IntensityView {
  int side = 0;
  std::string leftHeader;
  std::string rightHeader;
  // Entry k - 1 tells whether level k may be chosen; level 1 always may.
  std::array<bool, 5> offered{};
  // Side 1's corps on the left, side 2's on the right, at most ten each.
  std::array<std::vector<IntensityRow>, 2> columns;
};

// The leader-casualty dialog: one line per candidate, leaders[k] on line k + 1.
struct LeaderChoiceView {
  int requiredClass = 0;
  std::vector<std::string> lines;
  std::vector<int> leaders;
};

// One row of the battle analysis: its caption and the figure of each side.
struct AnalysisRow {
  std::string caption;
  std::array<std::string, 2> figures;
};

// The analysis the results form opens: what the factors of the battle just
// fought led each side to expect, against what happened.
struct BattleAnalysis {
  std::array<std::string, 2> titles;
  std::vector<AnalysisRow> rows;
  std::string outcome;
};

// One corps row of the results form.
struct ResultsRow {
  std::string leader;
  std::string brigades;  // "brigades/engaged"
  std::string casualties;
  std::string disorder;
};

// Everything the results form shows, as the battle file records it.
struct BattleResults {
  std::string initiative;
  std::string intensity;
  std::array<std::string, 2> commanders;
  std::array<std::string, 2> losses;
  // Side 1's rows, then side 2's, at most ten each.
  std::array<std::vector<ResultsRow>, 2> rows;
  std::string result;
  std::string weapons;
  // Behind the form's analysis button.
  BattleAnalysis analysis;
};

// The assault form: the forces on both sides of the works, and what each step
// of the assault achieved.
struct AssaultForm {
  std::string caption;
  std::string title;
  // The force lines of the works, the garrison's men and guns, the defending
  // guns, the attackers' men and guns and their ships, in that order; a line
  // of a force that is absent stays empty and is not shown.
  std::array<std::string, 7> forces;
  // Empty while the step has not been fought.
  std::string bombardment;
  std::string storm;
  // Only OK remains once the assault is over; until then, Execute.
  bool over = false;
};

// The naval engagement form. Entry 0 of each pair is side 1, entry 1 side 2;
// ships are counted by TShipType (index type - 1), sound and damaged together.
// An empty caption and a count of 0 are not shown.
struct NavalCombatView {
  std::string place;
  std::array<std::string, 2> sides;
  std::array<std::string, 2> fleets;
  std::array<std::string, 3> columnHeadings;
  std::string cityHeading;
  // The city's works and guns ("4-6") on its camp's side.
  std::array<std::string, 2> cityWorks;
  std::array<std::array<int, 3>, 2> ships{};
  std::array<std::array<int, 3>, 2> sunk{};
  std::array<int, 2> worksLost{};
  // The three lines telling of a corps lost with its fleet.
  std::array<std::string, 3> lostCorps;
};

// Each side lists at most ten corps; past ten, the tenth row shows the side's
// last corps.
inline constexpr std::size_t kCorpsRowsPerSide = 10;

template <typename Row>
void AddCorpsRow(std::vector<Row>& column, Row row) {
  if (column.size() == kCorpsRowsPerSide) column.pop_back();
  column.push_back(std::move(row));
}

// What the battle form's buttons set going: the rules of the battle behind it.
class BattleControls {
 public:
  virtual ~BattleControls() = default;
  // Asks the side its intensity (through ChooseIntensity) and keeps it.
  virtual void SetIntensity(int side) = 0;
  // Fights the battle and shows its results.
  virtual void Execute() = 0;
};

class BattleViews {
 public:
  virtual ~BattleViews() = default;

  // The battle form once it is set up. Its intensity buttons and its Execute
  // act through `controls`; it returns once the battle has been fought, so
  // what the fight shows opens over the form.
  virtual void ShowBattle(const BattleForm& form, BattleControls& controls) = 0;
  // The level one side chooses, 1..5; any level not offered counts as 1.
  virtual int ChooseIntensity(const IntensityView& view) = 0;
  // The line (1..count) of the chosen successor; 0 when the player chose none.
  // The dialog lets no one leave a non-empty list without choosing.
  virtual int ChooseLeader(const LeaderChoiceView& view) = 0;
  virtual void ShowResults(const BattleResults& results) = 0;
  // Shows the assault form as it stands and returns when the player presses
  // its one button: Execute while the assault goes on, OK once it is over.
  virtual void ShowAssault(const AssaultForm& form) = 0;
  // The naval engagement once fought, before the notices of the fleets sunk.
  virtual void ShowNavalCombat(const NavalCombatView& view) = 0;
};

// The views the battle rules talk to. Asking before any are installed is a
// programming error and throws std::logic_error.
BattleViews& BattleView();
// Installs views (or none); returns the ones they replace.
BattleViews* InstallBattleViews(BattleViews* views);
