#include "ui/orders/leader_words.h"

#include "world/text_table.h"
#include "world/vardecl.h"

std::string WordOfLine(int line) { return line == 0 ? std::string() : TextLine(line); }

std::string LeaderWord(const TLeader& leader, const RatingWords& words, int hidden_below) {
  if (GameState.ShowLeaderRatings == 0 && leader.Experience < hidden_below)
    return TextLine(words.hidden_line);
  return WordOfLine(BandLine(words.bands, leader.*words.rating));
}
