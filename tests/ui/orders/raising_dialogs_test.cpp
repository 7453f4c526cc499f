// The raising dialogs played through: a new corps or division, a new army, and
// the arming of raised brigades.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "support/turn_invariants.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/raise_army.h"
#include "ui/orders/raise_brigades.h"
#include "ui/orders/raise_corps.h"
#include "world/brigade_rules.h"
#include "world/force_builders.h"
#include "world/land_force_raising.h"

namespace {

class RaisingDialogsTest : public OrderDialogTest {
 protected:
  void SetUp() override {
    OrderDialogTest::SetUp();
    GameState.States[4].Name = "Iowa";
    GameState.States[4].Theatre = 1;
  }
  int SupplyCity(int side) {
    const int city = AddCity(12, 20 + side, side);
    GameState.Cities[city].SupplyLevel = 1;
    GameState.Cities[city].Theatre = 1;
    GameState.Cities[city].State = 4;
    return city;
  }
  template <class Dialog>
  void Play(void (*show)(), const std::function<void(Dialog&)>& play) {
    OnModal([&](TForm& form) { play(dynamic_cast<Dialog&>(form)); });
    show();
  }
};

// A commander of combat 55: room for 9 brigades in a Confederate corps and 6
// in a Union one, 4 and 3 in a division. The picked row's brigade joins; a
// battery alone forms nothing, and the slot and the battery go back.
TEST_F(RaisingDialogsTest, RaiseCorpsCapacityByNationAndWhatThePickedBrigadeForms) {
  struct Row {
    int nation, kind, rank;
    const char* shown;
    int pickedRow;
    bool formed;
  };
  for (const Row& row : std::vector<Row>{{TNation::Confederacy, 0, 3, "10", 0, false},
                                         {TNation::Union, 0, 3, "7", 1, true},
                                         {TNation::Confederacy, 1, 2, "5", 1, true},
                                         {TNation::Union, 1, 2, "4", 0, false}}) {
    WorldTest::SetUp();
    CurrentSide = row.nation;
    const int city = SupplyCity(row.nation);
    const int battery = AddBrigade({.nation = row.nation,
                                    .arm = TArm::Artillery,
                                    .strength = 16,
                                    .status = TBrigadeStatus::InGarrison,
                                    .location = city});
    const int regiment =
        AddBrigade({.nation = row.nation, .status = TBrigadeStatus::InGarrison, .location = city});
    const int leader = AddLeader({.side = row.nation, .rank = row.rank, .combat = 55});
    TurnInvariants invariants("check");
    Play<TRaiseCorps>(ShowRaiseCorps, [&](TRaiseCorps& dialog) {
      Click(*dialog.RadioButtons[row.kind]);
      ClickRow(*dialog.ListBox2, 0);
      ClickRow(*dialog.ListBox3, 0);
      EXPECT_EQ(dialog.Label2->Caption(), row.shown) << row.nation << " " << row.kind;
      ClickRow(*dialog.ListBox1, row.pickedRow);
      Click(*dialog.OKBtn);
    });
    const TCorps& corps = GameState.Corps[1];
    EXPECT_EQ(corps.Inactive == 0, row.formed);
    const int picked = row.pickedRow == 0 ? battery : regiment;
    const int left = row.pickedRow == 0 ? regiment : battery;
    EXPECT_EQ(GameState.Brigades[picked].Status,
              row.formed ? TBrigadeStatus::InCorps : TBrigadeStatus::InGarrison);
    EXPECT_TRUE(IsGarrisonOf(GameState.Brigades[left], city));
    EXPECT_EQ(GameState.Leaders[leader].Status,
              row.formed ? TLeaderStatus::InCommand : TLeaderStatus::Available);
    EXPECT_EQ(invariants.CheckRecords(), std::vector<std::string>{});
  }
}

TEST_F(RaisingDialogsTest, RaiseCorpsWithNoFreeSlotSaysSoAndOpensNothing) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) GameState.Corps[c].Inactive = 0;
  std::string said;
  OnModal([&](TForm& form) {
    said = Owned<TLabel>(form, "Message").Caption();
    form.SetModalResult(mrOk);
  });
  ShowRaiseCorps();
  EXPECT_EQ(said, kNoCorpsSlotMessage);
}

TEST_F(RaisingDialogsTest, ClosingRaiseArmyWithACityButNoLeaderTakesNoSlot) {
  SupplyCity(TSide::Union);
  AddLeader({.rank = TLeaderClass::Army});
  for (int closing = 0; closing < 15; ++closing)
    Play<TRaiseArmy>(ShowRaiseArmy, [&](TRaiseArmy& dialog) {
      // A click that chooses no leader still opens the city list (our list
      // raises no click off its rows, so the handler is called as it would be).
      dialog.ListBox2Click();
      ClickRow(*dialog.ListBox3, 0);
      EXPECT_EQ(dialog.Edit1->Text(), "Iowa");
      Click(*dialog.Button1);
    });
  EXPECT_TRUE(GameState.Armies[1].IsFree());
  Play<TRaiseArmy>(ShowRaiseArmy, [&](TRaiseArmy& dialog) {
    ClickRow(*dialog.ListBox2, 0);
    ClickRow(*dialog.ListBox3, 0);
    Click(*dialog.OKBtn);
  });
  EXPECT_EQ(GameState.Armies[1].Name.str(), "Iowa");
}

// The weapons stand in rows: each one's name, arm word and stock level.
TEST_F(RaisingDialogsTest, ArmingARaisedBrigadeSendsItToTheCityAndTakesItOffTheList) {
  const int city = SupplyCity(TSide::Union);
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Sharps] = 100;
  const int b = AddBrigade({.status = TBrigadeStatus::RaisedUnarmed, .homeState = 4, .number = 2});
  Play<TRaiseBrgds>(ShowRaiseBrigades, [&](TRaiseBrgds& dialog) {
    EXPECT_EQ(dialog.ListBox1->Items()[0], "2nd  Inf ");
    ClickRow(*dialog.ListBox1, 0);
    ClickRow(*dialog.ListBox2, 0);
    // Each weapon's arm word beside its name, its stock beside the arm word.
    for (int w = 1; w <= 8; ++w) {
      const TLabel& arm = Owned<TLabel>(dialog, "Label" + std::to_string(w + 3));
      EXPECT_TRUE(Beside(arm, *dialog.RadioButtons[w - 1]) && Beside(*dialog.StockLabels[w - 1], arm))
          << dialog.RadioButtons[w - 1]->Caption();
    }
    Click(*dialog.RadioButtons[TWeapon::Sharps - 1]);
    EXPECT_EQ(dialog.ListBox1->Items().Count(), 0);
    Click(*dialog.Button1);
  });
  EXPECT_TRUE(IsGarrisonOf(GameState.Brigades[b], city));
  EXPECT_EQ(GameState.Brigades[b].Weapon, TWeapon::Sharps);
  EXPECT_EQ(GameState.Nations[TNation::Union].WeaponStock[TWeapon::Sharps], 20);
}

// Muskets and Shotguns show their stock, in men, as the force status does,
// while it covers the brigade (80 points of infantry, 50 of cavalry); a
// shorter one reads as covered beside the arm it is issued free to, and keeps
// its design caption beside another arm.
TEST_F(RaisingDialogsTest, FreeWeaponStocksShowTheStockWhileItCoversTheBrigade) {
  const struct {
    int arm, strength, weapon, stock;
    const char* muskets;
    const char* shotguns;
  } cases[] = {{TArm::Infantry, 80, TWeapon::Muskets, 1920, "96000", "(Free)"},
               {TArm::Infantry, 80, TWeapon::Muskets, 80, "4000", "(Free)"},
               {TArm::Infantry, 80, TWeapon::Muskets, 79, "7950", "(Free)"},
               {TArm::Cavalry, 50, TWeapon::Shotguns, 50, "(Free)", "2500"},
               {TArm::Cavalry, 50, TWeapon::Shotguns, 49, "(Free)", "4950"},
               {TArm::Cavalry, 50, TWeapon::Muskets, 49, "(Free)", "2500"}};
  for (const auto& c : cases) {
    WorldTest::SetUp();
    GameState.States[4].Theatre = 1;
    CurrentSide = TNation::Union;
    SupplyCity(TSide::Union);
    GameState.Nations[TNation::Union].WeaponStock[c.weapon] = static_cast<U16>(c.stock);
    AddBrigade({.arm = c.arm,
                .strength = c.strength,
                .status = TBrigadeStatus::RaisedUnarmed,
                .homeState = 4,
                .number = 2});
    std::string muskets;
    std::string shotguns;
    Play<TRaiseBrgds>(ShowRaiseBrigades, [&](TRaiseBrgds& dialog) {
      ClickRow(*dialog.ListBox1, 0);
      ClickRow(*dialog.ListBox2, 0);
      muskets = dialog.StockLabels[TWeapon::Muskets - 1]->Caption();
      shotguns = dialog.StockLabels[TWeapon::Shotguns - 1]->Caption();
      Click(*dialog.Button1);
    });
    EXPECT_EQ(muskets, c.muskets) << c.stock;
    EXPECT_EQ(shotguns, c.shotguns) << c.stock;
  }
}

}  // namespace
