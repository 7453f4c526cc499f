#pragma once
// The picture holder of a graphic push button: its glyph, from a strip
// (with one cached image per face state), an icon or an image list entry;
// the layout of glyph and caption inside the face; the drawing of both.
// An icon is a picture drawn leaving out its transparent colour.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/controls/image_list.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/types.h"
#include "widgets/draw_utils.h"
#include "widgets/glyph_list.h"
#include "widgets/theme.h"

// The face state of a button, also the column of its image in a glyph strip.
enum TKxButtonState : std::uint8_t { bsUp, bsDisabled, bsDown, bsExclusive, bsArrowDown };
constexpr int kKxButtonStateCount = 5;

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where glyph and caption go inside a face.
struct TKxButtonLayout {
  TPoint GlyphPos;
  TRect TextBounds;
};

// What Draw needs to know about the face it draws on.
struct TKxFaceDrawing {
  TRect Client;
  TPoint Offset;
  std::string Caption;
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;
  TKxButtonState State = bsUp;
  TKxButtonState GlyphState = bsUp;
  bool ShowGlyph = true;
  bool ShowText = true;
  bool MultiLine = false;
  int ArrowWidth = 0;
  TKxTextDrawType TextDrawType = tdtNormal;
  TColor Background = clBtnFace;
  bool Transparent = false;
  // The button's theme data while a theme applies, else 0.
  HTHEME Theme = 0;
  int ThemePart = 0;
  int ThemeState = 0;
  // The image list this face draws from in place of the glyph's own, as a
  // pressed button shows its down list; none for the glyph's own.
  TImageList* Images = nullptr;
};

class TKxButtonGlyph {
 public:
  TKxButtonGlyph();
  ~TKxButtonGlyph();
  TKxButtonGlyph(const TKxButtonGlyph&) = delete;
  TKxButtonGlyph& operator=(const TKxButtonGlyph&) = delete;

  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& bitmap);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int count);
  TColor TransparentColor() const { return transparent_color_; }

  // The image list in use: the button hands over its normal, hot, pressed
  // or disabled list as its face changes.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  bool UseImageList() const { return use_image_list_; }
  void SetUseImageList(bool use) { use_image_list_ = use; }
  const TBitmap& Icon() const { return icon_; }
  void SetIcon(const TBitmap& icon) { icon_.Assign(icon); }
  bool UseIcon() const { return use_icon_; }
  void SetUseIcon(bool use);

  // The slot of a state's image in GlyphList, made when first asked for;
  // -1 when there is no picture.
  int CreateButtonGlyph(TKxButtonState state);
  TKxGlyphList* GlyphList() const { return glyph_list_; }
  // Gives every made image back and forgets the list.
  void ReleaseImages();

  TKxButtonLayout CalcButtonLayout(TCanvas& canvas, const TKxFaceDrawing& face);
  // Lays out and draws glyph and caption; returns where the caption went.
  TRect Draw(TCanvas& canvas, const TKxFaceDrawing& face);

  // Set by the layout when the glyph must be shrunk to fit the face.
  bool Scaled() const { return scaled_; }
  TSize ScaledSize() const { return scaled_size_; }

  std::function<void()> OnChange;

 private:
  void GlyphChanged();
  void IconChanged();
  void Changed();
  // The list a face draws from, or none when the glyph shows no image list.
  TImageList* ShownList(const TKxFaceDrawing& face) const;
  void DrawListImage(TCanvas& canvas, TImageList& list, TPoint at, TColor background,
                     bool transparent, TKxButtonState state);
  void DrawIcon(TCanvas& canvas, TPoint at);
  TSize GlyphSize(const TImageList* list) const;
  void AddStateImage(TKxButtonState state, int column, int width, int height);
  void DrawButtonGlyph(TCanvas& canvas, TImageList* list, TPoint at, TColor background,
                       bool transparent, TKxButtonState state);
  void DrawButtonText(TCanvas& canvas, const TKxFaceDrawing& face, const TRect& bounds);
  TRect MeasureText(TCanvas& canvas, const TKxFaceDrawing& face, int width);

  TImageList* images_ = nullptr;
  int image_index_ = -1;
  bool use_image_list_ = false;
  TBitmap icon_;
  bool use_icon_ = false;
  TBitmap glyph_;
  int num_glyphs_ = 1;
  TColor transparent_color_ = clOlive;
  TKxGlyphList* glyph_list_ = nullptr;
  std::array<int, kKxButtonStateCount> indexes_;
  bool scaled_ = false;
  TSize scaled_size_;
};
