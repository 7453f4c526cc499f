#include "world/game_window.h"

#include <stdexcept>

#include "world/notice_forms.h"
#include "world/text_table.h"
#include "world/vardecl.h"

std::uint16_t ViewLeft = 1;
std::uint16_t ViewTop = 1;
bool SoundEnabled = false;

namespace {

constexpr int kHexPixels = 28;
constexpr int kEvenColumnDrop = 14;

GameWindow* installed_window = nullptr;

}  // namespace

int MapPixelX(int x) {
  return kHexPixels * (x - ViewLeft);
}

int MapPixelY(int x, int y) {
  return kHexPixels * (y - ViewTop) + (x % 2 == 0 ? kEvenColumnDrop : 0);
}

GameWindow& Window() {
  if (installed_window == nullptr)
    throw std::logic_error(
        "no game window is installed: the game installs the main window at start, a test a "
        "recording window");
  return *installed_window;
}

GameWindow* InstallGameWindow(GameWindow* window) {
  GameWindow* previous = installed_window;
  installed_window = window;
  return previous;
}

void SetCommandsEnabled(std::span<const WindowCommand> commands, bool enabled) {
  for (WindowCommand command : commands) Window().SetCommandEnabled(command, enabled);
}

bool NoticeKindHasForm(int kind) {
  return NoticeFormOf(kind) != nullptr;
}

bool NoticeKindTakesChoice(int kind) {
  const NoticeForm* form = NoticeFormOf(kind);
  return form != nullptr && form->answer != NoticeAnswer::kNone;
}

void ClearEventMessage() {
  EventMessage.Kind = 0;
  EventMessage.Choice = 0;
  for (Str<40>* line :
       {&EventMessage.Line1, &EventMessage.Line2, &EventMessage.Line3, &EventMessage.Line4}) {
    *line = "";
  }
  for (int option = 1; option <= EventOptions.Count; ++option) EventOptions[option].Present = 0;
}

void OfferYesAndNo() {
  constexpr int kYesText = 3;
  constexpr int kNoText = 4;
  const int texts[] = {kYesText, kNoText};
  for (int option = 1; option <= 2; ++option) {
    EventOptions[option].Present = 1;
    EventOptions[option].Text = TextLine(texts[option - 1]);
  }
}

int OptionCheckedAtStart(const TEventMessage& notice, const Table<TEventOption, 6>& options) {
  auto offered = [&](int option) {
    return option >= 1 && option <= options.Count && options[option].Present != 0;
  };
  if (offered(notice.Choice)) return notice.Choice;
  return offered(1) ? 1 : 0;
}

void ShowEventMessage() {
  Window().ShowEventMessage(EventMessage, EventOptions);
}
