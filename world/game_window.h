#pragma once
// Everything the rules ask of the main window, its notices and the dialogs they
// open. The rules own this interface; the main window implements it, and tests
// and the headless turn runner install a RecordingWindow instead, so that every
// rule runs without a screen.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "world/event_message.h"
#include "world/table.h"

// Menu items and bottom-bar buttons whose enabled state (and check mark) the rules set.
enum class WindowCommand {
  LoadGame1,
  SaveGame1,
  Execute1,
  Playback1,
  Quit1,
  About1,
  Hidden1,
  Conditions1,
  ForceStatus1,
  Production1,
  Draft1,
  States1,
  Transfers1,
  Leadership1,
  CheckLeaders,
  ForceOverview1,
  FleetOverview1,
  ArmBrigades1,
  RaiseArmy1,
  RaiseCorps1,
  RaiseFleet1,
  CorpsOrders1,
  ArmyOrders1,
  CityOrders1,
  FleetOrders1,
  SpeedButton1,  // execute
  Speedbutton2,  // replay
};

// Gauge1..Gauge3 show the weather of theatres 1..3 (0..100); the turn progress
// gauge runs 0..300.
enum class WindowGauge { Gauge1, Gauge2, Gauge3, TurnProgressGauge };

enum class WindowPanel { DatePanel, IdPanel };

enum class WindowCursor { Default, Hourglass };

class GameWindow {
 public:
  virtual ~GameWindow() = default;

  // Shows the form of the notice's kind modally (the movement timer is held
  // while it is up) and leaves the player's pick in notice.Choice; the option
  // checked at the start is OptionCheckedAtStart's.
  virtual void ShowEventMessage(TEventMessage& notice, const Table<TEventOption, 6>& options) = 0;
  // The draft-riot report: the four lines of the notice, no choice.
  virtual void ShowDraftRiotingReport(const TEventMessage& notice) = 0;
  // The standard message dialog: a text, information type, one OK button.
  virtual void ShowMessage(std::string_view text) = 0;

  // The set-up dialog of a new game; may rewrite the header options of the game.
  virtual void ShowSetupOptions() = 0;
  virtual void ShowElection() = 0;
  // The victory summary; continuing the campaign clears GameOverCode.
  virtual void ShowPostMortem() = 0;
  // The manpower settings dialog of the current human nation.
  virtual void ShowManpowerSettings() = 0;
  // The side-change command: the players choose who gives orders next.
  virtual void SideChangeClick() = 0;

  // The open and save dialogs: the chosen file, or nothing when cancelled.
  // The save dialog opens on the proposed file (a path, possibly empty).
  virtual std::optional<std::string> AskGameFileToOpen() = 0;
  virtual std::optional<std::string> AskGameFileToSave(const std::string& proposed) = 0;

  // Repaints the map view from ViewLeft/ViewTop and the records; rules that
  // move the view to an event set those first.
  virtual void RepaintMap() = 0;
  // Pixel positions of the map view: a corps counter, and the battle marker.
  virtual void DrawCorpsCounter(int corps, int x, int y) = 0;
  virtual void DrawBattleMarker(int x, int y) = 0;

  virtual void SetCommandEnabled(WindowCommand command, bool enabled) = 0;
  // The check mark of a menu item.
  virtual void SetCommandChecked(WindowCommand command, bool checked) = 0;
  virtual void SetSideChangeCaption(std::string_view caption) = 0;
  virtual void SetGauge(WindowGauge gauge, int value) = 0;
  virtual void SetPanelCaption(WindowPanel panel, std::string_view caption) = 0;
  virtual void SetCursor(WindowCursor cursor) = 0;

  // Plays one of the sound files beside the game, without waiting for it.
  virtual void PlaySound(std::string_view file) = 0;
};

// The map view's top-left hex. A rule that shows the player where something
// happened sets it (and HexCursorX/HexCursorY) and then repaints the map.
extern std::uint16_t ViewLeft;
extern std::uint16_t ViewTop;

// The top-left pixel of a hex in the map view from ViewLeft/ViewTop: 28
// pixels a hex, the even columns half a hex lower.
int MapPixelX(int x);
int MapPixelY(int x, int y);

// Set by the main window from its first timer tick on; the rules play their
// sounds only while it is set.
extern bool SoundEnabled;

// The window the rules talk to. Asking before one is installed is a
// programming error and throws std::logic_error.
GameWindow& Window();
// Installs a window (or none); returns the one it replaces.
GameWindow* InstallGameWindow(GameWindow* window);

// Sets every one of the commands alike.
void SetCommandsEnabled(std::span<const WindowCommand> commands, bool enabled);

// Kinds 12, 13, 16 and above 25 have no form: such a notice is shown to no one.
bool NoticeKindHasForm(int kind);
// Whether the form of the kind lets the player pick an option.
bool NoticeKindTakesChoice(int kind);

// Empties the pending notice: kind and choice 0, four empty lines, no option
// offered. Callers fill the notice only after this.
void ClearEventMessage();
// Offers the question's two answers: option 1 yes, option 2 no.
void OfferYesAndNo();
// The option a notice's form starts with checked: the one notice.Choice names
// before the notice is shown, when it is offered, or else option 1 when
// offered; 0 for none. A cleared notice names none, so the game's questions
// start on option 1; one whose first answer is costly names the safe one.
int OptionCheckedAtStart(const TEventMessage& notice, const Table<TEventOption, 6>& options);
// Shows the pending notice; the player's pick is then in EventMessage.Choice.
void ShowEventMessage();
