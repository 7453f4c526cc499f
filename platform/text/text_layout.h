#pragma once
// Breaking formatted text into lines: "&" prefixes, line breaks, word
// wrapping, tab stops and the end ellipsis, as DrawText's flags ask.
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_face.h"

struct TTextLine {
  std::string Text;              // the characters to draw
  std::vector<bool> Underlined;  // per character: marked by an "&" prefix
  int Width = 0;
};

// Lines of text formatted for a rectangle width with DT_* flags. Empty text
// still gives one empty line.
std::vector<TTextLine> LayoutText(const TTextFace& face, std::string_view text, int width,
                                  unsigned flags);

// The distance between tab stops DrawText uses: eight average characters with
// DT_EXPANDTABS; 0 (tabs take no room) without.
int TabStopFor(const TTextFace& face, unsigned flags);

// The x offset of each character of a line from the line's start, and of the
// end (size + 1 entries); a tab jumps to the next multiple of tab_stop when
// tab_stop is above 0.
std::vector<int> CharOffsets(const TTextFace& face, std::string_view line, int tab_stop);
