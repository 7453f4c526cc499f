#pragma once
// The invariants that compare the game with how it stood at the last check:
// no corps moved but by the steps it records (a corps on a train or aboard a
// fleet goes where it is carried); no army raised by the computer with more
// than six corps; no plan record that no operation uses ever written.
#include <array>
#include <vector>

#include "support/record_rules.h"
#include "world/game_state.h"

class TurnMemory {
 public:
  // Takes the game as it stands as the first look.
  TurnMemory();
  // Adds what broke since the last look, and takes this one as the last.
  void Check(Findings& findings);

 private:
  struct CorpsLook {
    bool active = false;
    bool carried = false;
    int identity = 0;  // nation, ordinal and commander: a freed slot may be taken by another corps
    int x = 0;
    int y = 0;
    std::array<int, 9> steps{};
  };
  struct ArmyLook {
    int nation = 0;
    int ordinal = 0;
  };

  void CheckMarches(Findings& findings) const;
  void CheckNewArmies(Findings& findings) const;
  void CheckUnusedPlans(Findings& findings) const;
  void Look();

  int date_ = 0;
  std::vector<CorpsLook> corps_;
  std::vector<ArmyLook> armies_;
  std::vector<TAiPlan> unusedPlans_;
};
