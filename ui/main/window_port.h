#pragma once
// The one real GameWindow: what the rules ask of the main window is done on
// the main window's controls, its map view and the platform's dialogs.
#include "ui/main/main_form.h"
#include "world/game_window.h"

class TWindowPort : public GameWindow {
 public:
  explicit TWindowPort(TGMRSDI& window) : window_(window) {}

  void ShowEventMessage(TEventMessage& notice, const Table<TEventOption, 6>& options) override;
  void ShowDraftRiotingReport(const TEventMessage& notice) override;
  void ShowSetupOptions() override;
  void ShowElection() override;
  void ShowPostMortem() override;
  void SideChangeClick() override;
  void ShowManpowerSettings() override;

  void ShowMessage(std::string_view text) override;
  std::optional<std::string> AskGameFileToOpen() override;
  std::optional<std::string> AskGameFileToSave(const std::string& proposed) override;
  void RepaintMap() override;
  void DrawCorpsCounter(int corps, int x, int y) override;
  void DrawBattleMarker(int x, int y) override;
  void SetCommandEnabled(WindowCommand command, bool enabled) override;
  void SetCommandChecked(WindowCommand command, bool checked) override;
  void SetSideChangeCaption(std::string_view caption) override;
  void SetGauge(WindowGauge gauge, int value) override;
  void SetPanelCaption(WindowPanel panel, std::string_view caption) override;
  void SetCursor(WindowCursor cursor) override;
  void PlaySound(std::string_view file) override;

 private:
  std::optional<std::string> ChosenFile(TOpenDialog& dialog);

  TGMRSDI& window_;
};
