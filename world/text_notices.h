#pragma once
// The pending notice filled from the game's text lines, as the political
// rules, captures and policies tell of themselves.
#include <initializer_list>

// Empties the pending notice, then gives it the kind and, line by line, the
// text lines; it has four lines, and texts past them are left out.
void FillTextNotice(int kind, std::initializer_list<int> texts);
// Offers the player options 1 and 2 of the pending notice, captioned with the
// two text lines.
void OfferTwoOptions(int first, int second);
