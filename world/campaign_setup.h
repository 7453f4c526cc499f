#pragma once
// What the set-up of a new campaign changes in the game: who plays each side,
// the leaders' ratings, the campaign's length, the Confederate capital and
// slavery policy, the chance of European intervention, a leadership advantage
// for a computer side, play by mail and, in early 1861, the two border states.
// The set-up dialog gathers the choices; a headless game passes its own.
#include <array>

enum class LeaderRatings { kHistorical, kSlightVariation, kRandom };

struct TSetupChoices {
  bool kentucky_joins = false;
  bool missouri_joins = false;
  std::array<bool, 2> human = {true, true};  // the Union, the Confederacy
  bool full_campaign = false;                // else the start file's end date
  LeaderRatings ratings = LeaderRatings::kHistorical;
  bool ratings_in_view = false;
  int confederate_capital = 17;           // Richmond; or 24, 58, 62
  int slavery_policy = 0;                 // the Confederacy's PolicyStatus; 0 keeps it
  int intervention_attitude = 60;         // France's and Britain's: 500, 60 or 10
  std::array<int, 2> advantage = {0, 0};  // 0 none, 1 mild, 2 large
  bool by_mail = false;                   // only when both sides are human
};

// The cities the Confederate capital may move to, and the usual seat.
inline constexpr int kRichmond = 17;
inline constexpr int kRaleigh = 24;
inline constexpr int kAtlanta = 58;
inline constexpr int kMontgomery = 62;

// States without a capital city work at their base industry.
void RestoreIndustryOfStatesWithoutCapital();

// Writes the choices into GameState in the set-up's order (the random ratings
// draw leader by leader, each leader's ratings in their record's order). In
// play by mail it starts the battle file; unless both sides are human it
// resets the computer players' operations.
void ApplySetupChoices(const TSetupChoices& choices);

// Clears the limit, counter and phase of the 24 scripted operations.
void InitSidePlanState();
