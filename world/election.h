#pragma once
// The Union's presidential election of November 1864. The count is a rule of
// its own so that a campaign of two computer sides holds its election as a
// played one does; the election dialog only shows it state by state.
#include <functional>
#include <span>

// Where the election map colours a state, in the picture's pixels; a state the
// water cuts in two has a point in each part. Only the states with a point on
// the map take part in the vote.
struct ElectionPoint {
  int X = 0;
  int Y = 0;
};
struct ElectionFillPoint {
  int state = 0;
  ElectionPoint point;
};
std::span<const ElectionFillPoint> ElectionFillPoints();
bool HasElectionFillPoint(int state);

// One state decided, with the running totals after it.
struct StateVerdict {
  int state = 0;
  bool incumbent = true;  // false when the challenger carried it
  int incumbent_votes = 0;
  int challenger_votes = 0;
};

struct ElectionResult {
  int incumbent_votes = 0;
  int challenger_votes = 0;
  // A tie keeps the incumbent.
  bool ChallengerWon() const { return incumbent_votes < challenger_votes; }
};

// Counts the Union's states in order, telling each verdict as it falls; a
// challenger's victory emboldens the South, rallies the Union's states, cools
// Europe and ends the campaign in January 1865 at the latest.
ElectionResult HoldElection(const std::function<void(const StateVerdict&)>& on_state = {});
