#include "ui/main/map_view.h"

#include <algorithm>
#include <cstring>

#include "tools/sprites/palette.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

bool HexGridVisible = false;

namespace {

constexpr int kCounterCell = 23;
constexpr int kCounterOffset = 4;
constexpr int kStackStep = 2;
constexpr int kEmbarked = 4;  // TCorps.Stance of a corps carried by a fleet

// Copies a rectangle of `source` to `at` in `dest`, clipped to both
// pictures: a rectangle reaching past the map's edge copies what exists.
void CopyPixels(TBitmap& dest, TPoint at, const TBitmap& source, const TRect& from) {
  const TRect inside = from.Intersect(source.Bounds());
  const int left = std::max(0, at.X + inside.Left - from.Left);
  const int top = std::max(0, at.Y + inside.Top - from.Top);
  const int right = std::min(dest.Width(), at.X + inside.Right - from.Left);
  const int bottom = std::min(dest.Height(), at.Y + inside.Bottom - from.Top);
  if (left >= right || top >= bottom) return;
  const int dx = from.Left - at.X;
  const int dy = from.Top - at.Y;
  for (int y = top; y < bottom; ++y) {
    std::memcpy(dest.ScanLine(y) + left, source.ScanLine(y + dy) + left + dx,
                sizeof(std::uint32_t) * (right - left));
  }
}

bool InView(int column, int row) {
  return column >= ViewLeft && column <= ViewLeft + ViewColumns && row >= ViewTop &&
         row <= ViewTop + ViewRows;
}

// Whether the side in play may see a unit: one it spotted, one of no side,
// any unit when only its own side is played by a person, every unit when
// the reports show that side or everything, and its own units.
bool SeenByPlayer(int spotted, int side, int nation) {
  if (spotted != 0 || side == TSide::None) return true;
  const bool american = side == TSide::Union || side == TSide::Confederate;
  if (american && IsHumanNation(side) && !IsHumanNation(3 - side)) return true;
  if (GameState.MessageView == side || GameState.MessageView == 3) return true;
  return nation == CurrentSide;
}

bool CarriedByFleet(int corps) {
  for (int fleet = 1; fleet <= GameState.Fleets.Count; ++fleet) {
    if (GameState.Fleets[fleet].Corps == corps) return true;
  }
  return false;
}

// The pen of a corps' strength bar by its army's colour code, in the colour of
// the counters' army bands; codes past the counters' columns keep the pen the
// last counter used.
std::optional<TColor> StrengthBarPen(int code) {
  if (code < 0 || code > 8) return std::nullopt;
  return ArmyColourOf(code).colour;
}

int BrigadesIn(int corps) {
  int count = 0;
  for (int brigade = 1; brigade <= GameState.Brigades.Count; ++brigade) {
    const TBrigade& record = GameState.Brigades[brigade];
    if (record.Status == TBrigadeStatus::InCorps && record.Location == corps) ++count;
  }
  return count;
}

std::optional<CellArt> FormationArt(int kind) {
  switch (kind) {
    case 0:
      return CellArt::kCorps;
    case 1:
      return CellArt::kInfantryDivision;
    case 2:
      return CellArt::kCavalryDivision;
    default:
      return std::nullopt;
  }
}

bool AmericanNation(int nation) {
  return nation == TNation::Union || nation == TNation::Confederacy;
}

}  // namespace

TMapView::TMapView(const TMapPictures& pictures)
    : pictures_(pictures), view_(kViewWidth, kViewHeight), counter_(24, 24) {}

TPoint TMapView::HexPixel(int column, int row) {
  const int x = (column - ViewLeft) * kHexPixels;
  const int y = (row - ViewTop) * kHexPixels + (column % 2 == 0 ? kHexPixels / 2 : 0);
  return {x, y};
}

void TMapView::Paint() {
  NormaliseOrigin();
  CopyMap();
  if (HexGridVisible) DrawOutlines();
  if (GameOverCode == 255) return;
  DrawFleets();
  DrawCorps();
  DrawArmies();
}

// The view starts on an odd column, and the whole view stays on the map.
void TMapView::NormaliseOrigin() {
  int left = ViewLeft;
  if (left % 2 == 0) --left;
  ViewLeft = static_cast<std::uint16_t>(std::clamp(left, 1, TMapRecord::Columns - ViewColumns));
  ViewTop = static_cast<std::uint16_t>(std::clamp<int>(ViewTop, 1, TMapRecord::Rows - ViewRows));
}

void TMapView::CopyMap() {
  const TRect from = TRect::Bounds((ViewLeft - 1) * kHexPixels, (ViewTop - 1) * kHexPixels,
                                   kViewWidth, kViewHeight);
  // The last rows of the map reach a few pixels past the picture.
  const TRect covered = from.Intersect(pictures_.Map.Bounds());
  if (covered.Width() != from.Width() || covered.Height() != from.Height()) {
    view_.Canvas().Brush = TBrush{clBlack, bsSolid};
    view_.Canvas().FillRect(view_.Bounds());
  }
  CopyPixels(view_, {0, 0}, pictures_.Map, from);
}

// Each hex draws its top and two right-hand sides; its neighbours close the grid.
void TMapView::DrawOutlines() {
  TCanvas& canvas = view_.Canvas();
  canvas.Pen = TPen{clBlack, 1, psSolid};
  for (int column = ViewLeft; column <= ViewLeft + ViewColumns; ++column) {
    for (int row = ViewTop; row <= ViewTop + ViewRows; ++row) {
      const int owner = MapRecord.Cell(column, row).Owner();
      if (owner != TSide::Union && owner != TSide::Confederate) continue;
      canvas.Pen.Color = owner == TSide::Union ? clNavy : clGray;
      const TPoint at = HexPixel(column, row);
      const TPoint outline[] = {at + TPoint{8, 0}, at + TPoint{24, 0}, at + TPoint{32, 15},
                                at + TPoint{24, 31}};
      canvas.Polyline(outline);
    }
  }
}

void TMapView::DrawFleets() {
  for (int fleet = 1; fleet <= GameState.Fleets.Count; ++fleet) {
    const TFleet& record = GameState.Fleets[fleet];
    if (record.Status != 0 || !SeenByPlayer(record.Spotted, record.Side, record.Nation)) continue;
    if (!InView(record.X, record.Y)) continue;
    const TPoint at = HexPixel(record.X, record.Y);
    DrawFleetCounter(fleet, at.X, at.Y);
  }
}

// Corps sharing a hex are drawn stacked, 2 pixels right and down for each
// lower record on the hex, dissolved ones included.
void TMapView::DrawCorps() {
  for (int corps = 1; corps <= GameState.Corps.Count; ++corps) {
    const TCorps& record = GameState.Corps[corps];
    if (record.Inactive != 0 || !SeenByPlayer(record.Spotted, record.Side, record.Nation)) continue;
    if (record.Stance == kEmbarked && CarriedByFleet(corps)) continue;
    if (!InView(record.X, record.Y)) continue;
    TPoint at = HexPixel(record.X, record.Y);
    for (int lower = 1; lower < corps; ++lower) {
      const TCorps& other = GameState.Corps[lower];
      if (other.X != record.X || other.Y != record.Y) continue;
      if (at.X + kStackStep < kViewWidth) at.X += kStackStep;
      if (at.Y + kStackStep < kViewHeight) at.Y += kStackStep;
    }
    DrawCorpsCounter(corps, at.X, at.Y);
  }
}

// An army without headquarters has no nation either.
void TMapView::DrawArmies() {
  for (int army = 1; army <= GameState.Armies.Count; ++army) {
    TArmy& record = GameState.Armies[army];
    if (record.HqCity == 0) record.Nation = 0;
    if (record.HqCity == 0 || record.Nation == 0) continue;
    if (!IsEntryOf(GameState.Cities, record.HqCity)) continue;
    const TCity& city = GameState.Cities[record.HqCity];
    if (!InView(city.X, city.Y)) continue;
    const TPoint at = HexPixel(city.X, city.Y);
    DrawArmyMarker(army, at.X, at.Y);
  }
}

const TBitmap& TMapView::Sheet(SpriteSheet sheet) const {
  switch (sheet) {
    case SpriteSheet::kCounters:
      return pictures_.Counters;
    case SpriteSheet::kNumbers:
      return pictures_.Numbers;
    case SpriteSheet::kArrows:
      break;
  }
  return pictures_.Arrows;
}

bool TMapView::CopyCell(const std::optional<TSpriteRect>& cell, TPoint at) {
  if (!cell) return false;
  CopyPixels(counter_, at, Sheet(cell->sheet), cell->rect);
  return true;
}

void TMapView::ShowCounter(int x, int y) {
  CopyPixels(view_, {x + kCounterOffset, y + kCounterOffset}, counter_,
             TRect::Bounds(0, 0, kCounterCell, kCounterCell));
}

void TMapView::DrawCorpsCounter(int corps, int x, int y) {
  if (!IsEntryOf(GameState.Corps, corps)) return;
  const TCorps& record = GameState.Corps[corps];
  const int colour = IsEntryOf(GameState.Armies, record.Army) ? GameState.Armies[record.Army].Ordinal : 0;
  if (record.Ordinal == 0) return;
  const auto art = FormationArt(record.Kind);
  if (!art || !CopyCell(NearestCell(*art, record.Nation, colour), {0, 0})) return;
  if (record.Kind == 0 && AmericanNation(record.Nation)) {
    CopyCell(NearestCell(CellArt::kCorpsOrdinal, record.Nation, record.Ordinal), {1, 7});
  }
  TCanvas& canvas = counter_.Canvas();
  canvas.Pen.Width = 3;
  if (const auto pen = StrengthBarPen(colour)) canvas.Pen.Color = *pen;
  canvas.MoveTo(0, 21);
  canvas.LineTo(1 + 2 * BrigadesIn(corps), 21);
  ShowCounter(x, y);
}

void TMapView::DrawFleetCounter(int fleet, int x, int y) {
  if (!IsEntryOf(GameState.Fleets, fleet)) return;
  const TFleet& record = GameState.Fleets[fleet];
  if (record.Number == 0) return;
  // France and Britain have no river fleets to draw.
  if (!CopyCell(ExactCell(CellArt::kFleet, record.Nation, record.Kind == 2 ? 2 : 1), {0, 0})) return;
  if (AmericanNation(record.Nation)) {
    CopyCell(NearestCell(CellArt::kFleetNumber, record.Nation, record.Number), {0, 0});
  }
  ShowCounter(x, y);
}

void TMapView::DrawArmyMarker(int army, int x, int y) {
  if (!IsEntryOf(GameState.Armies, army)) return;
  const TArmy& record = GameState.Armies[army];
  if (record.Ordinal == 0) return;
  const int group = record.Nation == TNation::Union ? 1 : 2;
  CopyCell(NearestCell(CellArt::kArmyMarker, group, record.Ordinal), {0, 0});
  CopyCell(ExactCell(CellArt::kArmyInsignia, group, 0), {2, 9});
  ShowCounter(x, y);
}

void TMapView::DrawBattleMarker(int x, int y) {
  if (const auto cell = ExactCell(CellArt::kBattleMarker, 0, 0)) {
    CopyPixels(view_, {x, y}, Sheet(cell->sheet), cell->rect);
  }
}

void TMapView::PaintMinimap(TCanvas& canvas) const {
  canvas.Draw(0, 0, pictures_.Minimap);
  canvas.Pen = TPen{clRed, 1, psSolid};
  canvas.Brush.Style = bsClear;
  canvas.Rectangle(ViewLeft, ViewTop, ViewLeft + ViewColumns, ViewTop + ViewRows);
}
