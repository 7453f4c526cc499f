#pragma once
// Captions written in a small subset of HTML: bold, italic, underline,
// strike-out, sub- and superscript, lists, paragraphs with alignment and
// indent, line breaks, rules, images, links, fonts and character references.
//
// PrepareText parses a caption into a list of pieces and lays them out in
// lines; the host reads TextWidth and TextHeight from the data; DrawText then
// paints the prepared pieces as often as needed. Each line is a break item
// followed by the pieces up to the next break item.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/types.h"
#include "platform/text/font.h"
#include "widgets/pointer_list.h"

class TKxHTMLRender;

// What a piece is.
enum TKxHTMLItemKind : std::uint8_t {
  hikText = 0,         // a run of text in one font
  hikWrapBreak = 1,    // made by automatic wrapping
  hikLineBreak = 2,    // "br", "/ul", "hr"
  hikParagraph = 3,    // "p"; one always starts the text
  hikImage = 4,        // "img"; Text holds the source
  hikRule = 5,         // "hr"
  hikListItem = 6,     // "li"; its width is the bullet size
  hikIndentProbe = 7,  // measures a list's indent while parsing; never kept
};

// Font sizes a caption may ask for; anything outside is brought to the nearest
// bound, so markup cannot make the text engine rasterise enormous glyphs.
constexpr int kKxHTMLMinFontSize = 1;
constexpr int kKxHTMLMaxFontSize = 200;

class TKxHTMLItem {
 public:
  explicit TKxHTMLItem(TKxHTMLItemKind kind = hikText) : Kind(kind) {}
  virtual ~TKxHTMLItem() = default;

  bool IsBreak() const;

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  void AppendChar(char c);
  // Text width as last measured; valid only while the text is unchanged.
  bool HasCachedWidth() const { return width_cached_; }
  void CacheWidth(int width);

  TKxHTMLItemKind Kind;
  TFontStyles Style = 0;
  int Size = 0;  // points
  TColor BgColor = clNone;
  TColor Color = clWindowText;
  std::string FontName;
  int Indent = 0;  // pixels from the left edge
  bool IsLink = false;
  bool IsSub = false;
  bool IsSup = false;
  // Set by the layout. A break item holds its line's width and height here.
  int Width = 0;
  int Height = 0;
  // A text run's font descent, reported to its line.
  int Descent = 0;

 private:
  std::string text_;
  bool width_cached_ = false;
};

class TKxHTMLBreakItem : public TKxHTMLItem {
 public:
  explicit TKxHTMLBreakItem(TKxHTMLItemKind kind) : TKxHTMLItem(kind) {}

  int Alignment = 0;   // 0 left, 1 centre, 2 right
  int MaxDescent = 0;  // the line's largest descent, set by the layout
};

// The defaults the host sets before preparing, and the prepared pieces.
class TKxHTMLData {
 public:
  explicit TKxHTMLData(TKxHTMLRender* owner);

  TKxHTMLRender* Owner() const { return owner_; }

  TColor LinkColor = clBlue;
  TColor DefaultColor = clWindowText;
  TFontStyles LinkStyle = fsUnderline;
  TFontStyles DefaultStyle = 0;
  int DefaultSize = 11;
  int Charset = 0;
  std::string DefaultFont = "MS Sans Serif";
  TColor DefaultBgColor = clNone;

  // The pieces in text order; the list owns them.
  TKxList& Items() { return items_; }
  const TKxList& Items() const { return items_; }
  int Count() const { return items_.Count(); }
  TKxHTMLItem* Item(int index) const { return static_cast<TKxHTMLItem*>(items_.Get(index)); }

  int TextWidth = 0;
  int TextHeight = 0;

 private:
  TKxHTMLRender* owner_;
  TKxList items_;
};

using TKxImageNeededEvent =
    std::function<void(TKxHTMLRender* sender, const std::string& src, TBitmap*& image)>;

class TKxHTMLRender {
 public:
  static constexpr const char* kInvalidHTMLMessage =
      "Kestrix HTML engine error - the text is not valid HTML";

  TKxHTMLRender();
  virtual ~TKxHTMLRender();
  TKxHTMLRender(const TKxHTMLRender&) = delete;
  TKxHTMLRender& operator=(const TKxHTMLRender&) = delete;

  TKxHTMLData& Data() { return *data_; }
  const TKxHTMLData& Data() const { return *data_; }

  // Parses `text` into Data, wrapping lines wider than `max_width` when
  // `auto_wrap`, and lays it out. Whatever goes wrong inside is reported as
  // one std::runtime_error with kInvalidHTMLMessage, the pieces emptied.
  void PrepareText(const std::string& text, int max_width, bool auto_wrap);
  // Paints the prepared text into `rect` of `canvas`; `origin` is the point of
  // the text shown at the rectangle's top-left corner.
  void DrawText(TCanvas& canvas, TPoint origin, const TRect& rect);

  // Asked for the picture of every image; the renderer never owns it.
  TKxImageNeededEvent OnImageNeeded;

  // The font a piece is measured and drawn with.
  TFont FontOf(const TKxHTMLItem& item) const;
  // Sets the piece's width, height and descent.
  void Measure(TKxHTMLItem& item, bool first_piece);
  // The height of a line break in the data's default font.
  int DefaultLineHeight();
  TCanvas& MeasuringCanvas() { return measure_bitmap_.Canvas(); }

 protected:
  virtual TBitmap* TriggerImageNeeded(const std::string& src);

 private:
  friend class TKxHTMLParser;
  void LayOut();
  void PaintBullet(TCanvas& canvas, const TKxHTMLBreakItem& line, int x, int top);
  void PaintText(TCanvas& canvas, const TKxHTMLItem& run, int x, int baseline);
  void PaintImage(TCanvas& canvas, const TKxHTMLItem& image, int x, int top);
  void PaintRule(TCanvas& canvas, const TKxHTMLItem& rule, const TKxHTMLBreakItem& line, int x,
                 int top);

  std::unique_ptr<TKxHTMLData> data_;
  TBitmap measure_bitmap_;
  TBitmap work_bitmap_;
};
