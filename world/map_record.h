#pragma once
// The hex map as saved beside the game: per hex its side codes, route flags,
// terrain, controlling camp and state.
#include <cstddef>
#include <cstdint>

#include "world/hex_grid.h"
#include "world/table.h"

// A hex side of this code cannot be crossed by land.
inline constexpr int kClosedSide = 3;

// Byte 0: side codes for directions 1..3 in bits 0-1, 2-3, 4-5, RouteFlag in
// bit 6, Flag7 in bit 7. Byte 1: terrain in bits 0-2, LinkFlag in bit 3, two
// bits kept as loaded, the owner in bits 6-7. Byte 2: the state number in
// bits 0-6, a flag in bit 7.
// Every writer keeps all bits but its own.
struct TMapCell {
  std::uint8_t Bytes[3];

  // The sides toward directions 4..6 are stored on the neighbours there.
  int HexSideCode(int dir) const { return (Bytes[0] >> (2 * (dir - 1))) & 3; }
  bool RouteFlag() const { return (Bytes[0] & 64) != 0; }
  bool Flag7() const { return (Bytes[0] & 128) != 0; }
  int Terrain() const { return Bytes[1] & 7; }  // 0 is water, 4 a city's hex
  bool LinkFlag() const { return (Bytes[1] & 8) != 0; }
  int Owner() const { return Bytes[1] >> 6; }
  // The state the hex lies in. Bit 7 of the byte is a flag of its own, kept
  // by whoever writes the byte: every rule reads the state without it, so a
  // flagged hex never falls outside its state in one rule and not another.
  int State() const { return Bytes[2] & 127; }
  // The whole byte as the file holds it, for the checks of a map file.
  int StateByte() const { return Bytes[2]; }

  // A value too wide for its bits is masked, so it cannot spill into the
  // neighbouring field.
  void SetOwner(int side) {
    Bytes[1] = static_cast<std::uint8_t>((Bytes[1] & 63) + 64 * (side & 3));
  }
  // Out of every state; the flag of the state byte stays.
  void ClearState() { Bytes[2] = static_cast<std::uint8_t>(Bytes[2] & 128); }
  void SetTerrain(int terrain) {
    Bytes[1] = static_cast<std::uint8_t>((Bytes[1] & 248) + (terrain & 7));
  }
  // The side code toward direction 1..3.
  void SetHexSideCode(int dir, int code) {
    const int shift = 2 * (dir - 1);
    Bytes[0] = static_cast<std::uint8_t>((Bytes[0] & ~(3 << shift)) + ((code & 3) << shift));
  }
  void SetFlag7(bool set) {
    Bytes[0] = static_cast<std::uint8_t>((Bytes[0] & 127) + (set ? 128 : 0));
  }
  void SetRouteFlag() { Bytes[0] = static_cast<std::uint8_t>((Bytes[0] & 191) + 64); }
  void SetLinkFlag() { Bytes[1] = static_cast<std::uint8_t>((Bytes[1] & 247) + 8); }
  void ClearLinkFlag() { Bytes[1] = static_cast<std::uint8_t>(Bytes[1] & 247); }
};

// Stored column by column: hex (x, y) is cell (y) of column (x), at byte
// 162 * (x - 1) + 3 * (y - 1).
struct TMapRecord {
  static constexpr int Columns = 76;
  static constexpr int Rows = 54;

  Table<Table<TMapCell, Rows>, Columns> Hexes;

  // Off the map: as a table index past the end.
  TMapCell& Cell(int x, int y) { return Hexes[x][y]; }
  const TMapCell& Cell(int x, int y) const { return Hexes[x][y]; }

  static bool OnMap(int x, int y) { return x >= 1 && x <= Columns && y >= 1 && y <= Rows; }

  // The code of the side crossed stepping from (fromX, fromY) in the direction
  // (1..6) into its neighbour (toX, toY). Each side is kept once, on the hex to
  // its south: the N, NE and SE sides on the hex itself, the others on the
  // neighbour. A start off the map has no sides to hold anyone back.
  int CrossedSideCode(int fromX, int fromY, int toX, int toY, int direction) const {
    if (direction <= 3) return OnMap(fromX, fromY) ? Cell(fromX, fromY).HexSideCode(direction) : 0;
    return Cell(toX, toY).HexSideCode(direction - 3);
  }

  // The same three questions asked of a hex position.
  TMapCell& Cell(THexPos hex) { return Cell(hex.X, hex.Y); }
  const TMapCell& Cell(THexPos hex) const { return Cell(hex.X, hex.Y); }
  static bool OnMap(THexPos hex) { return OnMap(hex.X, hex.Y); }
  int CrossedSideCode(THexPos from, THexPos to, int direction) const {
    return CrossedSideCode(from.X, from.Y, to.X, to.Y, direction);
  }
};

static_assert(sizeof(TMapCell) == 3);
static_assert(sizeof(TMapRecord) == 12312);
