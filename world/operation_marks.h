#pragma once
// The marks that tie corps, armies, cities and fleets to the computer's
// scripted operations: the Union's are 1 to 7, the Confederacy's 10 to 14,
// and 9 is a landing from the sea, which the Union and the foreign powers
// make. The Confederate operations gather every corps of their camp, the
// foreign powers' too, and only two of them mark the cities they aim at.
inline constexpr int kLandingOperation = 9;

// The phases an operation's plan passes through, kept in its saved record.
namespace TOperationPhase {
inline constexpr int Idle = 0;
inline constexpr int Preparing = 1;
inline constexpr int Gathering = 2;
inline constexpr int Executing = 3;
}  // namespace TOperationPhase

bool IsCorpsMissionOf(int mission, int nation);
bool IsArmyOrderOf(int order, int nation);
bool IsCityOperationMark(int mark);
// Whether plan k of the computer's operations ever stands in the phase.
bool IsPlanPhaseOf(int plan, int phase);

// A loaded file's marks that no operation could have set are cleared, as are
// landing marks on fleets that are not landings: a corps or army with a stray
// mark would wait for an operation that never calls it. Free slots keep theirs.
// A plan in a phase its operation never reaches goes back to idle.
void ClearStrayOperationMarks();
