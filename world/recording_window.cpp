#include "world/recording_window.h"

#include <algorithm>

#include "world/election.h"

namespace {

template <typename Key, typename Value>
std::optional<Value> LastValue(const std::map<Key, Value>& values, Key key) {
  const auto found = values.find(key);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

}  // namespace

void RecordingWindow::ScriptChoices(std::initializer_list<int> choices) {
  choices_.insert(choices_.end(), choices);
}

void RecordingWindow::ScriptFileToOpen(std::optional<std::string> file) {
  files_to_open_.push_back(std::move(file));
}

void RecordingWindow::ScriptFileToSave(std::optional<std::string> file) {
  files_to_save_.push_back(std::move(file));
}

int RecordingWindow::CallCount(std::string_view name) const {
  return static_cast<int>(std::count(calls_.begin(), calls_.end(), name));
}

void RecordingWindow::ForgetRecords() {
  calls_.clear();
  notices_.clear();
  messages_.clear();
  sounds_.clear();
  drawings_.clear();
}

std::optional<bool> RecordingWindow::IsEnabled(WindowCommand command) const {
  return LastValue(enabled_, command);
}

std::optional<bool> RecordingWindow::IsChecked(WindowCommand command) const {
  return LastValue(checked_, command);
}

std::optional<int> RecordingWindow::GaugeValue(WindowGauge gauge) const {
  return LastValue(gauges_, gauge);
}

std::optional<std::string> RecordingWindow::PanelCaption(WindowPanel panel) const {
  return LastValue(panels_, panel);
}

RecordedNotice& RecordingWindow::RecordNotice(const TEventMessage& notice,
                                              const Table<TEventOption, 6>& options) {
  RecordedNotice& record = notices_.emplace_back();
  record.kind = notice.Kind;
  record.lines = {notice.Line1.str(), notice.Line2.str(), notice.Line3.str(), notice.Line4.str()};
  for (int option = 1; option <= options.Count; ++option) {
    if (options[option].Present != 0) record.options[option - 1] = options[option].Text.str();
  }
  return record;
}

// A scripted answer first; otherwise the option checked at the start, as a
// player who only presses OK gets it, or else the first option offered; 0 when
// nothing is offered.
int RecordingWindow::NextChoice(const RecordedNotice& notice, int checked_at_start) {
  if (!choices_.empty()) {
    const int choice = choices_.front();
    choices_.pop_front();
    return choice;
  }
  if (checked_at_start != 0) return checked_at_start;
  const auto first = std::find_if(notice.options.begin(), notice.options.end(),
                                  [](const auto& option) { return option.has_value(); });
  return first == notice.options.end() ? 0 : static_cast<int>(first - notice.options.begin()) + 1;
}

void RecordingWindow::ShowEventMessage(TEventMessage& notice,
                                       const Table<TEventOption, 6>& options) {
  Record("ShowEventMessage");
  RecordedNotice& record = RecordNotice(notice, options);
  if (!NoticeKindHasForm(notice.Kind) || !NoticeKindTakesChoice(notice.Kind)) return;
  record.choice = NextChoice(record, OptionCheckedAtStart(notice, options));
  notice.Choice = static_cast<std::uint16_t>(record.choice);
}

void RecordingWindow::ShowDraftRiotingReport(const TEventMessage& notice) {
  Record("ShowDraftRiotingReport");
  RecordNotice(notice, {});
}

void RecordingWindow::ShowMessage(std::string_view text) {
  Record("ShowMessage");
  messages_.emplace_back(text);
}

void RecordingWindow::RunDialog(const std::function<void()>& player) {
  if (player) player();
}

void RecordingWindow::ShowSetupOptions() {
  Record("ShowSetupOptions");
  RunDialog(OnSetupOptions);
}

void RecordingWindow::ShowElection() {
  Record("ShowElection");
  HoldElection();
  RunDialog(OnElection);
}

void RecordingWindow::ShowPostMortem() {
  Record("ShowPostMortem");
  RunDialog(OnPostMortem);
}

void RecordingWindow::ShowManpowerSettings() {
  Record("ShowManpowerSettings");
  RunDialog(OnManpowerSettings);
}

void RecordingWindow::SideChangeClick() {
  Record("SideChangeClick");
  RunDialog(OnSideChange);
}

std::optional<std::string> RecordingWindow::NextFile(
    std::deque<std::optional<std::string>>& script) {
  if (script.empty()) return std::nullopt;
  std::optional<std::string> file = std::move(script.front());
  script.pop_front();
  return file;
}

std::optional<std::string> RecordingWindow::AskGameFileToOpen() {
  Record("AskGameFileToOpen");
  return NextFile(files_to_open_);
}

std::optional<std::string> RecordingWindow::AskGameFileToSave(const std::string& proposed) {
  Record("AskGameFileToSave");
  proposed_save_names_.push_back(proposed);
  return NextFile(files_to_save_);
}

void RecordingWindow::RepaintMap() {
  Record("RepaintMap");
}

void RecordingWindow::DrawCorpsCounter(int corps, int x, int y) {
  Record("DrawCorpsCounter");
  drawings_.push_back({corps, x, y});
}

void RecordingWindow::DrawBattleMarker(int x, int y) {
  Record("DrawBattleMarker");
  drawings_.push_back({0, x, y});
}

void RecordingWindow::SetCommandEnabled(WindowCommand command, bool enabled) {
  Record("SetCommandEnabled");
  enabled_[command] = enabled;
}

void RecordingWindow::SetCommandChecked(WindowCommand command, bool checked) {
  Record("SetCommandChecked");
  checked_[command] = checked;
}

void RecordingWindow::SetSideChangeCaption(std::string_view caption) {
  Record("SetSideChangeCaption");
  side_change_caption_ = std::string(caption);
}

void RecordingWindow::SetGauge(WindowGauge gauge, int value) {
  Record("SetGauge");
  gauges_[gauge] = value;
}

void RecordingWindow::SetPanelCaption(WindowPanel panel, std::string_view caption) {
  Record("SetPanelCaption");
  panels_[panel] = std::string(caption);
}

void RecordingWindow::SetCursor(WindowCursor cursor) {
  Record("SetCursor");
  cursor_ = cursor;
}

void RecordingWindow::PlaySound(std::string_view file) {
  Record("PlaySound");
  sounds_.emplace_back(file);
}
