#pragma once
// The window of tests and of the headless turn runner: it records every call
// and answers every question from a script, or else by a stated default: the
// option a notice starts on (else its first offered), OK, and "cancel" for
// the file dialogs.
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "world/game_window.h"

struct RecordedNotice {
  int kind = 0;
  std::array<std::string, 4> lines;
  std::array<std::optional<std::string>, 6> options;  // the caption of each offered option
  int choice = 0;                                     // what the player was made to pick
};

struct RecordedDrawing {
  int corps = 0;  // 0 for the battle marker
  int x = 0;
  int y = 0;
};

class RecordingWindow : public GameWindow {
 public:
  // Answers for the next notices whose form takes a pick, in order.
  void ScriptChoices(std::initializer_list<int> choices);
  // Answers for the next open or save dialogs, in order; nothing scripted is a cancel.
  void ScriptFileToOpen(std::optional<std::string> file);
  void ScriptFileToSave(std::optional<std::string> file);

  // Stand-ins for what the player does in the bigger dialogs; empty does
  // nothing. The election is counted before its stand-in runs.
  std::function<void()> OnSetupOptions;
  std::function<void()> OnElection;
  std::function<void()> OnPostMortem;
  std::function<void()> OnManpowerSettings;
  std::function<void()> OnSideChange;

  // Every call, by the interface's name for it, in order.
  const std::vector<std::string>& Calls() const { return calls_; }
  int CallCount(std::string_view name) const;
  // Forgets the calls, notices, messages, sounds and drawings recorded so far;
  // the state of the controls stays, as it does on a screen.
  void ForgetRecords();

  const std::vector<RecordedNotice>& Notices() const { return notices_; }
  const std::vector<std::string>& Messages() const { return messages_; }
  // The name each save dialog opened on, in order.
  const std::vector<std::string>& ProposedSaveNames() const { return proposed_save_names_; }
  const std::vector<std::string>& Sounds() const { return sounds_; }
  const std::vector<RecordedDrawing>& Drawings() const { return drawings_; }

  // The last state the rules gave each control; nothing for one never set.
  std::optional<bool> IsEnabled(WindowCommand command) const;
  std::optional<bool> IsChecked(WindowCommand command) const;
  std::optional<int> GaugeValue(WindowGauge gauge) const;
  std::optional<std::string> PanelCaption(WindowPanel panel) const;
  std::optional<std::string> SideChangeCaption() const { return side_change_caption_; }
  std::optional<WindowCursor> Cursor() const { return cursor_; }

  void ShowEventMessage(TEventMessage& notice, const Table<TEventOption, 6>& options) override;
  void ShowDraftRiotingReport(const TEventMessage& notice) override;
  void ShowMessage(std::string_view text) override;
  void ShowSetupOptions() override;
  void ShowElection() override;
  void ShowPostMortem() override;
  void ShowManpowerSettings() override;
  void SideChangeClick() override;
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
  void Record(std::string_view name) { calls_.emplace_back(name); }
  RecordedNotice& RecordNotice(const TEventMessage& notice, const Table<TEventOption, 6>& options);
  int NextChoice(const RecordedNotice& notice, int checked_at_start);
  static void RunDialog(const std::function<void()>& player);
  static std::optional<std::string> NextFile(std::deque<std::optional<std::string>>& script);

  std::deque<int> choices_;
  std::deque<std::optional<std::string>> files_to_open_;
  std::deque<std::optional<std::string>> files_to_save_;

  std::vector<std::string> calls_;
  std::vector<RecordedNotice> notices_;
  std::vector<std::string> messages_;
  std::vector<std::string> proposed_save_names_;
  std::vector<std::string> sounds_;
  std::vector<RecordedDrawing> drawings_;
  std::map<WindowCommand, bool> enabled_;
  std::map<WindowCommand, bool> checked_;
  std::map<WindowGauge, int> gauges_;
  std::map<WindowPanel, std::string> panels_;
  std::optional<std::string> side_change_caption_;
  std::optional<WindowCursor> cursor_;
};
