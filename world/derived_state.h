#pragma once
// The figures a loaded game rebuilds before play: who controls each hex, the
// weather, city control, force totals, readiness and supply links.
#include <span>

struct DerivedStateStep {
  const char* name;
  void (*recompute)();
};

// The steps in the order they run.
std::span<const DerivedStateStep> DerivedStateSteps();

void RecomputeDerivedState();
