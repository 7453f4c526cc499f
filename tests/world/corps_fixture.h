#pragma once
// A small theatre for the corps rules: open land of one terrain class held by
// no camp, numbered texts ("t145" for text 145), a recording window, and
// builders for a corps ready to march and for its brigades and commander.
#include <deque>
#include <string>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/vardecl.h"

class CorpsTest : public WorldTest {
 protected:
  static constexpr int kPlain = 1;  // threshold 5, fatigue 1, cost 4

  void SetUp() override {
    WorldTest::SetUp();
    InstallGameWindow(&window);
    for (int n = 0; n <= 800; ++n) TextTable.push_back("t" + std::to_string(n));
    LayLand(kPlain, TSide::None);
  }
  void TearDown() override {
    InstallGameWindow(nullptr);
    WorldTest::TearDown();
  }

  static void LayLand(int terrain, int owner) {
    for (int x = 1; x <= TMapRecord::Columns; ++x) {
      for (int y = 1; y <= TMapRecord::Rows; ++y) {
        MapRecord.Cell(x, y).SetTerrain(terrain);
        MapRecord.Cell(x, y).SetOwner(owner);
      }
    }
  }

  // Sets the code of the side between the hex and its neighbour in the
  // direction; a hex holds the codes of its northern three sides.
  static void SetSide(int x, int y, int direction, int code) {
    const THexPos hex =
        direction > kSouthEast ? NeighbourHex(x, y, direction) : NeighbourHex(x, y, kNoDirection);
    MapRecord.Cell(hex.X, hex.Y).SetHexSideCode((direction - 1) % 3 + 1, code);
  }

  static void SetState(int x, int y, int state) { MapRecord.Cell(x, y).Bytes[2] = state; }

  // A corps in good order with a commander, on its own ground, standing on its
  // destination with nothing planned.
  static int AddMarchingCorps(int x, int y, int side, int nation = 0) {
    const int c = AddCorps(x, y, side, nation != 0 ? nation : side);
    TCorps& corps = GameState.Corps[c];
    corps.Strength = 160;
    corps.Quality = 3;
    corps.Readiness = 20;
    corps.March = 1;
    corps.Stance = 1;
    corps.Theatre = 1;
    corps.DestX = x;
    corps.DestY = y;
    corps.MovePoints = 100;
    corps.PathStep = 1;
    corps.Leader = AddLeader({.side = side, .status = 0});
    return c;
  }

  static TCorps& Corps(int c) { return GameState.Corps[c]; }
  static TLeader& LeaderOf(int c) { return GameState.Leaders[GameState.Corps[c].Leader]; }

  static int AddBrigadeTo(int c, int fatigue = 0) {
    return AddBrigade({.nation = Corps(c).Nation, .location = c, .fatigue = fatigue});
  }

  // Scripts one draw of the bound, or none for a negative value.
  static void ScriptDraw(int bound, int value) {
    ScriptRandomDraws(value < 0 ? std::deque<ScriptedDraw>{}
                                : std::deque<ScriptedDraw>{{bound, value}});
  }

  static void Plan(int c, std::initializer_list<int> path) {
    int s = 1;
    for (int entry : path) Corps(c).Path[s++] = static_cast<std::uint8_t>(entry);
  }

  RecordingWindow window;
};
