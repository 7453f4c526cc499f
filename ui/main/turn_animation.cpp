#include "ui/main/turn_animation.h"

#include "turn/movement_replay.h"
#include "turn/turn_commands.h"
#include "ui/main/main_form.h"
#include "ui/main/map_input.h"
#include "ui/main/replay/replay_dialogs.h"
#include "ui/main/start/delay_form.h"
#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/play_modes.h"
#include "world/received_turn.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kCorpsKindText = 5;  // + TCorps.Kind, for kinds 0..2
constexpr int kLastNamedKind = 2;
constexpr int kOfArmyText = 8;
// The moving unit stands this many hexes right of and below the view's corner.
constexpr int kShownColumnOffset = 8;
constexpr int kShownRowOffset = 4;

int ViewOriginFor(int cursor, int offset) {
  return cursor > offset ? cursor - offset : 1;
}

}  // namespace

std::string MovingCorpsTitle(int corps) {
  const TCorps& record = GameState.Corps[corps];
  std::string title = LeaderName(record.Leader);
  if (record.Kind <= kLastNamedKind) title += TextLine(kCorpsKindText + record.Kind);
  if (IsEntryOf(GameState.Armies, record.Army)) {
    title += TextLine(kOfArmyText) + GameState.Armies[record.Army].Name.str();
  }
  return title;
}

TTurnAnimation::TTurnAnimation(TGMRSDI& window) : window_(window) {}

void TTurnAnimation::Execute() {
  if (ExecuteOrders()) StartTimer();
}

// A replay already running is not started again: the game it keeps aside
// would be the half-replayed one.
void TTurnAnimation::Playback() {
  if (window_.Timer1->Enabled() || !CanPlayBack()) return;
  StartReplay();
  StartTimer();
}

void TTurnAnimation::StartTimer() {
  window_.Timer1->SetInterval(MovementInterval(GameState.MoveDelay));
  window_.Timer1->SetEnabled(true);
}

void TTurnAnimation::Tick() {
  const bool replay = GameState.PlayMode >= TPlayMode::MailReceived;
  const ShowMove show = [this](MovedUnit kind, int unit) { Show(kind, unit); };
  if (replay) {
    RunReplayTick(show);
  } else {
    RunMovementTick(show);
  }
  window_.IdPanel->SetCaption("");
  if (!TurnFinished) return;
  window_.Timer1->SetEnabled(false);
  if (replay) {
    EndReplayedTurn(ShowReplayedBattles);
  } else {
    EndExecutedTurn();
  }
}

void TTurnAnimation::Show(MovedUnit kind, int unit) {
  ViewLeft = static_cast<std::uint16_t>(ViewOriginFor(HexCursorX, kShownColumnOffset));
  ViewTop = static_cast<std::uint16_t>(ViewOriginFor(HexCursorY, kShownRowOffset));
  window_.FormPaint();
  const TPoint at = TMapView::HexPixel(HexCursorX, HexCursorY);
  if (kind == MovedUnit::Corps) {
    window_.MapView().DrawCorpsCounter(unit, at.X, at.Y);
    window_.IdPanel->SetCaption(MovingCorpsTitle(unit));
  } else {
    window_.MapView().DrawFleetCounter(unit, at.X, at.Y);
    window_.IdPanel->SetCaption(FleetTitle(unit));
  }
  window_.BattleMap->Invalidate();
}
