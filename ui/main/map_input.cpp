#include "ui/main/map_input.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "platform/components/cursor.h"
#include "platform/forms/screen.h"
#include "platform/input/key_codes.h"
#include "ui/main/main_form.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/selection_dialog.h"
#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/map_finder.h"
#include "world/realm_queries.h"
#include "world/text_table.h"
#include "world/vardecl.h"

std::uint16_t DragStartX = 0;
std::uint16_t DragStartY = 0;
std::uint16_t LastWaypointX = 0;
std::uint16_t LastWaypointY = 0;

namespace {

constexpr int kPickedCorpsText = 459;
constexpr int kArmyPrefixText = 0;
// A waypoint is taken only while the pointer is this near its hex's centre.
constexpr int kWaypointReach = 8;
constexpr int kArrowSize = 12;
constexpr int kArrowPitch = 14;
constexpr int kArrowInset = 8;

bool IsOwnCorps(int corps) {
  return corps != 0 && GameState.Corps[corps].Side == CampOfNation(CurrentSide);
}

bool CorpsStandsOn(int corps, THexPos hex) {
  return corps != 0 && GameState.Corps[corps].X == hex.X && GameState.Corps[corps].Y == hex.Y;
}

TPoint HexCentre(THexPos hex) {
  return TMapView::HexPixel(hex.X, hex.Y) + TPoint{kHexPixels / 2, kHexPixels / 2};
}

// Only the order item of the thing in hand is offered.
void OfferOrdersOf(WindowCommand command) {
  for (WindowCommand item : {WindowCommand::CorpsOrders1, WindowCommand::ArmyOrders1,
                             WindowCommand::CityOrders1, WindowCommand::FleetOrders1}) {
    Window().SetCommandEnabled(item, item == command);
  }
}

}  // namespace

std::string FleetTitle(int fleet) {
  static constexpr const char* kNationWords[] = {"", "Union ", "Confederate ", "French ", "British "};
  static constexpr int kFleetText = 1;
  const TFleet& record = GameState.Fleets[fleet];
  const char* nation = record.Nation >= 1 && record.Nation <= 4 ? kNationWords[record.Nation] : "";
  return nation + TextLine(kFleetText) + std::to_string(record.Number);
}

void FindEverythingAt(THexPos hex) {
  ClickedHexX = hex.X;
  ClickedHexY = hex.Y;
  for (int e = 1; e <= FinderResults.Count; ++e) FinderResults[e] = {};
  FinderCount = 0;
  FindCitiesAtHex();
  FindArmiesAtHex();
  FindCorpsAtHex();
  FindFleetsAtHex();
}

std::optional<THexPos> HexAtPixel(TPoint pixel) {
  if (pixel.X < 0 || pixel.Y < 0) return std::nullopt;
  const int column = ViewLeft + pixel.X / kHexPixels;
  const int half = kHexPixels / 2;
  int row = ViewTop + pixel.Y / kHexPixels;
  if (column % 2 == 0) row = pixel.Y <= half ? ViewTop : ViewTop + (pixel.Y - half) / kHexPixels;
  if (!TMapRecord::OnMap(column, row)) return std::nullopt;
  return THexPos{static_cast<std::uint16_t>(column), static_cast<std::uint16_t>(row)};
}

TMapInput::TMapInput(TGMRSDI& window) : window_(window) {
  TPaintBox* map = window_.BattleMap;
  map->OnMouseDown = [this](TComponent*, TMouseButton button, TShiftState, int x, int y) {
    BattleMapMouseDown(button, x, y);
  };
  map->OnMouseMove = [this](TComponent*, TShiftState, int x, int y) { BattleMapMouseMove(x, y); };
  map->OnMouseUp = [this](TComponent*, TMouseButton button, TShiftState, int x, int y) {
    BattleMapMouseUp(button, x, y);
  };
  // The arrows lie over the view until the next click erases them.
  map->OnPaint = [this, paint_view = map->OnPaint](TComponent* sender) {
    paint_view(sender);
    DrawPathArrows(window_.BattleMap->Canvas());
  };
  window_.StratMap->OnMouseDown = [this](TComponent*, TMouseButton, TShiftState, int x, int y) {
    stratmapMouseDown(x, y);
  };
  // A tap moves the view one step; a held key repeats its press.
  window_.OnKeyDown = [this](TComponent*, int& key, TShiftState) { FormKeyDown(key); };
  const std::pair<TBI_Hotspot*, void (TMapInput::*)()> bands[] = {
      {window_.HotTop, &TMapInput::HotTopInHotspot},
      {window_.HotBottom, &TMapInput::HotBottomInHotspot},
      {window_.HotLeft, &TMapInput::HotLeftInHotspot},
      {window_.HotRight, &TMapInput::HotRightInHotspot}};
  for (const auto& [hotspot, handler] : bands) {
    hotspot->OnInHotspot = [this, handler](TComponent*, TPoint pointer) {
      if (TakesEdgeScroll(pointer)) (this->*handler)();
    };
  }
}

// The bands scroll only the map the player is looking at: not while a menu
// is pulled down or a dialog is open, and not under another window.
bool TMapInput::TakesEdgeScroll(TPoint pointer) const {
  return Screen.InputForm(pointer) == &window_;
}

void TMapInput::BattleMapMouseDown(TMouseButton button, int x, int y) {
  slots_ = {};
  count_ = 0;
  window_.BattleMap->Invalidate();
  if (CurrentSide == 0) return;
  const std::optional<THexPos> hex = HexAtPixel({x, y});
  if (!hex) return;
  if (button == TMouseButton::mbLeft) {
    InfoClick = 0;
    if (!CorpsStandsOn(CurrentCorps, *hex)) PickCorpsAt(*hex);
    if (CorpsStandsOn(CurrentCorps, *hex) && IsOwnCorps(CurrentCorps)) {
      ShowOwnCorps(CurrentCorps, TextLine(kPickedCorpsText));
      StartPath(*hex);
      DragActive = 1;
      return;
    }
  }
  InfoClick = 1;
  DragActive = 0;
  InformationClick(*hex);
}

// A lone own corps on the hex is taken in hand for a drag.
void TMapInput::PickCorpsAt(THexPos hex) {
  CorpsPicked = 0;
  ClickedHexX = hex.X;
  ClickedHexY = hex.Y;
  FinderCount = 0;
  FindCorpsAtHex();
  const TFinderResult found = FinderResults[1];
  if (FinderCount != 1 || found.Kind != kFoundCorps || !IsOwnCorps(found.Index)) {
    CurrentCorps = 0;
    return;
  }
  CurrentCorps = found.Index;
  ShowOwnCorps(CurrentCorps);
  DragStartX = hex.X;
  DragStartY = hex.Y;
  DragActive = 1;
  CorpsPicked = 1;
}

void TMapInput::StartPath(THexPos hex) {
  slots_ = {};
  slots_[0] = {true, hex, TMapView::HexPixel(hex.X, hex.Y), 0};
  count_ = 0;
  LastWaypointX = hex.X;
  LastWaypointY = hex.Y;
}

void TMapInput::InformationClick(THexPos hex) {
  FindEverythingAt(hex);
  if (FinderCount == 0) return;
  if (FinderCount == 1) {
    MakeCurrent(1, true);
  } else {
    CorpsPicked = 0;
    ShowSelectionDialog();
    MakeCurrent(FinderCount, false);
  }
  if (!IsOwnCorps(CurrentCorps)) return;
  DragStartX = hex.X;
  DragStartY = hex.Y;
  CorpsPicked = 1;
  // An objective set in the selection dialog stays armed for the drag.
  if (InfoClick == 1) DragActive = 0;
  StartPath({GameState.Corps[CurrentCorps].X, GameState.Corps[CurrentCorps].Y});
}

void TMapInput::MakeCurrent(int entry, bool open_orders) {
  if (entry < 1 || entry > FinderResults.Count) return;
  const TFinderResult found = FinderResults[entry];
  switch (found.Kind) {
    case kFoundCity:
      CurrentCity = found.Index;
      Window().SetPanelCaption(WindowPanel::IdPanel, GameState.Cities[found.Index].Name.str());
      OfferOrdersOf(WindowCommand::CityOrders1);
      if (open_orders) ShowCityOrders();
      break;
    case kFoundArmy:
      CurrentArmy = found.Index;
      Window().SetPanelCaption(WindowPanel::IdPanel,
                               TextLine(kArmyPrefixText) + GameState.Armies[found.Index].Name.str());
      OfferOrdersOf(WindowCommand::ArmyOrders1);
      if (open_orders) ShowArmyOrders();
      break;
    case kFoundFleet: {
      CurrentFleet = found.Index;
      Window().SetPanelCaption(WindowPanel::IdPanel, FleetTitle(found.Index));
      OfferOrdersOf(WindowCommand::FleetOrders1);
      if (open_orders) ShowFleetOrders();
      break;
    }
    case kFoundCorps:
      CurrentCorps = found.Index;
      if (!IsOwnCorps(found.Index)) {
        Window().SetCommandEnabled(WindowCommand::CorpsOrders1, false);
        DescribeEnemyCorps(GameState.Corps[found.Index]);
        break;
      }
      ShowOwnCorps(found.Index);
      if (open_orders) ShowCorpsOrders();
      break;
  }
}

// A corps with a path shows its name in red.
void TMapInput::ShowOwnCorps(int corps, const std::string& suffix) {
  const TCorps& record = GameState.Corps[corps];
  window_.IdPanel->SetCaption(LeaderName(record.Leader) + suffix);
  const TColor side_colour = CurrentSide == 1 ? clSilver : clWhite;
  window_.IdPanel->Font().SetColor(record.Path[1] != 0 ? clRed : side_colour);
  OfferOrdersOf(WindowCommand::CorpsOrders1);
}

void TMapInput::BattleMapMouseMove(int x, int y) {
  Screen.SetCursor(crDefault);
  const std::optional<THexPos> hex = HexAtPixel({x, y});
  if (!hex) return;
  window_.LocationLabel->SetCaption(std::to_string(hex->X) + "," + std::to_string(hex->Y));
  if (CurrentSide == 0 || CurrentCorps == 0 || CorpsPicked == 0 || DragActive == 0) return;
  if (count_ >= kMaxSteps || (hex->X == LastWaypointX && hex->Y == LastWaypointY)) return;
  const TPoint centre = HexCentre(*hex);
  if (std::abs(x - centre.X) >= kWaypointReach || std::abs(y - centre.Y) >= kWaypointReach) return;
  AddWaypoint(*hex);
}

// A path is a chain of neighbouring hexes: a hex the pointer reached by
// skipping others is not a step and is passed over.
void TMapInput::AddWaypoint(THexPos hex) {
  Waypoint& from = slots_[count_];
  if (HexDistance(from.hex.X, from.hex.Y, hex.X, hex.Y) != 1) return;
  LastWaypointX = hex.X;
  LastWaypointY = hex.Y;
  from.direction = HexDirection(from.hex.X, from.hex.Y, hex.X, hex.Y);
  ++count_;
  slots_[count_] = {true, hex, TMapView::HexPixel(hex.X, hex.Y), 0};
  window_.BattleMap->Invalidate();
}

void TMapInput::BattleMapMouseUp(TMouseButton button, int x, int y) {
  if (CurrentSide == 0 || button != TMouseButton::mbLeft || DragActive == 0 || CorpsPicked == 0) return;
  if (CurrentCorps == 0 || GameState.Corps[CurrentCorps].Nation != CurrentSide) return;
  DragActive = 0;
  const std::optional<THexPos> hex = HexAtPixel({x, y});
  if (!hex) return;
  TCorps& corps = GameState.Corps[CurrentCorps];
  corps.DestX = static_cast<std::uint8_t>(hex->X);
  corps.DestY = static_cast<std::uint8_t>(hex->Y);
  if (count_ == 0) return;
  for (int k = 0; k <= count_; ++k) {
    slots_[k].used = false;
    if (k < kMaxSteps) corps.Path[k + 1] = static_cast<std::uint8_t>(slots_[k].direction);
  }
}

void TMapInput::DrawPathArrows(TCanvas& canvas) const {
  const TBitmap& arrows = window_.MapView().ArrowStrip();
  for (int k = 0; k < count_; ++k) {
    const Waypoint& slot = slots_[k];
    if (!slot.used) continue;
    const TRect source = TRect::Bounds(kArrowPitch * (slot.direction - 1), 0, kArrowSize, kArrowSize);
    const TRect target = TRect::Bounds(slot.pixel.X + kArrowInset, slot.pixel.Y + kArrowInset,
                                       kArrowSize, kArrowSize);
    canvas.CopyRect(target, arrows.Canvas(), source);
  }
}

// One minimap pixel is one hex.
void TMapInput::stratmapMouseDown(int x, int y) {
  ViewLeft = static_cast<std::uint16_t>(std::max(x, 1));
  ViewTop = static_cast<std::uint16_t>(std::max(y, 1));
  window_.FormPaint();
}

void TMapInput::FormKeyDown(int key) {
  switch (key) {
    case VK_LEFT:
      return Scroll(-1, 0);
    case VK_RIGHT:
      return Scroll(1, 0);
    case VK_UP:
      return Scroll(0, -1);
    case VK_DOWN:
      return Scroll(0, 1);
  }
}

void TMapInput::HotTopInHotspot() { Scroll(0, -1); }
void TMapInput::HotBottomInHotspot() { Scroll(0, 1); }
void TMapInput::HotLeftInHotspot() { Scroll(-1, 0); }
void TMapInput::HotRightInHotspot() { Scroll(1, 0); }

// The view starts on an odd column, so a step left lands two columns over
// once the repaint lowers the even origin, just as a step right does.
void TMapInput::Scroll(int columns, int rows) {
  if (columns < 0 && ViewLeft > 2) ViewLeft -= 1;
  if (columns > 0 && ViewLeft < TMapRecord::Columns - ViewColumns) ViewLeft += 2;
  if (rows < 0 && ViewTop > 1) ViewTop -= 1;
  if (rows > 0 && ViewTop < TMapRecord::Rows - ViewRows) ViewTop += 1;
  window_.FormPaint();
}
