#pragma once
// A leader's ratings as the order dialogs put them into words. While the game
// hides ratings, a leader too new to his rank shows a word that tells nothing.
#include <cstdint>
#include <span>
#include <string>

#include "world/force_records.h"
#include "world/word_bands.h"

struct RatingWords {
  std::uint8_t TLeader::*rating;
  std::span<const WordBand> bands;
  int hidden_line;
};

// The word for the rating; empty outside every band.
std::string LeaderWord(const TLeader& leader, const RatingWords& words, int hidden_below);

// The text line's word; empty for line 0, which stands for "no word".
std::string WordOfLine(int line);
