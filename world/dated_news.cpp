#include "world/dated_news.h"

#include "world/game_window.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

struct NewsWindow {
  int year;
  int month;
  int firstDay;
  int lastDay;
  int text;
};

constexpr NewsWindow kNews[] = {
    {1861, 8, 0, 7, 709},    {1861, 8, 14, 20, 710},   {1861, 10, 0, 6, 711},
    {1861, 11, 1, 7, 712},   {1861, 11, 21, 255, 713}, {1861, 12, 8, 14, 714},
    {1862, 2, 21, 27, 715},  {1862, 7, 0, 7, 716},     {1862, 7, 8, 14, 717},
    {1862, 7, 25, 255, 718}, {1862, 8, 15, 21, 719},   {1863, 4, 24, 255, 720},
    {1863, 9, 0, 7, 721},
};

}  // namespace

int DatedNewsText(int year, int month, int day) {
  for (const NewsWindow& news : kNews) {
    if (news.year == year && news.month == month && day >= news.firstDay && day <= news.lastDay)
      return news.text;
  }
  return 0;
}

void ShowDatedNews() {
  Window().SetCursor(WindowCursor::Default);
  const int text = DatedNewsText(GameState.Year, GameState.Month, GameState.Day);
  if (text != 0) Window().ShowMessage(TextLine(text));
}
