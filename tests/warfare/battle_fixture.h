#pragma once
// A field battle ready to be set up: the battle hex, and engaged corps of
// full infantry brigades and batteries, each led by a corps leader of its own.
#include <initializer_list>

#include "tests/world/force_builders.h"
#include "support/window_fixture.h"
#include "warfare/battle_context.h"
#include "world/codes.h"
#include "world/play_modes.h"
#include "world/random.h"

class BattleTest : public WindowTest {
 protected:
  static constexpr int kX = 20;
  static constexpr int kY = 20;

  void SetUp() override {
    WindowTest::SetUp();
    GameState.BattleX = kX;
    GameState.BattleY = kY;
    MapRecord.Cell(kX, kY).SetTerrain(1);
  }

  // An engaged corps of the side on the battle hex, its nation the side's.
  static int AddEngagedCorps(int side, int infantry, int guns = 0, int strength = 80,
                             LeaderRecipe leader = {}) {
    const int c = AddCorps(kX, kY, side, side);
    TCorps& corps = GameState.Corps[c];
    corps.BattleMark = TBattleMark::Engaged;
    corps.Readiness = 10;
    corps.SupplyPriority = 1;
    leader.side = side;
    leader.status = TLeaderStatus::InCommand;
    corps.Leader = static_cast<std::uint8_t>(AddLeader(leader));
    corps.LeaderInitiative = static_cast<std::uint8_t>(leader.initiative);
    for (int i = 0; i < infantry; ++i)
      AddBrigade({.nation = side, .strength = strength, .location = c});
    for (int i = 0; i < guns; ++i)
      AddBrigade({.nation = side, .arm = TArm::Artillery, .strength = 16, .location = c});
    corps.OtherBrigades = static_cast<std::uint8_t>(infantry);
    corps.ArtilleryBrigades = static_cast<std::uint8_t>(guns);
    corps.Strength = static_cast<std::uint16_t>(strength * infantry);
    corps.ArtilleryStrength = static_cast<std::uint8_t>(16 * guns);
    return c;
  }

  // What the dispatcher leaves: each side's strength on the hex.
  static void TotalTheSides() {
    BattleStrength1 = BattleStrength2 = 0;
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      const TCorps& corps = GameState.Corps[c];
      if (corps.IsFree() || corps.BattleMark != TBattleMark::Engaged) continue;
      (corps.Side == TSide::Union ? BattleStrength1 : BattleStrength2) += corps.Strength + corps.ArtilleryStrength;
    }
  }

  // A game by mail whose turn the Union plays and sends.
  static void PlayByMailAsTheUnion() {
    GameState.PlayMode = TPlayMode::MailToSend;
    GameState.MailSide = TSide::Union;
    GameState.Nations[TNation::Union].Human = 1;
  }

  static void Script(std::initializer_list<ScriptedDraw> draws) { ScriptRandomDraws(draws); }
};
