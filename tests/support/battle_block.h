#pragma once
// The lines of one battle as the battles write it to the battle file: the
// engagement, `stray` lines the reader is to pass over, the result header,
// each side's corps rows (cells named after side, cell and row) closed by the
// side's end line, the two result lines ("result", "result 2") and
// "EndOfBattle".
#include <string>
#include <vector>

std::vector<std::string> BattleBlock(const std::string& place, int union_corps,
                                     int confederate_corps, int stray = 0);
