#include "ui/main/notices/notice_lines.h"

#include <algorithm>

namespace {

constexpr std::string_view kElided = "...";

int RowsBeyondTheFirst(const std::array<std::vector<std::string>, 4>& rows) {
  int extra = 0;
  for (const auto& line : rows) extra += std::max<int>(0, static_cast<int>(line.size()) - 1);
  return extra;
}

}  // namespace

std::vector<std::string> WrapRows(const TCanvas& measure, std::string_view text, int width) {
  std::vector<std::string> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start + 1;  // a row holds a character at least
    while (end < text.size() && measure.TextWidth(text.substr(start, end + 1 - start)) <= width)
      ++end;
    if (end < text.size() && text[end] != ' ') {
      const std::size_t space = text.rfind(' ', end);
      if (space != std::string_view::npos && space > start) end = space + 1;
    }
    std::string_view row = text.substr(start, end - start);
    row = row.substr(0, row.find_last_not_of(' ') + 1);
    rows.emplace_back(row);
    start = text.find_first_not_of(' ', end);
  }
  return rows;
}

// The more characters kept, the more rows: the most that still fit is found
// by halving the range.
std::string ElideMiddle(const TCanvas& measure, std::string_view text, int width, int rows) {
  const auto keeping = [&](std::size_t kept) {
    const std::size_t tail = kept / 2;
    return std::string(text.substr(0, kept - tail)) + std::string(kElided) +
           std::string(text.substr(text.size() - tail));
  };
  const auto fits = [&](const std::string& candidate) {
    return static_cast<int>(WrapRows(measure, candidate, width).size()) <= rows;
  };
  if (fits(std::string(text))) return std::string(text);
  std::size_t low = 0;             // fits, or nothing fits at all
  std::size_t high = text.size();  // does not fit
  while (high - low > 1) {
    const std::size_t mid = (low + high) / 2;
    (fits(keeping(mid)) ? low : high) = mid;
  }
  return keeping(low);
}

std::array<std::vector<std::string>, 4> FitLines(const TCanvas& measure,
                                                 const std::array<std::string, 4>& lines, int width,
                                                 int spare_rows) {
  std::array<std::vector<std::string>, 4> rows;
  for (int i = 0; i < 4; ++i) rows[i] = WrapRows(measure, lines[i], width);
  for (int extra = RowsBeyondTheFirst(rows); extra > spare_rows; extra = RowsBeyondTheFirst(rows)) {
    const auto longest = std::max_element(
        rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
    const int i = static_cast<int>(longest - rows.begin());
    const int kept = std::max(1, static_cast<int>(longest->size()) - (extra - spare_rows));
    rows[i] = WrapRows(measure, ElideMiddle(measure, lines[i], width, kept), width);
  }
  return rows;
}
