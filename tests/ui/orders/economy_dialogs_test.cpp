// The economy dialogs under the player's hand: held spinners spend no more
// than the rules allow, typed figures are held to their range, and a nation
// with nothing to list opens an empty dialog.
#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "ui/orders/city_orders.h"
#include "ui/orders/city_production.h"
#include "ui/orders/manpower_settings.h"
#include "ui/orders/state_statistics.h"
#include "ui/orders/transfers.h"
#include "world/vardecl.h"

namespace {

class EconomyDialogTest : public OrderDialogTest {
 protected:
  TNationRec& Union() { return GameState.Nations[TNation::Union]; }
};

TEST_F(EconomyDialogTest, HoldingTheTransferSpinnerMovesOnlyTheLoadTheRailwaysHaveLeft) {
  Union().RailCapacity = 3;
  Union().RailUsed = 2;
  Union().Supplies[2] = 1000;
  bool offered_after = true;
  OnModal([&](TForm& form) {
    auto& transfers = dynamic_cast<TTransfers&>(form);
    Hold(*transfers.UpDowns[0], true, 2000);
    offered_after = transfers.UpDowns[0]->Enabled();
    Hold(*transfers.UpDowns[3], true, 0);  // more capacity offers the routes again
    EXPECT_TRUE(transfers.UpDowns[0]->Enabled());
    Click(*transfers.Button1);
  });
  ShowTransfers();
  EXPECT_FALSE(offered_after);
  EXPECT_EQ(Union().Supplies[1], 100);
  EXPECT_EQ(Union().Supplies[2], 800) << "one load sent and one unit of capacity bought";
  EXPECT_EQ(Union().RailUsed, 3);
  EXPECT_EQ(Union().RailCapacity, 4);
}

TEST_F(EconomyDialogTest, ARouteSwitchedToCottonMovesCottonAndTheOthersStillSupplies) {
  Union().RailCapacity = 5;
  Union().Supplies[3] = Union().Cotton[3] = 300;
  OnModal([&](TForm& form) {
    auto& transfers = dynamic_cast<TTransfers&>(form);
    Click(*transfers.RadioButtons[3]);
    Hold(*transfers.UpDowns[1], true, 0);  // Mississippi to Seaboard, cotton
    Hold(*transfers.UpDowns[2], true, 0);  // Mississippi to West, supplies
    Click(*transfers.Button1);
  });
  ShowTransfers();
  EXPECT_EQ(Union().Cotton[1], 100);
  EXPECT_EQ(Union().Supplies[1], 0);
  EXPECT_EQ(Union().Supplies[2], 100);
  EXPECT_EQ(Union().Cotton[3] + Union().Supplies[3], 400);
}

TEST_F(EconomyDialogTest, HoldingTheCoastalGunSpinnerBuysOnlyWhatTheSuppliesExceed) {
  const int city = AddCity(4, 4, TNation::Union);
  TCity& port = GameState.Cities[city];
  port.Theatre = 1;
  port.SeaPort = 1;
  port.SupplyLevel = 1;
  GameState.Year = 1861;
  Union().Supplies[1] = 350;
  CurrentCity = static_cast<std::uint16_t>(city);
  bool fort_offered_after = true;
  OnModal([&](TForm& form) {
    auto& orders = dynamic_cast<TCityOrder&>(form);
    Hold(*orders.UpDown1, true, 2000);
    Union().Supplies[1] = 200;
    Hold(*orders.UpDown2, true, 2000);
    fort_offered_after = orders.UpDown2->Visible();
    Click(*orders.OKBtn);
  });
  ShowCityOrders();
  EXPECT_EQ(port.CoastalGuns, 3);
  EXPECT_EQ(port.Fortifications, 1) << "one level a turn";
  EXPECT_EQ(Union().Supplies[1], 200 - 175);
  EXPECT_FALSE(fort_offered_after);
}

TEST_F(EconomyDialogTest, AnotherNationsCityOffersNoSpendingSpinners) {
  const int city = AddCity(4, 4, TNation::Confederacy);
  GameState.Cities[city].SeaPort = GameState.Cities[city].SupplyLevel = 1;
  CurrentCity = static_cast<std::uint16_t>(city);
  OnModal([&](TForm& form) {
    auto& orders = dynamic_cast<TCityOrder&>(form);
    EXPECT_FALSE(orders.UpDown1->Visible());
    EXPECT_FALSE(orders.UpDown2->Visible());
    Click(*orders.OKBtn);
  });
  ShowCityOrders();
}

TEST_F(EconomyDialogTest, ABountyTypedAboveTheLimitGivesTheLimit) {
  Union().Bounty = 5;
  OnModal([&](TForm& form) {
    auto& draft = dynamic_cast<TOrdDraft&>(form);
    Click(*draft.Bounty1);
    session.Backend().Type("99");
    Click(*draft.Button1);
  });
  ShowManpowerSettings();
  EXPECT_EQ(Union().Bounty, 20);
}

// Recruits are counted in fifties; none reads as a plain 0.
TEST_F(EconomyDialogTest, TheMonthsRecruitsReadInMen) {
  for (const auto& [recruits, shown] : {std::pair{0, "0"}, std::pair{3, "150"}}) {
    Union().MonthRecruits = static_cast<std::uint16_t>(recruits);
    OnModal([&](TForm& form) {
      EXPECT_EQ(Owned<TLabel>(form, "Label14").Caption(), shown);
      Click(*dynamic_cast<TOrdDraft&>(form).Button1);
    });
    ShowManpowerSettings();
  }
}

// Each arm's share stands beside its caption, the share's per cent sign
// beside the figure and the spin button beside the sign.
TEST_F(EconomyDialogTest, EachShareStandsBesideItsArm) {
  const char* arms[] = {"Label7", "Label9", "Label11", "Label13"};
  const char* percents[] = {"Label16", "Label17", "Label18", "Label19"};
  OnModal([&](TForm& form) {
    auto& draft = dynamic_cast<TOrdDraft&>(form);
    for (int share = 0; share < 4; ++share) {
      const TLabel& percent = Owned<TLabel>(form, percents[share]);
      EXPECT_EQ(percent.Caption(), "%");
      EXPECT_TRUE(Beside(*draft.ShareLabels[share], Owned<TLabel>(form, arms[share])))
          << arms[share];
      EXPECT_TRUE(Beside(percent, *draft.ShareLabels[share])) << percents[share];
      EXPECT_TRUE(Beside(*draft.UpDowns[share], percent)) << percents[share];
    }
    Click(*draft.Button1);
  });
  ShowManpowerSettings();
}

// Every label of the design is there and shows its caption whole: the
// bounty's unit and range, the appeal's interval, the shares' limit and the
// policies' permanence among them.
TEST_F(EconomyDialogTest, ManpowerSettingsHasEveryLabelOfItsDesign) {
  OnModal([&](TForm& form) {
    EXPECT_EQ(MissingOrCutLabels(form, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                        13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}),
              std::vector<std::string>{});
    EXPECT_EQ(Owned<TLabel>(form, "Label4").Caption(), "(Appeal : 3 months between minimum)");
    Click(*dynamic_cast<TOrdDraft&>(form).Button1);
  });
  ShowManpowerSettings();
}

TEST_F(EconomyDialogTest, AConfederateEmancipationMarksTheConfederacyAlone) {
  CurrentSide = TNation::Confederacy;
  TNationRec& south = GameState.Nations[TNation::Confederacy];
  south.PolicyStatus = 10;
  south.WarScore = -5;
  OnModal([&](TForm& form) {
    auto& draft = dynamic_cast<TOrdDraft&>(form);
    EXPECT_TRUE(draft.RadioButton1->Enabled());
    EXPECT_FALSE(draft.RadioButton3->Enabled());
    Click(*draft.RadioButton1);
    Click(*draft.Button1);
  });
  ShowManpowerSettings();
  EXPECT_EQ(south.PolicyStatus, 11);
  EXPECT_EQ(Union().PolicyStatus, 0);
}

TEST_F(EconomyDialogTest, ANationHoldingNoStateSeesAnEmptyListAndNothingSelected) {
  OnModal([&](TForm& form) {
    auto& stats = dynamic_cast<TStatStat&>(form);
    EXPECT_EQ(stats.StatusBox->Count(), 0);
    Click(*stats.StatusBox);
    EXPECT_EQ(stats.SelectedState, 0);
    Click(*stats.Button1);
  });
  ShowStateStats();
}

TEST_F(EconomyDialogTest, OnlyAStateWithoutACapitalCityShowsItsProduction) {
  for (int s : {1, 2}) {
    GameState.States[s].Nation = TNation::Union;
    GameState.States[s].Theatre = 1;
  }
  GameState.States[1].CapitalCity = static_cast<std::uint8_t>(AddCity(3, 3, TNation::Union));
  GameState.WeaponTypes[1].Cost[TNation::Union] = 6;
  Union().Supplies[1] = 11;
  OnModal([&](TForm& form) {
    auto& stats = dynamic_cast<TStatStat&>(form);
    EXPECT_FALSE(stats.UpDownOf(1)->Visible());
    ClickRow(*stats.StatusBox, 1);
    ASSERT_TRUE(stats.UpDownOf(1)->Visible());
    EXPECT_EQ(stats.UpDownOf(1)->Name(), "UpDown5");
    // Each weapon's figure clear of the dome, and its spin button apart
    // from the next row's.
    constexpr int kFigures[] = {29, 16, 17, 18, 30, 19, 20, 21};
    const auto label = [&](int n) -> const TLabel& {
      return Owned<TLabel>(form, "Label" + std::to_string(n));
    };
    for (int w = 1; w <= 8; ++w) {
      if (w > 1) {
        EXPECT_GE(stats.UpDownOf(w)->Top() - stats.UpDownOf(w - 1)->BoundsRect().Bottom, 2) << w;
      }
      EXPECT_FALSE(OnTheEmblem(form, label(kFigures[w - 1]))) << w;
    }
    for (int n = 22; n <= 26; ++n) EXPECT_FALSE(OnTheEmblem(form, label(n))) << n;
    Hold(*stats.UpDownOf(1), true, 0);
    Click(*stats.Button1);
  });
  ShowStateStats();
  EXPECT_EQ(GameState.States[2].WeaponOutput[1], 1);
  EXPECT_EQ(Union().Supplies[1], 1);
}

// Both production dialogs keep their designs' weapon captions, padded as
// each design has them, drawn whole and flush right so that their colons end
// in one pixel column; each row's figure and spin button stand beside its
// caption.
TEST_F(EconomyDialogTest, WeaponCaptionsKeepTheirDesignTextsAndLineUpTheirColons) {
  const struct {
    const char* dialog;
    const char* caption_label;
    const char* caption;
    const char* figure;
    const char* spin;
  } rows[] = {
      {"TCtyProdn", "WeaponCaption1", "Muskets        :", "Label30", "UpDown1"},
      {"TCtyProdn", "WeaponCaption2", "Springfields  :", "Label20", "UpDown2"},
      {"TCtyProdn", "WeaponCaption3", "Sharps          :", "Label21", "UpDown3"},
      {"TCtyProdn", "WeaponCaption4", "Spencers      :", "Label22", "UpDown4"},
      {"TCtyProdn", "WeaponCaption5", "Shotguns       :", "Label31", "UpDown5"},
      {"TCtyProdn", "WeaponCaption6", "Smoothbores:", "Label24", "UpDown6"},
      {"TCtyProdn", "WeaponCaption7", "Parrotts        :", "Label25", "UpDown7"},
      {"TCtyProdn", "WeaponCaption8", "Whitworths   :", "Label26", "UpDown8"},
      {"TStatStat", "Label28", "Muskets        :", "Label29", "UpDown5"},
      {"TStatStat", "Label5", "Springfields   :", "Label16", "UpDown2"},
      {"TStatStat", "Label6", "Sharps           :", "Label17", "UpDown3"},
      {"TStatStat", "Label7", "Spencers       :", "Label18", "UpDown4"},
      {"TStatStat", "Label27", "Shotguns      :", "Label30", "UpDown1"},
      {"TStatStat", "Label8", "Smoothbores:", "Label19", "UpDown6"},
      {"TStatStat", "Label9", "Parrotts         :", "Label20", "UpDown7"},
      {"TStatStat", "Label10", "Whitworths   :", "Label21", "UpDown8"},
  };
  GameState.States[1].Nation = TNation::Union;  // off the map: its production is shown
  OnModal([&](TForm& form) {
    int colons = -1;
    for (const auto& row : rows) {
      if (form.Name() != row.dialog) continue;
      const TLabel& caption = Owned<TLabel>(form, row.caption_label);
      const TControl& figure = Owned<TLabel>(form, row.figure);
      EXPECT_EQ(caption.Caption(), row.caption) << row.dialog << " " << row.caption_label;
      EXPECT_FALSE(Cut(caption)) << row.caption;
      if (colons < 0) colons = RightmostInk(caption);
      EXPECT_EQ(RightmostInk(caption), colons) << row.caption;
      EXPECT_TRUE(Beside(figure, caption) && Beside(Owned<TControl>(form, row.spin), figure))
          << row.dialog << " " << row.caption;
    }
    form.SetModalResult(mrOk);
  });
  ShowCityProduction();
  ShowStateStats();
}

TEST_F(EconomyDialogTest, WithoutACapitalTheProductionSpinnersWaitForACity) {
  const int city = AddCity(3, 3, TNation::Union);
  GameState.Cities[city].Theatre = 1;
  Union().Supplies[1] = 1000;
  OnModal([&](TForm& form) {
    auto& production = dynamic_cast<TCtyProdn&>(form);
    production.SpinClick(1, true);
    EXPECT_EQ(GameState.Cities[city].WeaponOutput[1], 0);
    ClickRow(*production.FactoryLst, 0);
    EXPECT_FALSE(production.UpDown(2)->Visible()) << "no depot: muskets and shotguns only";
    Hold(*production.UpDown(1), true, 0);
    production.SpinClick(9, true);  // an inland city has no yards
    Click(*production.Button1);
  });
  ShowCityProduction();
  EXPECT_EQ(GameState.Cities[city].WeaponOutput[1], 1);
  EXPECT_EQ(GameState.Cities[city].ShipyardA, 0);
  EXPECT_EQ(Union().Supplies[1], 1000 - 4);
}

TEST_F(EconomyDialogTest, ProductionOpensOnTheCapitalsRow) {
  AddCity(3, 3, TNation::Union);
  const int capital = AddCity(5, 5, TNation::Union);
  Union().Capital = static_cast<std::uint8_t>(capital);
  OnModal([&](TForm& form) {
    auto& production = dynamic_cast<TCtyProdn&>(form);
    EXPECT_EQ(production.FactoryLst->ItemIndex(), 1);
    EXPECT_EQ(production.SelectedCity, capital);
    Click(*production.Button1);
  });
  ShowCityProduction();
}

}  // namespace
