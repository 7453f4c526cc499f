#pragma once
// The figures of a campaign turn by turn, for developers judging how the war
// goes: forces per camp and theatre, each nation's stocks and income, the
// cities each camp holds, the fighting, landings and cotton runs of the turn.
// Most are read from the game after the turn; what the game keeps no tally of
// (landings, cotton runs, the battles of one turn) the watch counts by
// comparing the game between the phases and passes of the turn.
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct TurnFigures {
  struct Forces {
    int brigades = 0;
    int strength = 0;
  };

  int turn = 0;
  std::string date;                                // "1861-05-21"
  std::array<std::array<Forces, 3>, 2> forces{};   // [camp - 1][theatre - 1], brigades in corps and garrisons
  std::array<int, 4> supplies{};                   // [nation - 1], every theatre's stock together
  std::array<int, 4> cotton{};                     // the same
  std::array<int, 4> income{};                     // last month's, of the states the nation controls
  std::array<int, 2> cities{};                     // [camp - 1]
  int fieldBattles = 0;
  int assaults = 0;
  int navalBattles = 0;
  std::array<std::int64_t, 2> casualties{};        // [camp - 1], this turn's
  int landings = 0;
  int cottonRuns = 0;
  std::array<int, 2> fleets{};                     // [camp - 1], afloat
  std::array<int, 4> warScore{};                   // [nation - 1]
  int gameOverCode = 0;

  int Battles() const { return fieldBattles + assaults + navalBattles; }
};

// "1861-05-21": the figures' dates sort as the calendar does.
std::string FiguresDate(int year, int month, int day);

// The most turns in a row the nation's supplies stood at nothing, counting
// the turns up to the end of the given year.
int LongestTurnsWithoutSupplies(const std::vector<TurnFigures>& turns, int nation, int last_year);
// The seasons of campaigning (spring, March to May; summer; autumn, to
// November) that the turns cover from their first month to their last with
// no battle or assault on land, named as "1862 summer".
std::vector<std::string> SeasonsWithoutBattles(const std::vector<TurnFigures>& turns);

// The names of the columns and one turn's row, comma-separated, one line each.
void WriteFiguresHeader(std::ostream& out);
void WriteFiguresRow(std::ostream& out, const TurnFigures& figures);

class RecordingBattleViews;

struct WatchedFigure {
  std::string name;  // "casualties of nation 2"
  std::int64_t value = 0;
};

// Counts what happens in a turn that the game keeps no tally of, and watches
// the stocks and tallies for a wrap. Look() after every phase and pass;
// TakeTurn() at the end of the turn gives the turn's figures and starts the
// next turn's count.
class TurnWatch {
 public:
  explicit TurnWatch(RecordingBattleViews& views);

  void Look();
  TurnFigures TakeTurn(int turn);
  // A tally that fell or a stock that leapt by more than half its range since
  // the last look, one sentence each.
  std::vector<std::string> TakeWraps();

 private:
  void CountArrivals();
  void MarkVoyages();
  void WatchForWraps();

  RecordingBattleViews& views_;
  // Corps aboard a fleet sailing to land them, and the cotton aboard each
  // fleet on a cotton run, when last looked at.
  std::vector<bool> landing_;
  std::vector<int> cottonAboard_;
  std::array<std::int64_t, 4> casualtiesBefore_{};  // [nation - 1]
  std::vector<WatchedFigure> tallies_;
  std::vector<WatchedFigure> stocks_;
  std::vector<std::string> wraps_;
  int landings_ = 0;
  int cottonRuns_ = 0;
};
