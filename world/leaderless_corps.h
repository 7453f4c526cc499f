#pragma once
// A corps that lost its commander gets a successor; without one it joins the
// garrison of its own supply city, and failing that it surrenders. Then each
// nation's territory is tallied for the victory summary and the computer's
// theatre plans.
void ProcessLeaderlessCorps();

// The per-nation sums of city values: in all, and per theatre.
void TallyTerritory();
