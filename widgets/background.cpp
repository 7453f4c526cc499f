#include "widgets/background.h"

#include <vector>

#include "widgets/tools.h"

namespace {

void FillWith(TCanvas& canvas, const TRect& rect, TColor color) {
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = ColorToRGB(color);
  canvas.FillRect(rect);
}

bool ReachesOutside(const TRect& r, const TRect& area) {
  return r.Left < area.Left || r.Top < area.Top || r.Right > area.Right || r.Bottom > area.Bottom;
}

// The first multiple of `step` (counted from 0) whose tile reaches past `at`.
int FirstTileStart(int at, int step) {
  const int index = at >= 0 ? at / step : -((-at + step - 1) / step);
  return index * step;
}

// One piece of a picture to put on the canvas: `source` within `picture`
// goes to `dest`, both the same size.
struct Piece {
  TPoint source;
  TRect dest;
};

// The tiles of a W x H bitmap that cover `r` (background coordinates),
// each cut to r.
std::vector<Piece> TilePieces(const TRect& r, int width, int height) {
  std::vector<Piece> pieces;
  if (width <= 0 || height <= 0) return pieces;
  for (int y = FirstTileStart(r.Top, height); y < r.Bottom; y += height) {
    for (int x = FirstTileStart(r.Left, width); x < r.Right; x += width) {
      const TRect part = TRect::Bounds(x, y, width, height).Intersect(r);
      if (part.IsEmpty()) continue;
      pieces.push_back({{part.Left - x, part.Top - y}, part});
    }
  }
  return pieces;
}

// Where a centred or top-left picture lies in the background.
TRect ImageRect(TKxBkGndType type, const TBitmap& bitmap, const TRect& area) {
  TPoint corner{0, 0};
  if (type == bgtCenterBitmap) {
    const TRect centred = CenterRect(bitmap.Width(), area.Width(), bitmap.Height(), area.Height());
    corner = centred.TopLeft();
  }
  return TRect::Bounds(corner.X + area.Left, corner.Y + area.Top, bitmap.Width(), bitmap.Height());
}

// The part of a centred or top-left picture that lies in `r`, as a piece.
bool PicturePiece(TKxBkGndType type, const TBitmap& bitmap, const TRect& area, const TRect& r,
                  Piece& piece) {
  const TRect image = ImageRect(type, bitmap, area);
  const TRect part = image.Intersect(r);
  piece = {{part.Left - image.Left, part.Top - image.Top}, part};
  return !part.IsEmpty();
}

// The picture stretched to the area's size.
TBitmap Stretched(const TBitmap& bitmap, const TRect& area) {
  TBitmap work(area.Width(), area.Height());
  work.Canvas().StretchBlt({0, 0, area.Width(), area.Height()}, bitmap.Canvas(),
                           {0, 0, bitmap.Width(), bitmap.Height()}, SRCCOPY);
  return work;
}

// Copies a piece of `picture` to the canvas at piece.dest - offset, with
// the dither pattern over it when asked for.
void PutPiece(TCanvas& canvas, const TBitmap& picture, const Piece& piece, TPoint offset,
              std::uint32_t rop, const TBitmap* dithered) {
  TRect dest = piece.dest;
  dest.Offset(-offset.X, -offset.Y);
  const TBitmap& from = dithered ? *dithered : picture;
  const TPoint source = dithered ? TPoint{0, 0} : piece.source;
  canvas.BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), from.Canvas(), source.X, source.Y,
                rop);
}

// A copy of a piece with every pixel the pattern picks set to the dither
// colour: a checkerboard for tiles, every other pixel of every other row
// for a single picture.
TBitmap DitheredPiece(const TBitmap& picture, const Piece& piece, TPoint offset,
                      TColor dither_color, bool checkerboard) {
  TBitmap work(piece.dest.Width(), piece.dest.Height());
  work.Canvas().BitBlt(0, 0, work.Width(), work.Height(), picture.Canvas(), piece.source.X,
                       piece.source.Y, SRCCOPY);
  const TColor dither = ColorToRGB(dither_color);
  for (int y = 0; y < work.Height(); ++y) {
    for (int x = 0; x < work.Width(); ++x) {
      const int dest_x = piece.dest.Left - offset.X + x;
      const int dest_y = piece.dest.Top - offset.Y + y;
      const bool picked =
          checkerboard ? ((dest_x + dest_y) & 1) != 0 : (dest_x & 1) != 0 && (dest_y & 1) != 0;
      if (picked) work.SetPixel(x, y, dither);
    }
  }
  return work;
}

}  // namespace

void DrawBackgroundBitmap(TCanvas& canvas, const TRect& rect, TKxBkGndType type,
                          const TBitmap& bitmap, TColor color, TPoint offset, const TRect& area) {
  if (type == bgtColorFill) {
    FillWith(canvas, rect, color);
    return;
  }
  TRect r = rect;
  r.Offset(offset.X, offset.Y);
  if (ReachesOutside(r, area)) FillWith(canvas, rect, color);
  switch (type) {
    case bgtTileBitmap:
      for (const Piece& piece : TilePieces(r, bitmap.Width(), bitmap.Height())) {
        PutPiece(canvas, bitmap, piece, offset, SRCCOPY, nullptr);
      }
      break;
    case bgtStretchBitmap: {
      const TBitmap work = Stretched(bitmap, area);
      canvas.BitBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), work.Canvas(), r.Left, r.Top,
                    SRCCOPY);
      break;
    }
    case bgtCenterBitmap:
    case bgtTopLeftBitmap: {
      FillWith(canvas, rect, color);
      Piece piece;
      if (PicturePiece(type, bitmap, area, r, piece)) {
        PutPiece(canvas, bitmap, piece, offset, SRCCOPY, nullptr);
      }
      break;
    }
    default:
      break;
  }
}

void DrawBackgroundBitmapEx(TCanvas& canvas, const TRect& rect, TKxBkGndType type,
                            const TBitmap& bitmap, bool dither, TColor dither_color, TColor color,
                            bool invert_merge, TPoint offset, const TRect& area) {
  TCanvasStateGuard guard(canvas);
  canvas.IntersectClipRect(rect);
  TRect whole = area;
  whole.Offset(-offset.X, -offset.Y);
  const std::uint32_t rop = invert_merge ? SRCINVERT : SRCCOPY;
  auto put = [&](const TBitmap& picture, const Piece& piece, bool checkerboard) {
    if (!dither) {
      PutPiece(canvas, picture, piece, offset, rop, nullptr);
      return;
    }
    const TBitmap work = DitheredPiece(picture, piece, offset, dither_color, checkerboard);
    PutPiece(canvas, picture, piece, offset, rop, &work);
  };
  switch (type) {
    case bgtColorFill:
      FillWith(canvas, whole, color);
      break;
    case bgtTileBitmap:
      for (const Piece& piece : TilePieces(area, bitmap.Width(), bitmap.Height())) {
        put(bitmap, piece, true);
      }
      break;
    case bgtStretchBitmap:
      put(Stretched(bitmap, area), {{0, 0}, area}, false);
      break;
    case bgtCenterBitmap:
    case bgtTopLeftBitmap: {
      FillWith(canvas, whole, color);
      Piece piece;
      if (PicturePiece(type, bitmap, area, area, piece)) put(bitmap, piece, false);
      break;
    }
    default:
      break;
  }
}
