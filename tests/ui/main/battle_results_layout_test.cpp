// The results of a field battle read the same just after the fight and when
// a mail turn replays them: on both forms, with ten corps a side holding the
// longest texts a battle writes, every text fits its label, no label meets
// another or the border, each column heading starts over its column's cells,
// and every label stands where the other form puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/graphics/canvas.h"
#include "support/column_headings.h"
#include "support/overlapping_controls.h"
#include "support/turn_runner.h"
#include "ui/battles/results_form.h"
#include "ui/main/replay/replay_dialogs.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

class BattleResultsLayout : public TurnTest {
 protected:
  void SetUp() override {
    TurnTest::SetUp();
    ASSERT_TRUE(StartWithAHumanUnion(std::string(GRAYMARCH_GAME_DIR) + "/1861.gmr"));
    ASSERT_TRUE(LoadTextTable(std::string(GRAYMARCH_GAME_DIR) + "/GMR_ENG.TXT"));
  }
  THeadlessSession session;
};

int TextWidth(const TLabel& label, const std::string& text) {
  TCanvas measure;
  measure.Font.Assign(label.Font());
  return measure.TextWidth(text);
}

// The game's leaders' names, widest first in a label's font.
std::vector<std::string> WidestLeaderNames() {
  const TLabel label(nullptr);
  std::vector<std::string> names;
  for (int l = 1; l <= GameState.Leaders.Count; ++l)
    names.push_back(GameState.Leaders[l].Name.str());
  std::ranges::stable_sort(names, std::greater{},
                           [&](const std::string& name) { return TextWidth(label, name); });
  return names;
}

// Ten corps a side, every cell holding the widest text its column is given.
BattleResults LongestResults() {
  const std::vector<std::string> names = WidestLeaderNames();
  BattleResults results;
  results.initiative = "Confederate " + TextLine(666);
  results.intensity = TextLine(673);
  for (int side = 0; side < 2; ++side) {
    for (int r = 0; r < 10; ++r)
      results.rows[side].push_back(
          {names[2 * r + side], "99/99", "9999", TextLine(r % 2 == 0 ? 674 : 676)});
    results.commanders[side] = names[side];
    results.losses[side] = TextLine(404) + " 99999";
  }
  results.result = TextLine(65);
  results.weapons = TextLine(668) + "99999 weapons.";
  return results;
}

// The same battle as the battle file brings it to the other player.
TReplayedBattle Replayed(const BattleResults& results) {
  TReplayedBattle battle;
  battle.initiative = results.initiative;
  battle.result_heading = results.intensity;
  battle.union_figures = {results.commanders[0], results.losses[0]};
  battle.confederate_figures = {results.commanders[1], results.losses[1]};
  for (int side = 0; side < 2; ++side) {
    TReplayedCorpsRows& rows = side == 0 ? battle.union_corps : battle.confederate_corps;
    for (std::size_t r = 0; r < results.rows[side].size(); ++r) {
      const ResultsRow& row = results.rows[side][r];
      rows[r] = {row.leader, row.brigades, row.casualties, row.disorder};
    }
  }
  battle.result = {results.result, results.weapons};
  return battle;
}

// The first label of each column of each side's cells.
constexpr int kFirstCells[2][4] = {{3, 23, 56, 76}, {13, 33, 66, 86}};

TEST_F(BattleResultsLayout, BothFormsShowTheLongestResultsUnderTheirHeadingsInTheSamePlaces) {
  const BattleResults results = LongestResults();
  std::vector<std::string> headings;
  std::istringstream words(TextLine(665));
  for (std::string word; words >> word;) headings.push_back(word);
  ASSERT_EQ(headings.size(), 4u);

  const struct {
    const char* form;
    std::function<void()> open;
  } kForms[] = {
      {"TResolv", [&] { TResolv(results).ShowModal(); }},
      {"TReplay2", [&] { ShowReplayResults(Replayed(results)); }},
  };
  std::map<std::string, std::map<std::string, TRect>> places;
  for (const auto& shown : kForms) {
    SCOPED_TRACE(shown.form);
    int opened = 0;
    session.Backend().SetModalHook([&](TForm& form) {
      ++opened;
      ExpectControlsApart(form);
      const auto label = [&](int n) {
        return FindOwned<TLabel>(form, "Label" + std::to_string(n));
      };
      for (int i = 0; i < form.ComponentCount(); ++i) {
        const auto* text = dynamic_cast<const TLabel*>(form.Components(i));
        if (text == nullptr) continue;
        places[shown.form][text->Name()] = text->BoundsRect();
        if (text->Visible()) {
          EXPECT_LE(TextWidth(*text, text->Caption()), text->Width())
              << text->Name() << " cuts " << text->Caption();
        }
      }
      for (int side = 0; side < 2; ++side) {
        EXPECT_TRUE(HeadedBy(form, *label(kFirstCells[side][0]), TextLine(664), HeadingStart))
            << side;
        for (int column = 0; column < 4; ++column) {
          for (int row = 0; row < 10; ++row) {
            const TLabel* cell = label(kFirstCells[side][column] + row);
            ASSERT_NE(cell, nullptr);
            EXPECT_TRUE(cell->Visible());
            EXPECT_TRUE(HeadedBy(form, *cell, headings[column], HeadingStart))
                << headings[column] << " over " << cell->Name();
          }
        }
      }
      form.SetModalResult(mrOk);
    });
    shown.open();
    EXPECT_EQ(opened, 1);
  }
  EXPECT_EQ(places["TResolv"], places["TReplay2"]);
}

}  // namespace
