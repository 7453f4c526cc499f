#pragma once
// The figures a loaded game rebuilds before play: who controls each hex, the
// weather, city control, force totals, readiness and supply links. Each step
// is filled in here as the rule that rebuilds it is written; a step without
// its rule does nothing yet.
#include <span>

struct DerivedStateStep {
  const char* name;
  void (*recompute)();  // nullptr while the rule is not written
};

// The steps in the order they run.
std::span<const DerivedStateStep> DerivedStateSteps();

void RecomputeDerivedState();
