#include "world/mail_handover.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "world/file_io.h"
#include "world/game_window.h"
#include "world/play_modes.h"
#include "world/save_load.h"
#include "world/save_names.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kYes = 1;
constexpr int kNo = 2;
constexpr int kReplaceTheSavedGameText = 732;
constexpr int kWithTheGameInPlayText = 733;
constexpr int kStartFileRefusedText = 734;

bool PlayerConfirmsHandOver() {
  ClearEventMessage();
  EventMessage.Line1 = "Ready to end turn and";
  EventMessage.Line2 = "send game to opponent?";
  OfferYesAndNo();
  ShowEventMessage();
  return EventMessage.Choice == kYes;
}

constexpr std::size_t kLineLength = decltype(TEventMessage::Line2)::Capacity;
constexpr std::string_view kLeftOut = "...";

bool InsideACharacter(std::string_view text, std::size_t at) {
  return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

// The saved game's name on the question's lines, for the player to check
// which game is replaced: whole on one line when it fits; else its start on
// one and the rest on the next, which loses its own start to "..." when the
// line cannot hold it, so that the name's start and its end can both be read.
// A name's UTF-8 characters are never split.
std::array<std::string, 2> NameOnLines(std::string_view name) {
  if (name.size() <= kLineLength) return {std::string(name), ""};
  std::size_t cut = kLineLength;
  while (InsideACharacter(name, cut)) --cut;
  std::string_view start = name.substr(0, cut);
  std::string_view rest = name.substr(cut);
  // Broken between words, the name reads as one wrapped, not cut.
  if (const std::size_t space = name.rfind(' ', cut);
      space != std::string_view::npos && space >= cut / 2) {
    start = name.substr(0, space);
    rest = name.substr(space + 1);
  }
  if (rest.size() <= kLineLength) return {std::string(start), std::string(rest)};
  std::size_t tail = rest.size() - (kLineLength - kLeftOut.size());
  while (InsideACharacter(rest, tail)) ++tail;
  return {std::string(start), std::string(kLeftOut) + std::string(rest.substr(tail))};
}

bool PlayerAllowsReplacing(const std::string& saved_game) {
  ClearEventMessage();
  EventMessage.Line1 = TextLine(kReplaceTheSavedGameText);
  const auto [start, rest] = NameOnLines(saved_game);
  EventMessage.Line2 = start;
  if (rest.empty()) {
    EventMessage.Line3 = TextLine(kWithTheGameInPlayText);
  } else {
    EventMessage.Line3 = rest;
    EventMessage.Line4 = TextLine(kWithTheGameInPlayText);
  }
  OfferYesAndNo();
  // A slightly missed click must not cost a saved game: OK alone keeps it.
  EventMessage.Choice = kNo;
  ShowEventMessage();
  return EventMessage.Choice == kYes;
}

// The name of the game to save, its extension left off and spelt as the saved
// game it replaces is, or nothing when the player cancels. The dialog opens
// on `proposed`, which keeps the name last chosen; a name the game must not or
// the player will not save under opens the dialog again on that name, for the
// player to change it.
std::optional<std::string> AskNameToSaveUnder(std::string& proposed) {
  for (;;) {
    const auto chosen = Window().AskGameFileToSave(proposed);
    if (!chosen) return std::nullopt;
    proposed = *chosen;
    const std::string name = NameWithoutExtension(*chosen);
    const std::string file = std::filesystem::path(*chosen).filename().string();
    if (std::filesystem::path(name).filename().empty()) {
      Window().ShowMessage("The game was not saved: " + *chosen + " names no file.");
    } else if (IsStartFileName(name)) {
      Window().ShowMessage(file + TextLine(kStartFileRefusedText));
    } else if (const auto replaced = SavedGameReplaced(name);
               !replaced || PlayerAllowsReplacing(*replaced)) {
      return NameAsSpeltOnDisk(name);
    }
  }
}

void PassMoveToOpponent() {
  GameState.PlayMode =
      GameState.PlayMode == TPlayMode::MailSetUp ? TPlayMode::MailToSend : TPlayMode::MailReceived;
  GameState.MailSide = GameState.MailSide >= 2 ? 1 : GameState.MailSide + 1;
  MailHandOverDone = true;
}

// The opponent replays the battles of this turn from the battle file, which
// ends with the turn's last line, once however often the turn is saved. A
// mail turn goes with its battle file, one set with the game's own files,
// and the move passes only with the files that carry it: a game the system
// refuses to save leaves the move, and every file on disk, where it was, to
// be offered again with the next name. The battle file keeps the spelling of
// the one it replaces, as the game's files do; a new one takes the name's.
bool SaveMailTurn(const std::string& name) {
  if (BattleLog.empty() || BattleLog.back() != "TurnOver") BattleLog.emplace_back("TurnOver");
  const std::vector<std::uint8_t> battles = TextOfLines(BattleLog);
  const FileToWrite battle_file{SpellingOnDisk(name + ".BTL"), battles};
  const auto mode = GameState.PlayMode;
  const auto side = GameState.MailSide;
  const bool handed_over = !MailHandOverDone && PlayerConfirmsHandOver();
  if (handed_over) PassMoveToOpponent();
  if (SaveGame(name, {&battle_file, 1})) return true;
  if (handed_over) {
    GameState.PlayMode = mode;
    GameState.MailSide = side;
    MailHandOverDone = false;
  }
  return false;
}

}  // namespace

void SaveGameDialog() {
  Window().SetCursor(WindowCursor::Default);
  std::string proposed = ProposedSaveName();
  // A save the system refuses has told the player why; the dialog opens again
  // on the name, for the player to change it or cancel.
  for (;;) {
    const auto name = AskNameToSaveUnder(proposed);
    if (!name) return;
    const bool mail = GameState.PlayMode >= TPlayMode::MailSetUp;
    if (mail ? SaveMailTurn(*name) : SaveGame(*name)) {
      SavedGameName = *name;
      return;
    }
  }
}
