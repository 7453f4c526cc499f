#include "ui/main/program.h"

#include "platform/dialogs/message_dialog.h"
#include "platform/forms/application.h"
#include "ui/battles/dialog_battle_views.h"
#include "ui/main/main_form.h"
#include "ui/main/window_port.h"

int RunMainWindow(const std::filesystem::path& game_folder) {
  TGMRSDI window(game_folder);
  TWindowPort port(window);
  GameWindow* previous = InstallGameWindow(&port);
  DialogBattleViews battle_views;
  BattleViews* previous_battle_views = InstallBattleViews(&battle_views);
  const std::string problem = window.FormCreate();
  int exit_code = 0;
  if (problem.empty()) {
    Application.SetMainForm(&window);
    Application.Run();
    Application.SetMainForm(nullptr);
  } else {
    MessageDlg(problem, TMsgDlgType::mtWarning, mbOK);
    exit_code = 1;
  }
  InstallBattleViews(previous_battle_views);
  InstallGameWindow(previous);
  return exit_code;
}
