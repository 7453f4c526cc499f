#include "platform/text/text_layout.h"

#include <algorithm>

#include "platform/text/draw_text.h"

namespace {

constexpr int kTabStopChars = 8;  // a tab stop every eight average characters
constexpr std::string_view kEllipsis = "...";

struct Marked {
  std::string text;
  std::vector<bool> underlined;

  void Append(std::string_view chars) {
    text += chars;
    underlined.resize(text.size(), false);
  }
  Marked Slice(std::size_t from, std::size_t to) const {
    return {text.substr(from, to - from),
            std::vector<bool>(underlined.begin() + static_cast<std::ptrdiff_t>(from),
                              underlined.begin() + static_cast<std::ptrdiff_t>(to))};
  }
};

// "&x" marks x, "&&" is a literal "&", a lone trailing "&" is dropped.
Marked ResolvePrefixes(std::string_view text, unsigned flags) {
  Marked out;
  if (flags & DT_NOPREFIX) {
    out.Append(text);
    return out;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out.Append(text.substr(i, 1));
      continue;
    }
    if (++i == text.size()) break;
    out.Append(text.substr(i, 1));
    if (text[i] != '&' && !(flags & DT_HIDEPREFIX)) out.underlined.back() = true;
  }
  return out;
}

int Width(const TTextFace& face, std::string_view text, unsigned flags) {
  return CharOffsets(face, text, TabStopFor(face, flags)).back();
}

// Paragraphs end at CR LF, CR or LF, unless the text is one line.
std::vector<Marked> SplitParagraphs(const Marked& text, unsigned flags) {
  if (flags & DT_SINGLELINE) return {text};
  std::vector<Marked> paragraphs;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.text.size(); ++i) {
    const char c = text.text[i];
    if (c != '\r' && c != '\n') continue;
    paragraphs.push_back(text.Slice(start, i));
    if (c == '\r' && i + 1 < text.text.size() && text.text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  paragraphs.push_back(text.Slice(start, text.text.size()));
  return paragraphs;
}

// Greedy filling: a line takes whole words while they fit; a word wider than
// the rectangle stands alone on its line. Spaces at a break are dropped.
void WrapParagraph(const TTextFace& face, const Marked& paragraph, int width, unsigned flags,
                   std::vector<Marked>& lines) {
  const std::string& s = paragraph.text;
  std::size_t line_start = 0;
  std::size_t line_end = 0;
  bool line_has_word = false;
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t word_start = s.find_first_not_of(' ', i);
    if (word_start == std::string::npos) break;
    std::size_t word_end = s.find(' ', word_start);
    if (word_end == std::string::npos) word_end = s.size();
    const std::string_view candidate(s.data() + line_start, word_end - line_start);
    if (line_has_word && Width(face, candidate, flags) > width) {
      lines.push_back(paragraph.Slice(line_start, line_end));
      line_start = word_start;
    }
    line_end = word_end;
    line_has_word = true;
    i = word_end;
  }
  lines.push_back(paragraph.Slice(line_start, line_has_word ? line_end : line_start));
}

// Cuts characters off the end until the rest and "..." fit.
void AddEndEllipsis(const TTextFace& face, Marked& line, int width, unsigned flags) {
  if (Width(face, line.text, flags) <= width) return;
  const int room = width - Width(face, kEllipsis, flags);
  while (!line.text.empty() && Width(face, line.text, flags) > room) {
    line.text.pop_back();
    line.underlined.pop_back();
  }
  line.Append(kEllipsis);
}

}  // namespace

int TabStopFor(const TTextFace& face, unsigned flags) {
  if (!(flags & DT_EXPANDTABS)) return 0;
  return std::max(1, face.Metrics().AveCharWidth * kTabStopChars);
}

std::vector<int> CharOffsets(const TTextFace& face, std::string_view line, int tab_stop) {
  std::vector<int> offsets{0};
  int x = 0;
  for (char c : line) {
    if (c == '\t' && tab_stop > 0) {
      x = (x / tab_stop + 1) * tab_stop;
    } else {
      x += face.Glyph(static_cast<unsigned char>(c)).Advance;
    }
    offsets.push_back(x);
  }
  return offsets;
}

std::vector<TTextLine> LayoutText(const TTextFace& face, std::string_view text, int width,
                                  unsigned flags) {
  const bool wrap = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE);
  std::vector<Marked> lines;
  for (const Marked& paragraph : SplitParagraphs(ResolvePrefixes(text, flags), flags)) {
    if (wrap) {
      WrapParagraph(face, paragraph, width, flags, lines);
    } else {
      lines.push_back(paragraph);
    }
  }
  std::vector<TTextLine> laid_out;
  for (Marked& line : lines) {
    if (flags & DT_END_ELLIPSIS) AddEndEllipsis(face, line, width, flags);
    const int line_width = Width(face, line.text, flags);
    laid_out.push_back({std::move(line.text), std::move(line.underlined), line_width});
  }
  return laid_out;
}
