#pragma once
// A campaign with every nation in the computer's hands, turn after turn, every
// invariant checked after every phase and the cheap ones after every movement
// pass, and the figures of each turn kept. The game's files (the autosave and
// the checks' saves) go to the working folder; the caller chooses it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/turn_figures.h"
#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "warfare/recording_battle_views.h"
#include "world/recording_window.h"

class CampaignRun {
 public:
  // Installs its own window and battle views for as long as it lives.
  CampaignRun();
  ~CampaignRun();
  CampaignRun(const CampaignRun&) = delete;
  CampaignRun& operator=(const CampaignRun&) = delete;

  // Loads the start file with every nation a computer one; the seed decides
  // the load's draws and each turn's. False when the file does not load.
  bool Start(const std::string& start_file, std::uint32_t seed);
  // One turn; its figures. The turn's broken invariants join Findings().
  TurnFigures PlayTurn();
  // Turns until the game is over or `most` are played (0: no limit); the
  // figures of each, which `after_each` is given as each turn ends.
  std::vector<TurnFigures> PlayTurns(int most,
                                     const std::function<void(const TurnFigures&)>& after_each = {});
  bool Over() const;
  // The messages shown since it began or its last turn; a refused file's reason among them.
  const std::vector<std::string>& Messages() const { return window_.Messages(); }
  // Every broken invariant so far, each headed by the turn and phase.
  const std::vector<std::string>& Findings() const { return findings_; }
  // Who won and how, once the game is over; how it stands otherwise.
  std::string Outcome() const;

 private:
  void Note(const std::string& phase, const std::vector<std::string>& broken);

  RecordingWindow window_;
  RecordingBattleViews views_;
  GameWindow* previous_window_ = nullptr;
  BattleViews* previous_views_ = nullptr;
  std::unique_ptr<TurnInvariants> invariants_;
  std::unique_ptr<TurnWatch> watch_;
  TurnRunner runner_;
  int turn_ = 0;
  std::vector<std::string> findings_;
};
