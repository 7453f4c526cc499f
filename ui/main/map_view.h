#pragma once
// The map view: the part of the map picture under the view with the
// ownership outlines and every unit the side in play may see, composed in one
// off-screen picture that the window then shows whole, so the map never
// appears half drawn.
#include "platform/graphics/bitmap.h"
#include "platform/graphics/types.h"
#include "ui/main/sprite_cells.h"

// The view shows 27 columns and 17 rows of 28-pixel hexes.
inline constexpr int ViewColumns = 27;
inline constexpr int ViewRows = 17;
inline constexpr int kHexPixels = 28;
inline constexpr int kViewWidth = 781;
inline constexpr int kViewHeight = 507;

// The player's switch for the ownership outlines.
extern bool HexGridVisible;

// The pictures the map is drawn from, loaded once at start.
struct TMapPictures {
  TBitmap Map;       // the whole map, 28 pixels per hex column and row
  TBitmap Counters;  // counter bases, fleets, army markers and insignia
  TBitmap Numbers;   // corps ordinals, fleet numbers and the battle marker
  TBitmap Arrows;    // the six direction arrows of a plotted path
  TBitmap Minimap;   // one pixel per hex
};

class TMapView {
 public:
  explicit TMapView(const TMapPictures& pictures);

  const TBitmap& View() const { return view_; }
  // The six arrows a plotted path is drawn with, side by side.
  const TBitmap& ArrowStrip() const { return pictures_.Arrows; }

  // Brings the view origin inside the map, then draws the map, the outlines
  // and the units (only the map and outlines once GameOverCode is 255).
  void Paint();

  // Each composes one counter and copies it into the view at (x + 4, y + 4),
  // (x, y) being its hex's pixel.
  void DrawCorpsCounter(int corps, int x, int y);
  void DrawFleetCounter(int fleet, int x, int y);
  void DrawArmyMarker(int army, int x, int y);
  // The battle marker at a pixel of the view.
  void DrawBattleMarker(int x, int y);

  // The minimap, with the view's outline in red.
  void PaintMinimap(TCanvas& canvas) const;

  // The pixel of a hex in the view: columns of odd number sit half a hex higher.
  static TPoint HexPixel(int column, int row);

 private:
  void NormaliseOrigin();
  void CopyMap();
  void DrawOutlines();
  void DrawFleets();
  void DrawCorps();
  void DrawArmies();
  const TBitmap& Sheet(SpriteSheet sheet) const;
  // Copies a sprite cell into the counter picture; false when there is none.
  bool CopyCell(const std::optional<TSpriteRect>& cell, TPoint at);
  void ShowCounter(int x, int y);

  const TMapPictures& pictures_;
  TBitmap view_;
  TBitmap counter_;
};
