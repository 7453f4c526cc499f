#include "world/text_notices.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "world/game_window.h"
#include "world/text_table.h"
#include "world/vardecl.h"

void FillTextNotice(int kind, std::initializer_list<int> texts) {
  ClearEventMessage();
  EventMessage.Kind = static_cast<std::uint16_t>(kind);
  Str<40>* const lines[] = {&EventMessage.Line1, &EventMessage.Line2, &EventMessage.Line3,
                            &EventMessage.Line4};
  std::size_t line = 0;
  for (int text : texts) {
    if (line == std::size(lines)) break;
    *lines[line++] = TextLine(text);
  }
}

void OfferTwoOptions(int first, int second) {
  EventOptions[1].Present = EventOptions[2].Present = 1;
  EventOptions[1].Text = TextLine(first);
  EventOptions[2].Text = TextLine(second);
}
