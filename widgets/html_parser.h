#pragma once
// The parsing half of the HTML renderer: walks a caption once, turning text,
// tags and character references into the renderer's pieces.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "widgets/html_renderer.h"

class TKxHTMLParser {
 public:
  TKxHTMLParser(TKxHTMLRender& render, int max_width, bool auto_wrap);
  ~TKxHTMLParser();

  void Parse(const std::string& text);

 private:
  // The font of an open font tag, and of the text outside any.
  struct TFontRecord {
    std::string Name;
    int Size = 0;
    TColor Color = clNone;
    TColor BgColor = clNone;
  };
  using TAttributes = std::map<std::string, std::string>;

  // Reading the caption.
  void ReadTag();
  void SkipComment();
  TAttributes ReadAttributes();
  void ReadNumericReference();
  void ReadNamedReference();
  std::string ReadReferenceName();

  // Building pieces.
  void StartBaseRun();
  void AddChar(char c);
  void AddSpace();
  void WrapIfTooWide();
  void CloseRun();
  void Add(std::unique_ptr<TKxHTMLItem> piece);
  template <class TPiece>
  std::unique_ptr<TPiece> Like(std::unique_ptr<TPiece> piece) const;
  std::unique_ptr<TKxHTMLItem> PieceLike(TKxHTMLItemKind kind) const;
  std::unique_ptr<TKxHTMLBreakItem> BreakLike(TKxHTMLItemKind kind, int alignment) const;
  void RemoveTrailingLineBreak();
  int LastBreakIndex() const;
  int LinePosition() const;
  int ListIndent();

  // Applying tags.
  void ApplyTag(const std::string& name, const TAttributes& attributes, bool has_attributes);
  bool ApplyStyleTag(const std::string& name);
  void ApplyParagraph(const TAttributes& attributes);
  void ApplyRule(const TAttributes& attributes);
  void ApplyImage(const TAttributes& attributes);
  void ApplyFont(const TAttributes& attributes);
  void CloseFont();
  TFontRecord CurrentFont() const;
  void TakeFont(const TFontRecord& font);

  TKxHTMLRender& render_;
  TKxHTMLData& data_;
  int max_width_;
  bool auto_wrap_;
  std::string text_;
  std::size_t pos_ = 0;
  std::unique_ptr<TKxHTMLItem> run_;
  TKxStack font_stack_;
  std::vector<std::unique_ptr<TFontRecord>> font_records_;
};

// A decimal number, or `fallback` when the text is not one that fits an int.
int DecimalOrDefault(const std::string& text, int fallback);
