#include "support/window_fixture.h"

#include <stdlib.h>

#include "world/vardecl.h"

namespace {

constexpr int kPlaceholderTexts = 800;

}  // namespace

void WindowTest::SetUp() {
  WorldTest::SetUp();
  previous_window_ = InstallGameWindow(&window);
  previous_battle_views_ = InstallBattleViews(&battleViews);
  ViewLeft = ViewTop = 1;
  SoundEnabled = false;
  TextTable.clear();
  for (int n = 0; n < kPlaceholderTexts; ++n) TextTable.push_back("text " + std::to_string(n));
  std::string pattern = (std::filesystem::temp_directory_path() / "graymarch-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  folder_ = pattern;
}

void WindowTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
  InstallBattleViews(previous_battle_views_);
  InstallGameWindow(previous_window_);
  WorldTest::TearDown();
}
