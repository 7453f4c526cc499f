#include "ui/main/start/start_sequence.h"

#include "platform/forms/application.h"
#include "ui/main/start/scenario_dialog.h"
#include "ui/main/start/side_select.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/file_io.h"
#include "world/game_date.h"
#include "world/game_window.h"
#include "world/menu_states.h"
#include "world/save_load.h"
#include "world/vardecl.h"

std::uint16_t FirstTick = 1;

namespace {

constexpr const char* kStartFiles[] = {"1861.gmr", "1862.gmr", "1863.gmr"};

bool LoadStartPoint(const std::filesystem::path& game_folder, int choice) {
  const std::filesystem::path wanted = game_folder / kStartFiles[choice - kChose1861];
  const auto file = FindFileIgnoringCase(wanted);
  if (!LoadGame(file.value_or(wanted).string())) return false;
  if (IsHumanNation(TNation::Union) && IsHumanNation(TNation::Confederacy)) {
    SideChangeClick();
    return true;
  }
  ClearSelections();
  Window().RepaintMap();
  Window().SetCursor(WindowCursor::Default);
  return true;
}

// The load dialog asks for the side to play itself.
bool LoadChosenGame(const std::filesystem::path& game_folder) {
  ShowScenarioChoice();
  const int choice = EventMessage.Choice;
  if (choice >= kChose1861 && choice <= kChose1863) return LoadStartPoint(game_folder, choice);
  return LoadGameDialog();
}

}  // namespace

void StartMenu(const std::filesystem::path& game_folder) {
  GameOverCode = 1;
  while (!LoadChosenGame(game_folder)) {
    // The player closed the window from the desktop: every dialog now answers
    // cancel, and asking again would never end.
    if (Application.Terminated()) return;
  }
  GameOverCode = 0;
  Window().SetPanelCaption(WindowPanel::DatePanel, FormatGameDate());
}
