#pragma once
// Fitting a notice's four lines into the room it has. A line too wide for its
// width goes on over further rows, pushing the lines after it down; when the
// rows run out, the line with the most rows loses characters from its middle,
// marked "...", so that its start and its end can both still be read.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/canvas.h"

// The rows of `text` no wider than `width` in the canvas's font: a row ends
// after its last space, or inside a word that does not fit a row of its own.
std::vector<std::string> WrapRows(const TCanvas& measure, std::string_view text, int width);

// `text` with characters taken out of its middle, and "..." in their place,
// until it wraps into at most `rows` rows of `width`.
std::string ElideMiddle(const TCanvas& measure, std::string_view text, int width, int rows);

// The rows of each line, where the lines together may take `spare_rows` rows
// beyond one each. An empty line has no rows.
std::array<std::vector<std::string>, 4> FitLines(const TCanvas& measure,
                                                 const std::array<std::string, 4>& lines,
                                                 int width, int spare_rows);
