#include "widgets/html_parser.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/graphics/colour_names.h"
#include "platform/text/letter_case.h"
#include "widgets/string_utils.h"
#include "widgets/tools.h"

namespace {

// Tags named in the table below; anything else is skipped without effect.
constexpr char kCommentOpen[] = "!--";
constexpr char kCommentClose[] = "-->";

// The characters of the named references, as Windows-1252 codes.
struct TNamedReference {
  const char* Name;
  char Code;
};
constexpr TNamedReference kNamedReferences[] = {
    {"amp", '&'},     {"quot", '"'},   {"gt", '>'},      {"lt", '<'},      {"euro", '\x80'},
    {"sect", '\xA7'}, {"reg", '\xAE'}, {"copy", '\xA9'}, {"para", '\xB6'}, {"trade", '\x99'},
};

// Six hexadecimal digits of red, green and blue after "#", or a colour name
// with or without its "cl"; a value that is neither leaves `colour` alone.
void ReadColour(const std::string& value, TColor& colour) {
  if (!value.empty() && value.front() == '#') {
    const std::string digits = value.substr(1, 6);
    const bool hexadecimal =
        digits.size() == 6 &&
        std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isxdigit(c); });
    if (!hexadecimal) return;
    const auto rgb = static_cast<std::uint32_t>(HexStrToIntDef(digits, 0));
    colour = static_cast<std::uint32_t>(SwapInt32(static_cast<std::int32_t>(rgb))) >> 8;
    return;
  }
  const std::string name = ContainsAt(value, 1, "cl") ? value : "cl" + value;
  if (const auto named = IdentToColor(name)) colour = *named;
}

int ClampFontSize(long long size) {
  return static_cast<int>(std::clamp<long long>(size, kKxHTMLMinFontSize, kKxHTMLMaxFontSize));
}

}  // namespace

int DecimalOrDefault(const std::string& text, int fallback) {
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return fallback;
  return value;
}

TKxHTMLParser::TKxHTMLParser(TKxHTMLRender& render, int max_width, bool auto_wrap)
    : render_(render), data_(render.Data()), max_width_(max_width), auto_wrap_(auto_wrap) {}

TKxHTMLParser::~TKxHTMLParser() = default;

void TKxHTMLParser::Parse(const std::string& text) {
  text_ = text;
  pos_ = 0;
  StartBaseRun();

  while (pos_ < text_.size()) {
    const char c = text_[pos_++];
    if (c == '<') {
      ReadTag();
    } else if (c == '\r') {
      if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (c == '&' && pos_ < text_.size() && text_[pos_] == '#') {
      ++pos_;
      ReadNumericReference();
    } else if (c == '&') {
      ReadNamedReference();
    } else if (c == ' ') {
      AddSpace();
    } else {
      AddChar(c);
    }
  }

  CloseRun();
  if (data_.Count() > 0 && data_.Item(0)->Kind != hikParagraph) {
    StartBaseRun();
    auto first = BreakLike(hikParagraph, 0);
    data_.Items().Insert(0, first.get());
    first.release();
  }
}

// The run outside every tag: the data's default font, colours and style.
void TKxHTMLParser::StartBaseRun() {
  run_ = std::make_unique<TKxHTMLItem>(hikText);
  run_->Style = data_.DefaultStyle;
  TakeFont({data_.DefaultFont, ClampFontSize(data_.DefaultSize), data_.DefaultColor,
            data_.DefaultBgColor});
}

// ---- character references ----------------------------------------------

std::string TKxHTMLParser::ReadReferenceName() {
  const std::size_t end = std::min(text_.find(';', pos_), text_.size());
  std::string name = text_.substr(pos_, end - pos_);
  pos_ = std::min(end + 1, text_.size());
  return name;
}

// "&#NNN;": 32 (or anything that is not a number) is a space, and a code
// whose low byte is 0 adds nothing: a caption never holds a NUL.
void TKxHTMLParser::ReadNumericReference() {
  const int code = DecimalOrDefault(ReadReferenceName(), 32);
  if (code == 32) {
    AddSpace();
  } else if ((code & 0xFF) != 0) {
    AddChar(static_cast<char>(code & 0xFF));
  }
}

void TKxHTMLParser::ReadNamedReference() {
  const std::string name = LowerCase(ReadReferenceName());
  if (name == "nbsp") {
    AddChar(' ');
    return;
  }
  for (const TNamedReference& reference : kNamedReferences)
    if (name == reference.Name) AddChar(reference.Code);
}

// ---- tags ------------------------------------------------------------------

void TKxHTMLParser::ReadTag() {
  std::string name;
  while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '>') {
    name += text_[pos_++];
    if (name == kCommentOpen) {
      SkipComment();
      return;
    }
  }
  if (pos_ >= text_.size()) return;  // a tag cut off by the end of the caption
  const bool has_attributes = text_[pos_] == ' ';
  TAttributes attributes;
  if (has_attributes) {
    attributes = ReadAttributes();
  } else {
    ++pos_;  // the ">"
  }
  ApplyTag(LowerCase(name), attributes, has_attributes);
}

void TKxHTMLParser::SkipComment() {
  const std::size_t end = text_.find(kCommentClose, pos_);
  pos_ = end == std::string::npos ? text_.size() : end + 3;
}

// name=value pairs up to ">"; a quoted value may hold blanks and ">".
TKxHTMLParser::TAttributes TKxHTMLParser::ReadAttributes() {
  TAttributes attributes;
  while (pos_ < text_.size() && text_[pos_] != '>') {
    if (text_[pos_] == ' ') {
      ++pos_;
      continue;
    }
    std::string name;
    while (pos_ < text_.size() && text_[pos_] != '=' && text_[pos_] != ' ' && text_[pos_] != '>')
      name += text_[pos_++];
    if (pos_ >= text_.size() || text_[pos_] != '=') continue;  // a pair without "=" is dropped
    ++pos_;
    std::string value;
    if (pos_ < text_.size() && (text_[pos_] == '"' || text_[pos_] == '\'')) {
      const char quote = text_[pos_++];
      const std::size_t end = std::min(text_.find(quote, pos_), text_.size());
      value = text_.substr(pos_, end - pos_);
      pos_ = std::min(end + 1, text_.size());
    } else {
      while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '>')
        value += text_[pos_++];
    }
    attributes[LowerCase(name)] = value;
  }
  if (pos_ < text_.size()) ++pos_;  // the ">"
  return attributes;
}

void TKxHTMLParser::ApplyTag(const std::string& name, const TAttributes& attributes,
                             bool has_attributes) {
  if (ApplyStyleTag(name)) return;
  if (name == "ul" || name == "/ul") {
    CloseRun();
    const int step = ListIndent();
    run_->Indent = name == "ul" ? run_->Indent + step : std::max(0, run_->Indent - step);
    if (name == "/ul") {
      RemoveTrailingLineBreak();
      Add(BreakLike(hikLineBreak, 0));
    }
  } else if (name == "li") {
    CloseRun();
    RemoveTrailingLineBreak();
    Add(BreakLike(hikListItem, 0));
  } else if (name == "p") {
    ApplyParagraph(attributes);
  } else if (name == "br") {
    CloseRun();
    Add(BreakLike(hikLineBreak, 0));
  } else if (name == "hr") {
    ApplyRule(attributes);
  } else if (name == "img") {
    ApplyImage(attributes);
  } else if (name == "a") {
    if (!has_attributes) return;
    CloseRun();
    run_->IsLink = true;
  } else if (name == "/a") {
    CloseRun();
    run_->IsLink = false;
  } else if (name == "font") {
    ApplyFont(attributes);
  } else if (name == "/font") {
    CloseFont();
  }
}

// b, i, u, strikeout, sub and sup, opening and closing. A closing tag only
// clears what it names, so an unbalanced one changes nothing else.
bool TKxHTMLParser::ApplyStyleTag(const std::string& name) {
  const bool closing = !name.empty() && name.front() == '/';
  const std::string base = closing ? name.substr(1) : name;
  const TFontStyles style = base == "b"           ? TFontStyles{fsBold}
                            : base == "i"         ? TFontStyles{fsItalic}
                            : base == "u"         ? TFontStyles{fsUnderline}
                            : base == "strikeout" ? TFontStyles{fsStrikeOut}
                                                  : TFontStyles{0};
  if (style == 0 && base != "sub" && base != "sup") return false;
  CloseRun();
  if (base == "sub") {
    run_->IsSub = !closing;
  } else if (base == "sup") {
    run_->IsSup = !closing;
  } else {
    run_->Style = closing ? run_->Style & ~style : run_->Style | style;
  }
  return true;
}

void TKxHTMLParser::ApplyParagraph(const TAttributes& attributes) {
  CloseRun();
  int alignment = 0;
  if (const auto align = attributes.find("align"); align != attributes.end()) {
    const std::string value = LowerCase(align->second);
    alignment = value == "center" ? 1 : value == "right" ? 2 : 0;
  }
  if (const auto indent = attributes.find("indent"); indent != attributes.end())
    run_->Indent = std::max(0, DecimalOrDefault(indent->second, 0));
  Add(BreakLike(hikParagraph, alignment));
}

void TKxHTMLParser::ApplyRule(const TAttributes& attributes) {
  CloseRun();
  Add(BreakLike(hikLineBreak, 0));
  auto rule = PieceLike(hikRule);
  if (const auto width = attributes.find("width"); width != attributes.end())
    rule->Width = std::max(0, DecimalOrDefault(width->second, 0));
  Add(std::move(rule));
  Add(BreakLike(hikLineBreak, 0));
}

void TKxHTMLParser::ApplyImage(const TAttributes& attributes) {
  const auto src = attributes.find("src");
  if (src == attributes.end() || src->second.empty()) return;
  CloseRun();
  auto image = PieceLike(hikImage);
  image->SetText(src->second);
  const TBitmap* picture = render_.TriggerImageNeeded(src->second);
  const auto size_attribute = [&](const char* name, int picture_size) {
    const auto found = attributes.find(name);
    return std::max(0, found == attributes.end() ? picture_size
                                                 : DecimalOrDefault(found->second, picture_size));
  };
  image->Width = size_attribute("width", picture ? picture->Width() : 0);
  image->Height = size_attribute("height", picture ? picture->Height() : 0);
  Add(std::move(image));
}

void TKxHTMLParser::ApplyFont(const TAttributes& attributes) {
  CloseRun();
  font_records_.push_back(std::make_unique<TFontRecord>(CurrentFont()));
  font_stack_.Push(font_records_.back().get());
  TFontRecord font = CurrentFont();
  if (const auto name = attributes.find("name"); name != attributes.end() && !name->second.empty())
    font.Name = name->second;
  if (const auto size = attributes.find("size"); size != attributes.end()) {
    const std::string& value = size->second;
    const bool relative = !value.empty() && (value.front() == '+' || value.front() == '-');
    const int number = DecimalOrDefault(value, relative ? 0 : data_.DefaultSize);
    font.Size =
        ClampFontSize(relative ? static_cast<long long>(data_.DefaultSize) + number : number);
  }
  if (const auto color = attributes.find("color"); color != attributes.end())
    ReadColour(color->second, font.Color);
  if (const auto bgcolor = attributes.find("bgcolor"); bgcolor != attributes.end())
    ReadColour(bgcolor->second, font.BgColor);
  TakeFont(font);
}

void TKxHTMLParser::CloseFont() {
  CloseRun();
  if (font_stack_.Empty()) return;
  TakeFont(*static_cast<TFontRecord*>(font_stack_.Pop()));
}

TKxHTMLParser::TFontRecord TKxHTMLParser::CurrentFont() const {
  return {run_->FontName, run_->Size, run_->Color, run_->BgColor};
}

void TKxHTMLParser::TakeFont(const TFontRecord& font) {
  run_->FontName = font.Name;
  run_->Size = font.Size;
  run_->Color = font.Color;
  run_->BgColor = font.BgColor;
}

// ---- pieces ----------------------------------------------------------------

// A new piece carries the current run's font, colours, flags and indent.
template <class TPiece>
std::unique_ptr<TPiece> TKxHTMLParser::Like(std::unique_ptr<TPiece> piece) const {
  piece->Style = run_->Style;
  piece->Size = run_->Size;
  piece->BgColor = run_->BgColor;
  piece->Color = run_->Color;
  piece->FontName = run_->FontName;
  piece->Indent = run_->Indent;
  piece->IsLink = run_->IsLink;
  piece->IsSub = run_->IsSub;
  piece->IsSup = run_->IsSup;
  return piece;
}

std::unique_ptr<TKxHTMLItem> TKxHTMLParser::PieceLike(TKxHTMLItemKind kind) const {
  return Like(std::make_unique<TKxHTMLItem>(kind));
}

std::unique_ptr<TKxHTMLBreakItem> TKxHTMLParser::BreakLike(TKxHTMLItemKind kind,
                                                           int alignment) const {
  auto line = Like(std::make_unique<TKxHTMLBreakItem>(kind));
  line->Alignment = alignment;
  return line;
}

void TKxHTMLParser::Add(std::unique_ptr<TKxHTMLItem> piece) {
  data_.Items().Add(piece.get());
  piece.release();
}

// The run's text goes into the list when there is any; the next run keeps
// the font, colours, flags and indent.
void TKxHTMLParser::CloseRun() {
  auto next = PieceLike(hikText);
  if (!run_->Text().empty()) Add(std::move(run_));
  run_ = std::move(next);
}

void TKxHTMLParser::RemoveTrailingLineBreak() {
  const int last = data_.Count() - 1;
  if (last >= 0 && data_.Item(last)->Kind == hikLineBreak) data_.Items().Delete(last);
}

int TKxHTMLParser::ListIndent() {
  auto probe = PieceLike(hikIndentProbe);
  render_.Measure(*probe, false);
  return probe->Width;
}

// Runs of blanks count once within a run.
void TKxHTMLParser::AddSpace() {
  const std::string& text = run_->Text();
  if (text.empty() || text.back() != ' ') AddChar(' ');
}

void TKxHTMLParser::AddChar(char c) {
  run_->AppendChar(c);
  if (auto_wrap_) WrapIfTooWide();
}

int TKxHTMLParser::LastBreakIndex() const {
  for (int i = data_.Count() - 1; i >= 0; --i)
    if (data_.Item(i)->IsBreak()) return i;
  return -1;
}

// The room the current line already takes: its break's indent and the widths
// of the pieces after it.
int TKxHTMLParser::LinePosition() const {
  const int last_break = LastBreakIndex();
  int position = last_break >= 0 ? data_.Item(last_break)->Indent : 0;
  for (int i = last_break + 1; i < data_.Count(); ++i) position += data_.Item(i)->Width;
  return position;
}

// The text after the run's last blank moves to a new line; a run without a
// blank loses only its last character when it starts its line (a word wider
// than the line is cut), or moves whole when something stands before it.
void TKxHTMLParser::WrapIfTooWide() {
  render_.Measure(*run_, false);
  if (run_->Width + LinePosition() <= max_width_) return;

  std::string text = run_->Text();
  const int blank = LastPos(" ", text);
  const bool first_on_line = LastBreakIndex() == data_.Count() - 1;
  std::size_t keep = 0;
  if (blank > 0) {
    keep = static_cast<std::size_t>(blank);
  } else if (first_on_line) {
    keep = text.size() - 1;
  }
  const std::string carried = text.substr(keep);
  text.resize(keep);
  const int alignment = [&] {
    const int last_break = LastBreakIndex();
    return last_break >= 0 ? static_cast<const TKxHTMLBreakItem*>(data_.Item(last_break))->Alignment
                           : 0;
  }();

  run_->SetText(text);
  render_.Measure(*run_, false);
  auto next = PieceLike(hikText);
  next->SetText(carried);
  auto wrap = BreakLike(hikWrapBreak, alignment);
  if (!text.empty()) Add(std::move(run_));
  Add(std::move(wrap));
  run_ = std::move(next);
}
