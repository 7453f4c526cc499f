#pragma once
// Figures the player reads as words: each word stands for a band of values,
// and a value outside every band has no word.
#include <climits>
#include <span>

struct WordBand {
  int first;
  int last;
  int line;  // the text line of the word
};

// The text line of the band holding the value; 0 when none does.
int BandLine(std::span<const WordBand> bands, int value);

// The word of a corps' or an army's readiness, 0 above 100.
int ReadinessWordLine(int readiness);

// The word of a state's political support, 0 above 100.
int SupportWordLine(int loyalty);
