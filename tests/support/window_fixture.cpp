#include "support/window_fixture.h"

#include <stdlib.h>

#include "world/vardecl.h"

namespace {

constexpr int kPlaceholderTexts = 800;

}  // namespace

void WindowTest::SetUp() {
  WorldTest::SetUp();
  // Table tests call SetUp again for each row: a row gets the test's folder
  // emptied, and TearDown still puts back what was installed before the test
  // and removes the one folder it made.
  GameWindow* const installed_window = InstallGameWindow(&window);
  BattleViews* const installed_views = InstallBattleViews(&battleViews);
  ViewLeft = ViewTop = 1;
  SoundEnabled = false;
  TextTable.clear();
  for (int n = 0; n < kPlaceholderTexts; ++n) TextTable.push_back("text " + std::to_string(n));
  if (!folder_.empty()) {
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
      std::filesystem::remove_all(entry.path());
    return;
  }
  previous_window_ = installed_window;
  previous_battle_views_ = installed_views;
  std::string pattern = (std::filesystem::temp_directory_path() / "graymarch-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  folder_ = pattern;
}

void WindowTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
  folder_.clear();
  InstallBattleViews(previous_battle_views_);
  InstallGameWindow(previous_window_);
  WorldTest::TearDown();
}
