#pragma once
// How boldly a computer nation fights in each theatre: an aggression level
// built from its standing zeal, the balance of strength, supply, the danger to
// its capital and the season, and from it the theatre's posture.

// TNationRec.AiTheatrePosture
namespace TAiPosture {
inline constexpr int Passive = 0;
inline constexpr int Defensive = 1;
inline constexpr int Offensive = 2;
inline constexpr int AllOut = 3;
}  // namespace TAiPosture

// The nation's posture in the theatre; passive for a theatre outside 1..3.
int PostureIn(int nation, int theatre);

// Sets the aggression level, strength balance, theatre score and posture of
// every active theatre; the capital's theatre also answers to the capital's
// danger and is halved in winter, active or not. A theatre that is not active
// keeps its posture.
void UpdateRegionalAggression(int nation);
