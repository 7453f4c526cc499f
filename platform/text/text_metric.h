#pragma once
// Vertical and horizontal measures of a font, in pixels.

struct TTextMetric {
  int Height = 0;  // Ascent + Descent: the height of one line
  int Ascent = 0;  // baseline to the top of the cell
  int Descent = 0;
  int InternalLeading = 0;  // accent room inside the cell, above the character height
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
  int UnderlinePosition = 0;  // rows below the baseline
  int UnderlineThickness = 1;
  int StrikeOutPosition = 0;  // rows above the baseline
};
