#include "world/game_date.h"

#include <array>

#include "world/vardecl.h"

namespace {

constexpr std::array<const char*, 12> kMonthWords = {"Jan ",  "Feb ",  "Mar ",  "Apr ",
                                                     "May ",  "June ", "July ", "Aug ",
                                                     "Sept ", "Oct ",  "Nov ",  "Dec "};

constexpr int kDaysPerTurn = 10;
constexpr int kLastTurnDay = 21;

}  // namespace

std::string FormatGameDate() {
  const int month = GameState.Month;
  std::string date = month >= 1 && month <= 12 ? kMonthWords[month - 1] : "";
  return date + std::to_string(GameState.Day) + " " + std::to_string(GameState.Year);
}

void AdvanceDate() {
  GameState.Day = static_cast<std::uint8_t>(GameState.Day + kDaysPerTurn);
  if (GameState.Day > kLastTurnDay) {
    GameState.Day = 1;
    GameState.Month += 1;
  }
  if (GameState.Month > 12) {
    GameState.Month = 1;
    GameState.Year += 1;
  }
}
