#include "world/weather.h"

#include <algorithm>
#include <type_traits>

#include "world/codes.h"
#include "world/random.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kRows = std::extent_v<decltype(TGameState::WeatherTable), 0>;
constexpr int kColumns = std::extent_v<decltype(TGameState::WeatherTable), 1>;
// The year's second half reuses the spring rows: July reads April's.
constexpr int kLastFirstHalfRow = 5;
constexpr int kSecondHalfShift = 3;

// 0..11, with 0, 1 and 2 twice as likely as the rest: the weather tends to stay.
int WeatherShift() {
  const int r = Random(15);
  return r > 2 ? r - 3 : r;
}

int MonthRow() {
  int row = GameState.Month - 1;
  if (row > kLastFirstHalfRow) row -= kSecondHalfShift;
  return std::clamp(row, 0, kRows - 1);
}

}  // namespace

int WeatherIn(int theatre) {
  return IsEntryOf(GameState.Weather, theatre) ? GameState.Weather[theatre] : 0;
}

void RollWeather() {
  if (GameState.Day % 2 == 0) return;
  for (int theatre = 1; theatre <= GameState.Weather.Count; ++theatre) {
    // A weather code above the table's range, from a damaged file, would read
    // into the next row, or past the table.
    WeatherColumn = static_cast<std::uint16_t>(
        std::min((GameState.Weather[theatre] + WeatherShift()) / 2, kColumns - 1));
    int weather = GameState.WeatherTable[MonthRow()][WeatherColumn];
    // The one table serves all three theatres; two of them read it shifted.
    if (theatre == TTheatre::Mississippi) weather = weather / 2 + 1;
    if (theatre == TTheatre::Seaboard && weather > 1) weather -= 1;
    GameState.Weather[theatre] = static_cast<std::uint16_t>(weather);
  }
}
