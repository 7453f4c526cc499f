#include "widgets/button_glyph.h"

#include "platform/graphics/canvas.h"
#include "widgets/draw_utils.h"
#include "widgets/tools.h"

namespace {

constexpr int kMaxGlyphs = 4;
const TColor kDisabledGray = RGB(128, 128, 128);

bool IsVertical(TButtonLayout layout) {
  return layout == blGlyphTop || layout == blGlyphBottom;
}

// A monochrome mask of one cell of `source`: white where the cell has
// `colour`, black elsewhere.
TBitmap ColourMask(TBitmap& source, TColor colour, const TRect& cell) {
  TBitmap mask(cell.Width(), cell.Height());
  mask.SetMonochrome(true);
  TCanvasStateGuard guard(source.Canvas());
  source.Canvas().Brush.Color = colour;
  mask.Canvas().BitBlt(0, 0, cell.Width(), cell.Height(), source.Canvas(), cell.Left, cell.Top,
                       SRCCOPY);
  return mask;
}

// Paints `brush` into `target` wherever `mask` is white, moved by `at`.
// Text and background colours turn the mask's black and white into the
// colours the raster operation reads.
void PaintThroughMask(TBitmap& target, const TBitmap& mask, TPoint at, TColor brush,
                      bool white_on_black = false) {
  TCanvas& canvas = target.Canvas();
  TCanvasStateGuard guard(canvas);
  canvas.TextColor = white_on_black ? clWhite : clBlack;
  canvas.BkColor = white_on_black ? clBlack : clWhite;
  canvas.Brush.Color = brush;
  canvas.Brush.Style = bsSolid;
  canvas.BitBlt(at.X, at.Y, mask.Width(), mask.Height(), mask.Canvas(), 0, 0, DSPDxax);
}

// Embosses a picture in place: its shape in highlight one pixel down and
// right, then in shadow.
void Emboss(TBitmap& picture) {
  TBitmap mask(picture.Width(), picture.Height());
  mask.SetMonochrome(true);
  mask.Canvas().BitBlt(0, 0, picture.Width(), picture.Height(), picture.Canvas(), 0, 0, SRCCOPY);
  PaintThroughMask(picture, mask, {1, 1}, clBtnHighlight, true);
  PaintThroughMask(picture, mask, {0, 0}, clBtnShadow, true);
}

// Copies `picture` to `at`, stretched to `size`, leaving out `clear`.
void DrawLeavingOut(TCanvas& canvas, const TBitmap& picture, TPoint at, TSize size, TColor clear) {
  TBitmap sized(size.cx, size.cy);
  sized.Canvas().StretchBlt({0, 0, size.cx, size.cy}, picture.Canvas(),
                            {0, 0, picture.Width(), picture.Height()}, SRCCOPY);
  sized.SetTransparentColor(clear);
  sized.SetTransparent(true);
  canvas.Draw(at.X, at.Y, sized);
}

TColor BottomLeft(const TBitmap& picture) {
  return picture.Pixel(0, picture.Height() - 1);
}

}  // namespace

TKxButtonGlyph::TKxButtonGlyph() {
  icon_.OnChange = [this] { IconChanged(); };
  indexes_.fill(-1);
  if (!GlyphCache) GlyphCache = new TKxGlyphCache;
  glyph_.OnChange = [this] { GlyphChanged(); };
}

TKxButtonGlyph::~TKxButtonGlyph() {
  glyph_.OnChange = nullptr;
  icon_.OnChange = nullptr;
  ReleaseImages();
  if (GlyphCache && GlyphCache->Empty()) {
    delete GlyphCache;
    GlyphCache = nullptr;
  }
}

void TKxButtonGlyph::Changed() {
  if (OnChange) OnChange();
}

void TKxButtonGlyph::ReleaseImages() {
  for (int& slot : indexes_) {
    if (slot != -1 && glyph_list_) glyph_list_->Delete(slot);
    slot = -1;
  }
  if (GlyphCache) GlyphCache->ReturnList(glyph_list_);
  glyph_list_ = nullptr;
}

void TKxButtonGlyph::SetImages(TImageList* images) {
  if (images == images_) return;
  images_ = images;
  ReleaseImages();
  Changed();
}

void TKxButtonGlyph::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  ReleaseImages();
  Changed();
}

void TKxButtonGlyph::SetUseIcon(bool use) {
  if (use == use_icon_) return;
  use_icon_ = use;
  ReleaseImages();
}

void TKxButtonGlyph::IconChanged() {
  if (icon_.Empty()) use_icon_ = false;
  ReleaseImages();
  Changed();
}

void TKxButtonGlyph::SetGlyph(const TBitmap& bitmap) {
  ReleaseImages();
  glyph_.Assign(bitmap);
}

// A new strip whose width is a whole number of squares holds that many
// images (one when there would be more than four); any other shape keeps
// the count.
void TKxButtonGlyph::GlyphChanged() {
  transparent_color_ = glyph_.TransparentColor();
  if (glyph_.Empty()) {
    SetNumGlyphs(1);
  } else if (glyph_.Width() % glyph_.Height() == 0) {
    const int count = glyph_.Width() / glyph_.Height();
    SetNumGlyphs(count > kMaxGlyphs ? 1 : count);
  }
  ReleaseImages();
  Changed();
}

void TKxButtonGlyph::SetNumGlyphs(int count) {
  if (count == num_glyphs_ || count <= 0) return;
  ReleaseImages();
  num_glyphs_ = count;
  Changed();
}

int TKxButtonGlyph::CreateButtonGlyph(TKxButtonState state) {
  if (state == bsDown && num_glyphs_ < 3) state = bsUp;
  if (indexes_[state] != -1) return indexes_[state];
  if (glyph_.Width() == 0 && glyph_.Height() == 0) return -1;
  const int width = glyph_.Width() / num_glyphs_;
  const int height = glyph_.Height();
  if (!GlyphCache) GlyphCache = new TKxGlyphCache;
  if (!glyph_list_) glyph_list_ = GlyphCache->GetList(width, height);
  const int column = state < num_glyphs_ ? state : 0;
  AddStateImage(state, column, width, height);
  return indexes_[state];
}

// A disabled state is recoloured from the strip's own disabled image when
// there is one, and embossed from the up image otherwise.
void TKxButtonGlyph::AddStateImage(TKxButtonState state, int column, int width, int height) {
  TBitmap image(width, height);
  TCanvas& canvas = image.Canvas();
  canvas.Brush.Color = clBtnFace;
  const TRect cell = TRect::Bounds(column * width, 0, width, height);
  if (state != bsDisabled) {
    canvas.CopyRect({0, 0, width, height}, glyph_.Canvas(), cell);
    const bool fixed = glyph_.TransparentMode() == tmFixed;
    indexes_[state] = glyph_list_->AddMasked(image, fixed ? transparent_color_ : clDefault);
    return;
  }
  TBitmap source(glyph_);
  if (num_glyphs_ >= 2) {
    canvas.CopyRect({0, 0, width, height}, source.Canvas(), cell);
    PaintThroughMask(image, ColourMask(source, clWhite, cell), {0, 0}, clBtnHighlight);
    PaintThroughMask(image, ColourMask(source, kDisabledGray, cell), {0, 0}, clBtnShadow);
    PaintThroughMask(image, ColourMask(source, transparent_color_, cell), {0, 0}, clBtnFace);
  } else {
    const TBitmap mask = ColourMask(source, clBlack, cell);
    canvas.FillRect({0, 0, width, height});
    PaintThroughMask(image, mask, {1, 1}, clBtnHighlight);
    PaintThroughMask(image, mask, {0, 0}, clBtnShadow);
  }
  indexes_[state] = glyph_list_->AddMasked(image, clDefault);
}

TImageList* TKxButtonGlyph::ShownList(const TKxFaceDrawing& face) const {
  if (!use_image_list_) return nullptr;
  return face.Images ? face.Images : images_;
}

TSize TKxButtonGlyph::GlyphSize(const TImageList* list) const {
  if (list) {
    if (image_index_ == -1) return {};
    return {list->Width(), list->Height()};
  }
  if (use_icon_) return {icon_.Width(), icon_.Height()};
  if (glyph_.Empty()) return {};
  return {glyph_.Width() / num_glyphs_, glyph_.Height()};
}

TKxButtonLayout TKxButtonGlyph::CalcButtonLayout(TCanvas& canvas, const TKxFaceDrawing& face) {
  const TRect& c = face.Client;
  const TSize client{c.Width() - face.ArrowWidth, c.Height()};
  scaled_ = false;

  TSize glyph = face.ShowGlyph ? GlyphSize(ShownList(face)) : TSize{};
  if (glyph.cy > client.cy) {
    const int height = client.cy - 2;
    glyph.cx = MulDiv(glyph.cx, height, client.cy);
    glyph.cy = height;
    scaled_ = true;
  }
  if (glyph.cx > client.cx) {
    glyph.cy = MulDiv(glyph.cy, client.cx - 4, glyph.cx);
    glyph.cx = client.cx - 2;
    scaled_ = true;
  }
  if (scaled_) scaled_size_ = glyph;

  TRect text_bounds;
  if (face.ShowText && !face.Caption.empty()) text_bounds = MeasureText(canvas, face, client.cx);
  const TSize text{text_bounds.Width(), text_bounds.Height()};

  const bool vertical = IsVertical(face.Layout);
  TPoint glyph_pos;
  TPoint text_pos;
  if (vertical) {
    glyph_pos.X = (client.cx - glyph.cx) / 2;
    text_pos.X = (client.cx - text.cx) / 2;
  } else {
    glyph_pos.Y = (client.cy - glyph.cy) / 2;
    text_pos.Y = (client.cy - text.cy) / 2;
  }

  int spacing = (text.cx == 0 || glyph.cx == 0) ? 0 : face.Spacing;
  int margin = face.Margin;
  const int extent = vertical ? client.cy : client.cx;
  const int glyph_extent = vertical ? glyph.cy : glyph.cx;
  const int text_extent = vertical ? text.cy : text.cx;
  if (margin == -1) {
    if (spacing != -1) {
      margin = (extent - (glyph_extent + spacing + text_extent)) / 2;
    } else {
      spacing = (extent - (glyph_extent + text_extent)) / 3;
      margin = spacing;
    }
  } else if (spacing == -1) {
    spacing = (extent - (margin + glyph_extent) - text_extent) / 2;
  }

  int glyph_at = margin;
  int text_at = glyph_at + glyph_extent + spacing;
  if (face.Layout == blGlyphRight || face.Layout == blGlyphBottom) {
    glyph_at = extent - margin - glyph_extent;
    text_at = glyph_at - spacing - text_extent;
  }
  (vertical ? glyph_pos.Y : glyph_pos.X) = glyph_at;
  (vertical ? text_pos.Y : text_pos.X) = text_at;

  TKxButtonLayout result;
  result.GlyphPos = glyph_pos + c.TopLeft() + face.Offset;
  // A theme measures from the face's corner already.
  if (face.Theme != 0) {
    const TPoint shift = text_pos + face.Offset;
    result.TextBounds = text_bounds.Offset(shift.X, shift.Y);
    return result;
  }
  const TPoint text_corner = c.TopLeft() + text_pos + face.Offset;
  result.TextBounds = text_bounds.Offset(text_corner.X, text_corner.Y);
  result.TextBounds.Right = Min(result.TextBounds.Right, result.TextBounds.Left + client.cx - 1);
  result.TextBounds.Bottom = Min(result.TextBounds.Bottom, result.TextBounds.Top + client.cy - 1);
  return result;
}

TRect TKxButtonGlyph::MeasureText(TCanvas& canvas, const TKxFaceDrawing& face, int width) {
  TRect bounds{0, 0, width, 0};
  const unsigned single_line = face.MultiLine ? 0u : DT_SINGLELINE;
  if (face.Theme != 0) {
    ThemeLibrary().GetThemeTextExtent(face.Theme, canvas, face.ThemePart, face.ThemeState,
                                      face.Caption, single_line, &face.Client, bounds);
  } else {
    canvas.DrawText(face.Caption, bounds, DT_CALCRECT | single_line);
  }
  return bounds;
}

TRect TKxButtonGlyph::Draw(TCanvas& canvas, const TKxFaceDrawing& face) {
  const TKxButtonLayout layout = CalcButtonLayout(canvas, face);
  if (face.ShowGlyph) {
    DrawButtonGlyph(canvas, ShownList(face), layout.GlyphPos, face.Background, face.Transparent,
                    face.GlyphState);
  }
  if (face.ShowText) DrawButtonText(canvas, face, layout.TextBounds);
  return layout.TextBounds;
}

void TKxButtonGlyph::DrawButtonGlyph(TCanvas& canvas, TImageList* list, TPoint at,
                                     TColor background, bool transparent, TKxButtonState state) {
  transparent = transparent || state == bsExclusive || background == clNone;
  if (list) {
    DrawListImage(canvas, *list, at, background, transparent, state);
    return;
  }
  if (use_icon_) {
    DrawIcon(canvas, at);
    return;
  }
  if (glyph_.Width() == 0 || glyph_.Height() == 0) return;
  const int slot = CreateButtonGlyph(state);
  if (slot == -1) return;
  if (!scaled_) {
    glyph_list_->Draw(canvas, slot, at.X, at.Y, transparent, background);
    return;
  }
  // A shrunk glyph goes through a copy whose bottom-left colour is left out.
  TBitmap cell(glyph_list_->Width(), glyph_list_->Height());
  glyph_list_->Draw(cell.Canvas(), slot, 0, 0, false, glyph_list_->MaskColor(slot));
  DrawLeavingOut(canvas, cell, at, scaled_size_, BottomLeft(cell));
}

// An entry drawn as it stands, or, when shrunk or disabled, through a copy
// on the face colour (embossed when disabled) whose bottom-left colour is
// left out.
void TKxButtonGlyph::DrawListImage(TCanvas& canvas, TImageList& list, TPoint at,
                                   TColor background, bool transparent, TKxButtonState state) {
  if (image_index_ == -1) return;
  const TSize size{list.Width(), list.Height()};
  if (!scaled_ && state != bsDisabled) {
    if (!transparent) {
      TCanvasStateGuard guard(canvas);
      canvas.Brush.Style = bsSolid;
      canvas.Brush.Color = background;
      canvas.FillRect(TRect::Bounds(at.X, at.Y, size.cx, size.cy));
    }
    list.Draw(canvas, at.X, at.Y, image_index_);
    return;
  }
  TBitmap copy(size.cx, size.cy);
  copy.Canvas().Brush.Color = clBtnFace;
  copy.Canvas().FillRect({0, 0, size.cx, size.cy});
  list.Draw(copy.Canvas(), 0, 0, image_index_);
  const TColor clear = BottomLeft(copy);
  if (!scaled_) Emboss(copy);
  DrawLeavingOut(canvas, copy, at, scaled_ ? scaled_size_ : size, clear);
}

void TKxButtonGlyph::DrawIcon(TCanvas& canvas, TPoint at) {
  if (icon_.Empty()) return;
  const TSize size = scaled_ ? scaled_size_ : TSize{icon_.Width(), icon_.Height()};
  const TColor clear = icon_.Transparent() ? icon_.TransparentColor() : clNone;
  DrawLeavingOut(canvas, icon_, at, size, clear);
}

// Unless the caption holds line breaks it stays on one line, cut with an
// ellipsis when drawn classically; "&" marks the accelerator.
void TKxButtonGlyph::DrawButtonText(TCanvas& canvas, const TKxFaceDrawing& face,
                                    const TRect& bounds) {
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Style = bsClear;
  const unsigned single_line = face.MultiLine ? 0u : DT_SINGLELINE;
  if (face.Theme != 0) {
    ThemeLibrary().DrawThemeText(face.Theme, canvas, face.ThemePart, face.ThemeState, face.Caption,
                                 DT_CENTER | DT_VCENTER | single_line, 0, bounds);
    return;
  }
  const unsigned flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | single_line;
  if (face.State != bsDisabled) {
    DrawTypedText(canvas, bounds, face.Caption, flags, face.TextDrawType);
    return;
  }
  TRect raised = bounds;
  raised.Offset(1, 1);
  canvas.Font.SetColor(clBtnHighlight);
  canvas.DrawText(face.Caption, raised, flags);
  canvas.Font.SetColor(clBtnShadow);
  TRect sunk = bounds;
  canvas.DrawText(face.Caption, sunk, flags);
}
