#pragma once
// The parts of the start-file check and the list they add their findings to.
#include <string>
#include <vector>

#include "world/game_state.h"
#include "world/map_record.h"

class Findings {
 public:
  explicit Findings(const TGameState& game) : game_(game) {}

  void Check(bool sound, const std::string& what) {
    if (!sound) list_.push_back(what);
  }
  // "city 17 (Richmond)" and the like, for the findings' text.
  std::string City(int c) const;
  std::string Corps(int k) const;
  std::string Army(int a) const;
  std::string Leader(int l) const;
  static std::string Brigade(int b) { return "brigade " + std::to_string(b); }
  static std::string Fleet(int f) { return "fleet " + std::to_string(f); }
  static std::string State(int s) { return "state " + std::to_string(s); }
  static std::string Nation(int n) { return "nation " + std::to_string(n); }

  const std::vector<std::string>& List() const { return list_; }

 private:
  const TGameState& game_;
  std::vector<std::string> list_;
};

// The states, cities and fleet kind that more than one part of the check singles out.
inline constexpr int kKentucky = 20;
inline constexpr int kTennessee = 21;
inline constexpr int kIndianapolis = 38;
inline constexpr int kCorinth = 60;
inline constexpr int kNashville = 83;
inline constexpr int kRiverFleet = 2;

inline bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

void CheckHeader(const TGameState& game, Findings& findings);
void CheckRealm(const TGameState& game, Findings& findings);
void CheckCommands(const TGameState& game, Findings& findings);
void CheckBrigades(const TGameState& game, Findings& findings);
void CheckFleets(const TGameState& game, Findings& findings);
void CheckStartMap(const TGameState& game, const TMapRecord& map, Findings& findings);
