#pragma once
// The player's hands on the map: a left click on an own corps and a drag lay
// its path of up to nine steps; a right click, or a left click on no own
// corps, tells what stands on the hex and opens its orders; the minimap, the
// arrow keys and the screen-edge hotspots move the view.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/components/shift_state.h"
#include "platform/graphics/types.h"
#include "world/hex_grid.h"

class TGMRSDI;
class TCanvas;

// Where the drag began, and the last hex it added to the path.
extern std::uint16_t DragStartX;
extern std::uint16_t DragStartY;
extern std::uint16_t LastWaypointX;
extern std::uint16_t LastWaypointY;

// The hex under a pixel of the map view; nothing off the map. Even columns
// sit half a hex lower, so their first row reaches 14 pixels further down.
std::optional<THexPos> HexAtPixel(TPoint pixel);
// A fleet as the bottom bar names it: its nation, the word fleet and its number.
std::string FleetTitle(int fleet);

// Clears the finder's list and fills it with what the side in play finds on
// the hex: its cities, armies, corps and fleets, in that order.
void FindEverythingAt(THexPos hex);

class TMapInput {
 public:
  // Binds itself to the window's map, minimap, keys and hotspots.
  explicit TMapInput(TGMRSDI& window);

  void BattleMapMouseDown(TMouseButton button, int x, int y);
  void BattleMapMouseMove(int x, int y);
  void BattleMapMouseUp(TMouseButton button, int x, int y);
  void stratmapMouseDown(int x, int y);
  void FormKeyDown(int key);
  void HotTopInHotspot();
  void HotBottomInHotspot();
  void HotLeftInHotspot();
  void HotRightInHotspot();

  // The steps laid so far in the running drag.
  int WaypointCount() const { return count_; }

 private:
  static constexpr int kMaxSteps = 9;
  struct Waypoint {
    bool used = false;
    THexPos hex{};
    TPoint pixel{};
    int direction = 0;  // of the step that leaves this waypoint
  };

  void StartPath(THexPos hex);
  void AddWaypoint(THexPos hex);
  void PickCorpsAt(THexPos hex);
  void InformationClick(THexPos hex);
  void MakeCurrent(int entry, bool open_orders);
  void ShowOwnCorps(int corps, const std::string& suffix = {});
  void Scroll(int columns, int rows);
  bool TakesEdgeScroll(TPoint pointer) const;
  void DrawPathArrows(TCanvas& canvas) const;

  TGMRSDI& window_;
  int count_ = 0;
  std::array<Waypoint, kMaxSteps + 1> slots_{};
};
