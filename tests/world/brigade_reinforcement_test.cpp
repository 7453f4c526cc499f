// Reinforcing and re-arming a brigade: the gate, the quality the recruits
// leave, the pools and stocks they draw on, and payments that never overdraw.
#include "world/brigade_reinforcement.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/force_builders.h"
#include "world/stock_payment.h"
#include "world/vardecl.h"

namespace {

class BrigadeReinforcementTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    corps = AddCorps(10, 10, TSide::Union, TNation::Union);
  }
  static U16& Stock(int weapon) { return GameState.Nations[TNation::Union].WeaponStock[weapon]; }
  int corps = 0;
};

TEST_F(BrigadeReinforcementTest, OnlyASuppliedBrigadeShortOfMenWithAFieldWeaponInStockIsOffered) {
  const struct {
    int supply_status, arm, strength, weapon, stock;
    bool offered;
  } cases[] = {
      {1, TArm::Infantry, 79, 1, 1, true},  // one man short, stock exactly enough
      {1, TArm::Infantry, 78, 1, 1, false},  // stock one short
      {2, TArm::Infantry, 79, 1, 5, false},  // out of supply
      {0, TArm::Infantry, 80, 1, 5, false},  // full
      {0, TArm::Artillery, 15, 7, 5, true},  {0, TArm::Artillery, 16, 7, 5, false},
      {0, TArm::Cavalry, 49, 5, 5, true},    {0, TArm::Cavalry, 50, 5, 5, false},
      {0, TArm::Artillery, 10, 8, 50, false},  // Whitworths
      {0, TArm::Infantry, 10, 0, 500, false},  // unarmed
  };
  for (const auto& c : cases) {
    GameState.Corps[corps].SupplyStatus = static_cast<std::uint8_t>(c.supply_status);
    const int b = AddBrigade({.arm = c.arm, .strength = c.strength, .location = corps,
                              .weapon = c.weapon});
    Stock(c.weapon == 0 ? 1 : c.weapon) = static_cast<std::uint16_t>(c.stock);
    EXPECT_EQ(MayReinforce(GameState.Brigades[b], GameState.Corps[corps]), c.offered)
        << "arm " << c.arm << " strength " << c.strength << " weapon " << c.weapon;
    GameState.Brigades[b] = TBrigade{};
  }
}

TEST_F(BrigadeReinforcementTest, RecruitsCountAsQualityOneAndConfederateVeteransKeepAStepMore) {
  const struct {
    int quality, strength, added, nation, result;
  } cases[] = {
      {5, 40, 40, TNation::Union, 3},       {5, 40, 40, TNation::Confederacy, 4},
      {2, 40, 40, TNation::Confederacy, 2},  // (80 + 40) / 80 = 1, one step more
      {1, 40, 40, TNation::Confederacy, 1},  // not above the result: no step
      {3, 0, 10, TNation::Union, 1},        {7, 0, 0, TNation::Confederacy, 7},  // no men
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QualityAfterReinforcing(c.quality, c.strength, c.added, c.nation), c.result)
        << c.quality << " x " << c.strength << " + " << c.added << " nation " << c.nation;
  }
}

TEST_F(BrigadeReinforcementTest, APoolFillsTheBrigadeAsFarAsItGoesAndTheStockArmsOnlyThoseAdded) {
  const struct {
    int pool, stock, home_state, weapon;
    Reinforcement result;
    int strength, pool_after, stock_after, quality;
  } cases[] = {
      {100, 30, 1, 2, Reinforcement::Reinforced, 80, 80, 10, 3},
      {20, 20, 1, 2, Reinforcement::Reinforced, 80, 0, 0, 3},  // both exactly the need
      {5, 30, 1, 2, Reinforcement::Reinforced, 65, 0, 25, 3},
      {0, 30, 1, 2, Reinforcement::Reinforced, 60, 0, 30, 4},
      {100, 19, 1, 2, Reinforcement::ShortOfWeapons, 60, 100, 19, 4},  // stock one short
      {100, 30, 0, 2, Reinforcement::Reinforced, 60, 100, 30, 4},      // no home state
      {100, 30, 1, 8, Reinforcement::None, 60, 100, 30, 4},            // Whitworths
  };
  for (const auto& c : cases) {
    GameState.States[1].InfantryPoints = static_cast<std::uint16_t>(c.pool);
    Stock(c.weapon) = static_cast<std::uint16_t>(c.stock);
    const int b = AddBrigade({.strength = 60, .location = corps, .homeState = c.home_state,
                              .quality = 4, .weapon = c.weapon});
    EXPECT_EQ(ReinforceBrigade(b, TNation::Union), c.result) << c.pool << " " << c.stock;
    EXPECT_EQ(GameState.Brigades[b].Strength, c.strength);
    EXPECT_EQ(GameState.Brigades[b].Quality, c.quality);
    EXPECT_EQ(GameState.States[1].InfantryPoints, c.pool_after);
    EXPECT_EQ(Stock(c.weapon), c.stock_after);
    GameState.Brigades[b] = TBrigade{};
  }
}

TEST_F(BrigadeReinforcementTest, EachArmIsOfferedItsOwnWeaponsWhenThePoolArmsEveryMan) {
  const struct {
    int arm, weapon, pool;
    bool offered;
  } cases[] = {
      {TArm::Infantry, 1, 40, true},     {TArm::Infantry, 3, 40, true},
      {TArm::Infantry, 4, 400, false},   {TArm::Infantry, 2, 39, false},
      {TArm::Cavalry, 3, 400, false},    {TArm::Cavalry, 4, 40, true},
      {TArm::Cavalry, 5, 40, true},      {TArm::Cavalry, 6, 400, false},
      {TArm::Artillery, 5, 400, false},  {TArm::Artillery, 6, 40, true},
      {TArm::Artillery, 8, 40, true},    {0, 1, 400, false},
  };
  for (const auto& c : cases) {
    TBrigade brigade{};
    brigade.Arm = static_cast<std::uint8_t>(c.arm);
    brigade.Strength = 40;
    Table<U16, 8> pools{};
    pools[c.weapon] = static_cast<std::uint16_t>(c.pool);
    EXPECT_EQ(MayIssueWeapon(brigade, c.weapon, pools), c.offered)
        << "arm " << c.arm << " weapon " << c.weapon << " pool " << c.pool;
  }
}

TEST_F(BrigadeReinforcementTest, RearmingReturnsTheOldWeaponsAndTakesTheNew) {
  const struct {
    int old_weapon, new_weapon, old_pool, new_pool;
    bool done;
    int old_after, new_after;
  } cases[] = {
      {1, 2, 10, 40, true, 50, 0},  {2, 2, 0, 0, true, 0, 0},  // the same weapon again
      {0, 3, 0, 45, true, 0, 5},    // unarmed: only takes
      {1, 2, 10, 39, false, 10, 39},
  };
  for (const auto& c : cases) {
    TBrigade brigade{};
    brigade.Arm = TArm::Infantry;
    brigade.Strength = 40;
    brigade.Weapon = static_cast<std::uint8_t>(c.old_weapon);
    Table<U16, 8> pools{};
    pools[c.new_weapon] = static_cast<std::uint16_t>(c.new_pool);
    if (c.old_weapon != 0) pools[c.old_weapon] = static_cast<std::uint16_t>(c.old_pool);
    EXPECT_EQ(RearmBrigade(brigade, c.new_weapon, pools), c.done) << c.old_weapon;
    EXPECT_EQ(brigade.Weapon, c.done ? c.new_weapon : c.old_weapon);
    EXPECT_EQ(pools[c.new_weapon], c.new_after);
    if (c.old_weapon != 0) {
      EXPECT_EQ(pools[c.old_weapon], c.old_after);
    }
  }
}

TEST(StockPaymentTest, AStockPaysOnlyWhatItHoldsWholeAndRefundsStopAtItsLimit) {
  U16 stock;
  stock = 100;
  EXPECT_TRUE(PayFromStock(stock, 100));
  EXPECT_EQ(stock, 0);
  stock = 99;
  EXPECT_FALSE(PayFromStock(stock, 100));
  EXPECT_EQ(stock, 99);
  stock = 65530;
  RefundToStock(stock, 100);
  EXPECT_EQ(stock, 65535);
}

}  // namespace
