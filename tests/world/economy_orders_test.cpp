// The purchases of the economy dialogs: each threshold on both sides, and no
// stock ever below nothing or wrapped.
#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/city_defences.h"
#include "world/codes.h"
#include "world/production_orders.h"
#include "world/rail_capacity.h"
#include "world/recruit_shares.h"
#include "world/vardecl.h"
#include "world/word_bands.h"

namespace {

constexpr int kUnion = TNation::Union;

class EconomyOrdersTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    city = AddCity(5, 5, TNation::Union);
    GameState.Cities[city].Theatre = 2;
    GameState.Cities[city].SeaPort = 1;
    GameState.Year = 1861;
  }
  U16& Supplies(int theatre = 2) { return GameState.Nations[kUnion].Supplies[theatre]; }
  TCity& City() { return GameState.Cities[city]; }
  int city = 0;
};

TEST_F(EconomyOrdersTest, FortificationsCostLessEachYearButNeverNothing) {
  const int cases[][2] = {{1861, 175}, {1862, 138}, {1865, 27}, {1866, 1}, {1900, 1}};
  for (const auto& [year, cost] : cases) EXPECT_EQ(FortificationCost(year), cost) << year;
}

TEST_F(EconomyOrdersTest, CityDefencesWantMoreSuppliesThanThePriceAndHoldTheirLimits) {
  struct Case {
    const char* what;
    int supplies, guns, levels, fortified, year, nation;
    bool (*order)(int, int);
    bool acts;
    int supplies_after;
  };
  const Case cases[] = {
      {"gun at 100", 100, 0, 0, 0, 1861, kUnion, BuyCoastalGun, false, 100},
      {"gun at 101", 101, 0, 0, 0, 1861, kUnion, BuyCoastalGun, true, 1},
      {"ninth gun", 500, 8, 0, 0, 1861, kUnion, BuyCoastalGun, true, 400},
      {"tenth gun", 500, 9, 0, 0, 1861, kUnion, BuyCoastalGun, false, 500},
      {"gun for another nation", 500, 0, 0, 0, 1861, TNation::Confederacy, BuyCoastalGun, false,
       500},
      {"gun sold", 0, 1, 0, 0, 1861, kUnion, SellCoastalGun, true, 50},
      {"no gun to sell", 0, 0, 0, 0, 1861, kUnion, SellCoastalGun, false, 0},
      {"gun refund saturates", 65500, 1, 0, 0, 1861, kUnion, SellCoastalGun, true, 65535},
      {"level at the cost", 138, 0, 0, 0, 1862, kUnion, BuyFortification, false, 138},
      {"level above the cost", 139, 0, 0, 0, 1862, kUnion, BuyFortification, true, 1},
      {"second level this turn", 1000, 0, 1, 1, 1862, kUnion, BuyFortification, false, 1000},
      {"tenth level", 1000, 0, 9, 0, 1862, kUnion, BuyFortification, false, 1000},
      {"level sold at this year's cost", 0, 0, 1, 1, 1864, kUnion, SellFortification, true, 64},
      {"no level to sell", 0, 0, 0, 0, 1864, kUnion, SellFortification, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Supplies() = static_cast<std::uint16_t>(c.supplies);
    City().CoastalGuns = static_cast<std::uint8_t>(c.guns);
    City().Fortifications = static_cast<std::uint8_t>(c.levels);
    City().FortifiedThisTurn = static_cast<std::uint8_t>(c.fortified);
    GameState.Year = static_cast<std::uint16_t>(c.year);
    EXPECT_EQ(c.order(c.nation, city), c.acts);
    EXPECT_EQ(Supplies(), c.supplies_after);
  }
}

TEST_F(EconomyOrdersTest, AnInlandCityTakesNoGunsAndABoughtLevelMarksTheTurn) {
  Supplies() = 1000;
  City().SeaPort = 0;
  EXPECT_FALSE(BuyCoastalGun(kUnion, city));
  EXPECT_TRUE(BuyFortification(kUnion, city));
  EXPECT_EQ(City().FortifiedThisTurn, 1);
}

TEST_F(EconomyOrdersTest, OutputAndShipyardsWantMoreThanThePriceAndRefundPart) {
  GameState.WeaponTypes[3].Cost[kUnion] = 6;
  EXPECT_EQ(UnitCost(kUnion, 3), 10);
  struct Case {
    const char* what;
    int supplies, output;
    bool order, acts;
    int cost, supplies_after, output_after;
  };
  const Case cases[] = {
      {"exactly the cost", 10, 0, true, false, 10, 10, 0},
      {"one above", 11, 0, true, true, 10, 1, 1},
      {"output at its limit", 1000, 65535, true, false, 10, 1000, 65535},
      {"taken back", 0, 1, false, true, 10, 5, 0},
      {"odd cost refunds the smaller half", 0, 1, false, true, 11, 5, 0},
      {"nothing to take back", 0, 0, false, false, 10, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    U16 supplies(static_cast<std::uint16_t>(c.supplies));
    U16 output(static_cast<std::uint16_t>(c.output));
    EXPECT_EQ(
        c.order ? OrderOutput(output, supplies, c.cost) : CancelOutput(output, supplies, c.cost),
        c.acts);
    EXPECT_EQ(supplies, c.supplies_after);
    EXPECT_EQ(output, c.output_after);
  }
  U16 supplies(std::uint16_t{500});
  std::uint8_t yard = 0;
  EXPECT_FALSE(OrderShipyard(yard, supplies, 1));
  supplies = 501;
  EXPECT_TRUE(OrderShipyard(yard, supplies, 1) && CancelShipyard(yard, supplies, 1));
  EXPECT_EQ(supplies, 201) << "an ironclad yard raised and lowered costs 300";
  supplies = 251;
  EXPECT_TRUE(OrderShipyard(yard, supplies, 2) && CancelShipyard(yard, supplies, 2));
  EXPECT_EQ(supplies, 101);
  yard = 255;
  supplies = 1000;
  EXPECT_FALSE(OrderShipyard(yard, supplies, 2));
}

TEST_F(EconomyOrdersTest, RailLoadsStopAtCapacityAndWantAFullLoadAtTheSource) {
  TNationRec& nation = GameState.Nations[kUnion];
  struct Case {
    const char* what;
    int capacity, used, source, destination;
    bool moves;
  };
  const Case cases[] = {
      {"last load of the turn", 3, 2, 100, 0, true},
      {"capacity used up", 3, 3, 1000, 0, false},
      {"source short by one", 3, 0, 99, 0, false},
      {"destination would overflow", 3, 0, 1000, 65436, false},
      {"destination just holds it", 3, 0, 1000, 65435, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    nation.RailCapacity = static_cast<std::uint8_t>(c.capacity);
    nation.RailUsed = static_cast<std::uint8_t>(c.used);
    nation.Cotton[3] = static_cast<std::uint16_t>(c.source);
    nation.Cotton[1] = static_cast<std::uint16_t>(c.destination);
    EXPECT_EQ(TransferLoad(kUnion, true, 3, 1), c.moves);
    EXPECT_EQ(nation.Cotton[3] + nation.Cotton[1], c.source + c.destination);
    EXPECT_EQ(nation.RailUsed, c.used + (c.moves ? 1 : 0));
  }
}

TEST_F(EconomyOrdersTest, RailCapacityIsBoughtFromTheRichestTheatreFirstOfEquals) {
  TNationRec& nation = GameState.Nations[kUnion];
  struct Case {
    int s1, s2, s3, capacity, bought_from;
  };
  const Case cases[] = {{500, 500, 200, 0, 1},
                        {100, 200, 200, 0, 2},
                        {0, 0, 99, 0, 0},
                        {0, 0, 100, 0, 3},
                        {900, 0, 0, 255, 0}};
  for (const Case& c : cases) {
    nation.Supplies[1] = static_cast<std::uint16_t>(c.s1);
    nation.Supplies[2] = static_cast<std::uint16_t>(c.s2);
    nation.Supplies[3] = static_cast<std::uint16_t>(c.s3);
    nation.RailCapacity = static_cast<std::uint8_t>(c.capacity);
    EXPECT_EQ(BuyRailCapacity(kUnion), c.bought_from) << c.s1 << "/" << c.s2 << "/" << c.s3;
    EXPECT_EQ(nation.RailCapacity, c.capacity + (c.bought_from != 0 ? 1 : 0));
  }
}

TEST_F(EconomyOrdersTest, SharesNeverTotalMoreThanAWhole) {
  TNationRec& nation = GameState.Nations[kUnion];
  struct Case {
    int shares[4];
    bool raise;
    bool acts;
  };
  const Case cases[] = {{{40, 30, 20, 10}, true, false},
                        {{40, 30, 20, 9}, true, true},
                        {{100, 0, 0, 0}, true, false},
                        {{0, 0, 0, 0}, false, false},
                        {{1, 0, 0, 0}, false, true}};
  for (const Case& c : cases) {
    for (int s = 1; s <= 4; ++s)
      nation.ProductionShare[s] = static_cast<std::uint8_t>(c.shares[s - 1]);
    const int before = ShareTotal(nation);
    EXPECT_EQ(c.raise ? RaiseShare(nation, 1) : LowerShare(nation, 1), c.acts) << before;
    EXPECT_EQ(ShareTotal(nation), before + (c.acts ? (c.raise ? 1 : -1) : 0));
  }
}

TEST_F(EconomyOrdersTest, ATypedBountyIsHeldToTwentyAndTextKeepsTheOld) {
  EXPECT_EQ(TypedBounty("99"), 20);
  EXPECT_EQ(TypedBounty("20"), 20);
  EXPECT_EQ(TypedBounty("-3"), 0);
  EXPECT_EQ(TypedBounty("99999999999999999999"), 20);
  EXPECT_EQ(TypedBounty("ten"), std::nullopt);
  EXPECT_EQ(TypedBounty(""), std::nullopt);
}

TEST_F(EconomyOrdersTest, SupportBandsMeetAtTheirEdges) {
  const int cases[][2] = {{0, 627},  {20, 627}, {21, 628}, {40, 628},  {41, 629}, {59, 629},
                          {60, 630}, {80, 630}, {81, 631}, {100, 631}, {101, 0}};
  for (const auto& [loyalty, line] : cases) EXPECT_EQ(SupportWordLine(loyalty), line) << loyalty;
}

}  // namespace
