#include "ui/main/window_port.h"

#include <filesystem>
#include <iterator>

#include "platform/dialogs/message_dialog.h"
#include "platform/forms/screen.h"
#include "platform/services/sound_player.h"
#include "platform/text/cp1252.h"
#include "ui/main/notices/event_notices.h"
#include "ui/main/start/setup_dialog.h"
#include "ui/main/start/side_select.h"
#include "ui/main/views/election_dialog.h"
#include "ui/main/views/victory.h"
#include "ui/orders/order_dialogs.h"

namespace {

namespace fs = std::filesystem;

const char* CommandName(WindowCommand command) {
  static constexpr const char* kNames[] = {
      "LoadGame1",    "SaveGame1",      "Execute1",       "Playback1",    "Quit1",
      "About1",       "Hidden1",        "Conditions1",    "ForceStatus1", "Production1",
      "Draft1",       "States1",        "Transfers1",     "Leadership1",  "CheckLeaders",
      "ForceOverview1", "FleetOverview1", "ArmBrigades1", "RaiseArmy1",   "RaiseCorps1",
      "RaiseFleet1",  "CorpsOrders1",   "ArmyOrders1",    "CityOrders1",  "FleetOrders1",
      "SpeedButton1", "Speedbutton2"};
  static_assert(std::size(kNames) == static_cast<int>(WindowCommand::Speedbutton2) + 1);
  return kNames[static_cast<int>(command)];
}

// The rules' texts are plain ASCII but for the names of files, which are UTF-8
// as on disk; they are shown in the game's own one-byte text. A text that is not
// UTF-8 is taken as one-byte text already.
std::string Shown(std::string_view text) {
  return Cp1252OfUtf8(text).value_or(std::string(text));
}

}  // namespace

void TWindowPort::ShowEventMessage(TEventMessage& notice, const Table<TEventOption, 6>& options) {
  TEventMessage shown = notice;
  for (Str<40>* line : {&shown.Line1, &shown.Line2, &shown.Line3, &shown.Line4}) {
    *line = Shown(line->str());
  }
  ::ShowEventMessage(shown, options, *window_.Timer1);
  notice.Choice = shown.Choice;
}

void TWindowPort::ShowDraftRiotingReport(const TEventMessage& notice) {
  ::ShowDraftRiotingReport(notice);
}

void TWindowPort::ShowSetupOptions() {
  ::ShowSetupOptions();
}

void TWindowPort::ShowElection() {
  ::ShowElection();
}

void TWindowPort::ShowPostMortem() {
  ::ShowPostMortem();
}

void TWindowPort::ShowManpowerSettings() {
  ::ShowManpowerSettings();
}

void TWindowPort::SideChangeClick() {
  ::SideChangeClick();
}

void TWindowPort::ShowMessage(std::string_view text) {
  MessageDlg(Shown(text), TMsgDlgType::mtInformation, mbOK);
}

// The game last opened is offered again only in its own folder: where a save
// has taken the dialog elsewhere, a name from another folder would not open.
std::optional<std::string> TWindowPort::AskGameFileToOpen() {
  TOpenDialog& dialog = *window_.OpenDialog1;
  const fs::path last = dialog.FileName;
  std::error_code unknown;
  if (!dialog.InitialDir.empty() &&
      !fs::equivalent(last, fs::path(dialog.InitialDir) / last.filename(), unknown)) {
    dialog.FileName.clear();
  }
  return ChosenFile(dialog);
}

std::optional<std::string> TWindowPort::AskGameFileToSave(const std::string& proposed) {
  window_.SaveDialog1->FileName = proposed;
  return ChosenFile(*window_.SaveDialog1);
}

// Like the desktop's dialogs, both open where the player last opened or saved
// a file, whichever of them it was: the next load opens where the last save
// went, as a game handed over by mail needs.
std::optional<std::string> TWindowPort::ChosenFile(TOpenDialog& dialog) {
  if (!dialog.Execute()) return std::nullopt;
  const std::string folder = fs::path(dialog.FileName).parent_path().string();
  window_.OpenDialog1->InitialDir = folder;
  window_.SaveDialog1->InitialDir = folder;
  return dialog.FileName;
}

void TWindowPort::RepaintMap() {
  window_.FormPaint();
}

void TWindowPort::DrawCorpsCounter(int corps, int x, int y) {
  window_.MapView().DrawCorpsCounter(corps, x, y);
  window_.BattleMap->Invalidate();
}

void TWindowPort::DrawBattleMarker(int x, int y) {
  window_.MapView().DrawBattleMarker(x, y);
  window_.BattleMap->Invalidate();
}

// A command is a menu item, or a button of the bottom bar.
void TWindowPort::SetCommandEnabled(WindowCommand command, bool enabled) {
  TComponent* component = window_.FindComponent(CommandName(command));
  if (auto* item = dynamic_cast<TMenuItem*>(component)) item->SetEnabled(enabled);
  if (auto* control = dynamic_cast<TControl*>(component)) control->SetEnabled(enabled);
}

// Only menu items carry a check mark.
void TWindowPort::SetCommandChecked(WindowCommand command, bool checked) {
  if (auto* item = dynamic_cast<TMenuItem*>(window_.FindComponent(CommandName(command)))) {
    item->SetChecked(checked);
  }
}

void TWindowPort::SetSideChangeCaption(std::string_view caption) {
  FindOwned<TMenuItem>(window_, "SideChange")->SetCaption(std::string(caption));
}

void TWindowPort::SetGauge(WindowGauge gauge, int value) {
  TGauge* gauges[] = {window_.Gauge1, window_.Gauge2, window_.Gauge3, window_.TurnProgressGauge};
  gauges[static_cast<int>(gauge)]->SetProgress(value);
}

void TWindowPort::SetPanelCaption(WindowPanel panel, std::string_view caption) {
  TPanel* target = panel == WindowPanel::DatePanel ? window_.DatePanel : window_.IdPanel;
  target->SetCaption(std::string(caption));
}

void TWindowPort::SetCursor(WindowCursor cursor) {
  Screen.SetCursor(cursor == WindowCursor::Hourglass ? crHourGlass : crDefault);
}

void TWindowPort::PlaySound(std::string_view file) {
  SoundPlayer().Play(std::string(file));
}
