#pragma once
// A blank game with a recording window and recording battle views installed,
// placeholder texts ("text n" for line n) and a fresh folder for the files a
// test writes.
#include <filesystem>
#include <string>

#include "support/world_fixture.h"
#include "warfare/recording_battle_views.h"
#include "world/recording_window.h"

class WindowTest : public WorldTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A path inside the test's own folder.
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  RecordingWindow window;
  RecordingBattleViews battleViews;

 private:
  std::filesystem::path folder_;
  GameWindow* previous_window_ = nullptr;
  BattleViews* previous_battle_views_ = nullptr;
};
