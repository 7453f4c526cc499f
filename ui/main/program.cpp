#include "ui/main/program.h"

#include "platform/dialogs/message_dialog.h"
#include "platform/forms/application.h"
#include "ui/main/main_form.h"
#include "ui/main/window_port.h"

int RunMainWindow(const std::filesystem::path& game_folder) {
  TGMRSDI window(game_folder);
  TWindowPort port(window);
  GameWindow* previous = InstallGameWindow(&port);
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
  InstallGameWindow(previous);
  return exit_code;
}
