// The status and overview views: what they list and show, and the few things
// they change: the capital, and the unit in view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/label.h"
#include "ui/main/views/army_overview.h"
#include "ui/main/views/conditions.h"
#include "ui/main/views/fleet_overview.h"
#include "ui/main/views/force_status.h"
#include "ui/orders/dialog_fixture.h"

namespace {

class StatusViewsTest : public OrderDialogTest {
 protected:
  // Answers each warning and information box in turn (true: OK), and lets
  // `play` act in the view.
  template <class View>
  void Play(std::vector<bool> answers, const std::function<void(View&)>& play) {
    OnModal([this, answers, play](TForm& form) mutable {
      if (form.Name() == "MessageDialog") {
        messages.push_back(FindOwned<TLabel>(form, "Message")->Caption());
        const bool ok = answers.empty() || answers.front();
        if (!answers.empty()) answers.erase(answers.begin());
        Click(*FindOwned<TControl>(form, ok ? "OK" : "Cancel"));
        return;
      }
      if (auto* view = dynamic_cast<View*>(&form)) {
        play(*view);
        form.SetModalResult(mrOk);
        return;
      }
      opened.push_back(form.Name());
      form.SetModalResult(mrOk);
    });
  }

  std::vector<std::string> messages;
  std::vector<std::string> opened;
};

TEST_F(StatusViewsTest, WeatherAndInterventionReadAsListed) {
  const struct {
    int weather, text;
  } words[] = {{1, 87}, {2, 82}, {3, 83}, {4, 83}, {5, 84}, {6, 85}, {7, 86}, {8, 86}, {9, 87}};
  for (const auto& w : words) EXPECT_EQ(WeatherWordText(w.weather), w.text) << w.weather;
  const struct {
    int attitude, chance;
  } leanings[] = {{-15, 100}, {0, 100}, {1, 99}, {99, 1}, {100, 0}, {300, 0}};
  for (const auto& l : leanings) EXPECT_EQ(InterventionChance(l.attitude), l.chance) << l.attitude;
}

// No state of a nation leaves its gauge empty; the mean loyalty rounds down.
TEST_F(StatusViewsTest, PrestigeIsTheMeanLoyaltyOfTheNationsStates) {
  GameState.States[1].Nation = TNation::Union;
  GameState.States[1].Loyalty = 60;
  GameState.States[2].Nation = TNation::Union;
  GameState.States[2].Loyalty = 51;
  GameState.Nations[TNation::Britain].Attitude = -20;
  Play<TCondition>({}, [](TCondition& view) {
    EXPECT_EQ(view.USAPrestigeGuage->Progress(), 55);
    EXPECT_EQ(view.CSAPrestigeGuage->Progress(), 0);
    EXPECT_EQ(view.InterveneGuage->Progress(), 100);
  });
  ShowConditions();
}

// The side's own original cities worth 5 or more are offered; the capital's
// line, below another, is selected without asking anything, and again when a
// choice is cancelled.
TEST_F(StatusViewsTest, TheCapitalMovesOnlyAfterTheWarningToAnotherCity) {
  const int albany = AddCity(12, 10, TSide::Union);
  const int boston = AddCity(10, 10, TSide::Union);
  const int salem = AddCity(14, 10, TSide::Union);
  const int captured = AddCity(16, 10, TSide::Union);
  GameState.Cities[boston].Value = 10;
  GameState.Cities[albany].Value = 5;
  GameState.Cities[salem].Value = 4;
  GameState.Cities[captured].Value = 9;
  GameState.Cities[captured].OriginalSide = TSide::Confederate;
  GameState.Nations[TNation::Union].Capital = static_cast<std::uint8_t>(boston);

  Play<TForceStatus>({false, true, true, true}, [&](TForceStatus& view) {
    ASSERT_EQ(view.ListBox1->Count(), 2);
    EXPECT_EQ(view.ListBox1->ItemIndex(), 1);
    ClickRow(*view.ListBox1, 0);  // cancelled
    EXPECT_EQ(GameState.Nations[TNation::Union].Capital, boston);
    EXPECT_EQ(view.ListBox1->ItemIndex(), 1) << "the capital's line again";
    ClickRow(*view.ListBox1, 1);  // the capital already
    EXPECT_EQ(GameState.Nations[TNation::Union].Capital, boston);
    ClickRow(*view.ListBox1, 0);
    EXPECT_EQ(view.ListBox1->ItemIndex(), 0);
    EXPECT_EQ(view.Label(69).Caption(), "Union text 396 : City " + std::to_string(albany));
  });
  ShowForceStatus();
  EXPECT_EQ(messages, (std::vector<std::string>{"text 679", "text 679", "text 679",
                                                "text 172City " + std::to_string(albany)}));
  EXPECT_EQ(GameState.Nations[TNation::Union].Capital, albany);
  EXPECT_EQ(GameState.Cities[albany].Value, 10);
  EXPECT_EQ(GameState.Cities[boston].Value, 5);
}

// A side without a capital gains one; nothing is taken from no city.
TEST_F(StatusViewsTest, ACapitalCanBeChosenWhereThereWasNone) {
  const int city = AddCity(10, 10, TSide::Union);
  GameState.Cities[city].Value = 250;
  GameState.Nations[TNation::Union].Capital = 0;
  EXPECT_TRUE(MoveCapital(TNation::Union, city));
  EXPECT_EQ(GameState.Cities[city].Value, 255);
  EXPECT_FALSE(MoveCapital(TNation::Union, 0));
  EXPECT_EQ(GameState.Nations[TNation::Union].Capital, city);
}

// Fleets on the stocks are listed with their status and brought into view
// without orders; freed slots (26 and up) are not listed.
TEST_F(StatusViewsTest, TheNavalOverviewOpensOrdersOnlyForAFleetAfloat) {
  const int afloat = AddFleet(20, 30, TSide::Union, TNation::Union);
  const int building = AddFleet(40, 10, TSide::Union, TNation::Union);
  const int freed = AddFleet(5, 5, TSide::Union, TNation::Union);
  GameState.Fleets[building].Status = 25;
  GameState.Fleets[freed].Status = 26;
  GameState.Fleets[afloat].Mission = 2;
  GameState.Fleets[afloat].Ships[1] = 3;
  GameState.Fleets[afloat].DamagedShips[2] = 1;
  EXPECT_EQ(FleetOverviewLine(building).substr(FleetOverviewLine(building).rfind(", ") + 2),
            "text 591:25");
  Play<TFleetOver>({}, [&](TFleetOver& view) {
    ASSERT_EQ(view.ListBox1->Count(), 2);
    EXPECT_EQ(view.ListBox1->Items()[0].substr(view.ListBox1->Items()[0].size() - 11),
              "4, text 308");
    ClickRow(*view.ListBox1, 1);
    EXPECT_EQ(ViewLeft, 40);
    EXPECT_TRUE(opened.empty());
    ClickRow(*view.ListBox1, 0);
    EXPECT_EQ(ViewTop, 30);
    EXPECT_EQ(opened.size(), 1u);
  });
  ShowFleetOverview();
  EXPECT_EQ(CurrentFleet, afloat);
}

// Only the side's active corps with a commander are listed, each by its
// commander, men and guns; a press on a line brings the corps into view and
// opens its orders.
TEST_F(StatusViewsTest, TheArmyOverviewListsTheSidesCommandedCorpsAndOpensTheirOrders) {
  const int listed = AddCorps(20, 30, TSide::Union, TNation::Union);
  AddCorps(22, 30, TSide::Union, TNation::Union);  // no commander
  const int enemy = AddCorps(24, 30, TSide::Confederate, TNation::Confederacy);
  GameState.Corps[listed].Leader = 5;
  GameState.Corps[listed].Strength = 3;
  GameState.Corps[listed].ArtilleryStrength = 4;
  GameState.Leaders[5].Name = "Hooker";
  GameState.Corps[enemy].Leader = 6;
  const int inactive = AddCorps(26, 30, TSide::Union, TNation::Union);
  GameState.Corps[inactive].Leader = 7;
  GameState.Corps[inactive].Inactive = 1;
  Play<TForceOver>({}, [&](TForceOver& view) {
    ASSERT_EQ(view.ListBox1->Count(), 1);
    EXPECT_EQ(view.ListBox1->Items()[0].substr(0, 16), "Hooker, 150, 8, ");
    EXPECT_TRUE(opened.empty());
    ClickRow(*view.ListBox1, 0);
    EXPECT_EQ(ViewLeft, 20);
    EXPECT_EQ(ViewTop, 30);
    EXPECT_EQ(opened, std::vector<std::string>{"TCorpsOrder"});
  });
  ShowForceOverview();
  EXPECT_EQ(CurrentCorps, listed);
}

// Priority and side scale a corps' supply; a corps in a city names it alone,
// elsewhere the nearest city (the first of equals) with its distance.
TEST_F(StatusViewsTest, TheArmyOverviewColumns) {
  const int north = AddCity(10, 10, TSide::Union);
  const int south = AddCity(10, 14, TSide::Union);
  GameState.Cities[north].State = 3;
  GameState.States[3].ShortName = "NY";
  TCorps corps{};
  corps.X = 10;
  corps.Y = 10;
  corps.OtherBrigades = 2;
  corps.ArtilleryBrigades = 1;
  const struct {
    int priority, type, side;
    std::string column;
  } supplies[] = {
      {0, 0, TNation::Union, "12/ text 244"},     {2, 0, TNation::Confederacy, "18/ text 246"},
      {1, 0, TNation::France, "6/ text 245"},     {1, 1, TNation::Britain, "12/ text 245"},
      {3, 0, TNation::France, "12/ "},
  };
  for (const auto& s : supplies) {
    corps.SupplyPriority = static_cast<std::uint8_t>(s.priority);
    corps.SupplyType = static_cast<std::uint8_t>(s.type);
    EXPECT_EQ(CorpsSupplyColumn(corps, s.side), s.column) << s.priority << " " << s.side;
  }
  EXPECT_EQ(CorpsLocationColumn(corps), "City " + std::to_string(north) + ", NY");
  corps.Y = 12;
  EXPECT_EQ(CorpsLocationColumn(corps), "30text 52City " + std::to_string(north) + ", NY");
  corps.Y = 13;
  EXPECT_EQ(CorpsLocationColumn(corps).substr(0, 13), "15text 52City");
  EXPECT_NE(CorpsLocationColumn(corps).find(std::to_string(south)), std::string::npos);
}

}  // namespace
