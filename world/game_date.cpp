#include "world/game_date.h"

#include <array>

#include "world/vardecl.h"

namespace {

constexpr std::array<const char*, 12> kMonthWords = {"Jan ",  "Feb ",  "Mar ",  "Apr ",
                                                     "May ",  "June ", "July ", "Aug ",
                                                     "Sept ", "Oct ",  "Nov ",  "Dec "};

constexpr int kDaysPerTurn = 10;
constexpr int kLastTurnDay = 21;
constexpr int kMonths = 12;

}  // namespace

std::string FormatGameDate() {
  const int month = GameState.Month;
  std::string date = IsMonth(month) ? kMonthWords[month - 1] : "";
  return date + std::to_string(GameState.Day) + " " + std::to_string(GameState.Year);
}

bool IsTurnDay(int day) {
  return day >= 1 && day <= kLastTurnDay && (day - 1) % kDaysPerTurn == 0;
}

bool IsMonth(int month) {
  return month >= 1 && month <= kMonths;
}

void AdvanceDate() {
  GameState.Day = static_cast<std::uint8_t>(GameState.Day + kDaysPerTurn);
  if (GameState.Day > kLastTurnDay) {
    GameState.Day = 1;
    GameState.Month += 1;
  }
  if (GameState.Month > kMonths) {
    GameState.Month = 1;
    GameState.Year += 1;
  }
}
