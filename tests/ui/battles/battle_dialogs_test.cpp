// The battle and naval dialogs on the headless backend: a battle of real play
// answered through them leaves the game and the battle file as the recording
// views do; the battle form stays up until it is fought; each form shows what
// it is given on its own picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/forms/screen.h"
#include "platform/graphics/canvas.h"
#include "platform/input/key_codes.h"
#include "support/column_headings.h"
#include "support/overlapping_controls.h"
#include "support/turn_runner.h"
#include "tools/sprites/form_backgrounds.h"
#include "ui/battles/battle_form.h"
#include "ui/battles/dialog_battle_views.h"
#include "ui/battles/intensity_dialog.h"
#include "ui/battles/leader_casualty.h"
#include "ui/battles/naval_combat_form.h"
#include "ui/battles/results_form.h"
#include "world/codes.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kMostTurns = 12;
// Held by one battery and a small corps, with the Confederate fleets in its
// harbour: a march on it brings field battles, an assault and fleet actions.
constexpr int kNorfolk = 18;

class BattleDialogs : public TurnTest {
 protected:
  void OnModal(std::function<void(TForm&)> answer) {
    session.Backend().SetModalHook([answer = std::move(answer)](TForm& form) {
      ExpectControlsApart(form);
      answer(form);
    });
  }
  void Click(const TControl& control) { session.Backend().Click(control); }
  template <typename T>
  static T& Owned(const TForm& form, const std::string& name) {
    T* found = FindOwned<T>(form, name);
    if (!found) throw std::logic_error("no control " + name);
    return *found;
  }
  static std::string CaptionOf(const TForm& form, const std::string& label) {
    return Owned<TLabel>(form, label).Caption();
  }

  // The player's hand in every battle dialog, giving the recording views'
  // own answers: intensity 1, the first leader listed, the analysis looked at.
  void AnswerAsTheRecordingViewsDo(TForm& form) {
    opened.push_back(form.Name());
    const auto press = [&](const char* name) {
      auto* button = FindOwned<TKxGraphicButton>(form, name);
      if (button && button->Visible() && button->Enabled()) Click(*button);
    };
    if (form.Name() == "TLdr_Dead") {
      auto& list = Owned<TListBox>(form, "ListBox1");
      if (list.Count() > 0) {
        const TRect r = list.ItemRect(0);
        session.Backend().Click(list.ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
      }
    }
    for (const char* name : {"Button3", "Button4", "Button1", "Button2"}) press(name);
  }

  // The 1861 start with the Union in a player's hands, marching on Norfolk.
  // Played as a mail game, so that the battles write the battle file.
  void Start() {
    ASSERT_TRUE(StartWithAHumanUnion(std::string(GRAYMARCH_GAME_DIR) + "/1861.gmr"));
    ASSERT_EQ(GameState.Cities[kNorfolk].Name.str(), "Norfolk");
    GameState.PlayMode = 3;
  }

  struct Played {
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> battleFile;
  };
  Played Play(int turns) {
    TurnRunner runner;
    runner.GiveOrders = [](int nation) { MarchOn(kNorfolk, nation); };
    for (int turn = 0; turn < turns; ++turn) runner.RunTurn();
    Played played{std::vector<std::uint8_t>(sizeof(TGameState)), BattleLog};
    std::memcpy(played.bytes.data(), &GameState, sizeof(TGameState));
    return played;
  }

  THeadlessSession session;
  std::vector<std::string> opened;
};

TEST_F(BattleDialogs, ABattleAnsweredThroughTheDialogsEndsAsTheRecordedOne) {
  Start();
  int turns = 0;
  Played recorded;
  const auto all_seen = [this] {
    return !battleViews.Results().empty() && !battleViews.AssaultForms().empty() &&
           !battleViews.NavalCombats().empty();
  };
  while (turns < kMostTurns && !all_seen()) {
    recorded = Play(1);
    ++turns;
  }
  ASSERT_TRUE(all_seen()) << "within " << kMostTurns << " turns";

  DialogBattleViews dialogs;
  BattleViews* previous = InstallBattleViews(&dialogs);
  OnModal([this](TForm& form) { AnswerAsTheRecordingViewsDo(form); });
  Start();
  const Played answered = Play(turns);
  InstallBattleViews(previous);

  EXPECT_TRUE(answered.bytes == recorded.bytes);
  EXPECT_EQ(answered.battleFile, recorded.battleFile);
  EXPECT_FALSE(recorded.battleFile.empty());
  for (const char* form :
       {"Tquickrez", "TBtl_Intensity", "TResolv", "TBattleAnalysis", "TFortAssault", "TFleetCbt"})
    EXPECT_NE(std::find(opened.begin(), opened.end(), form), opened.end()) << form;
}

struct CountingControls : BattleControls {
  std::vector<int> asked;
  int executions = 0;
  std::function<void()> whileFighting;
  void SetIntensity(int side) override { asked.push_back(side); }
  void Execute() override {
    ++executions;
    if (whileFighting) whileFighting();
  }
};

BattleForm ABattle(bool union_chooses, bool confed_chooses) {
  return {"Manassas", "Woods", "Rain", "McDowell", "Beauregard", {union_chooses, confed_chooses}};
}

// Neither Escape nor the close box closes the battle form: it still waits on
// the player, which the headless backend reports.
TEST_F(BattleDialogs, TheBattleFormStaysUpThroughEscapeAndTheCloseBox) {
  CountingControls controls;
  DialogBattleViews views;
  OnModal([&](TForm& form) {
    session.Backend().PressKey(VK_ESCAPE);
    form.Close();
  });
  EXPECT_THROW(views.ShowBattle(ABattle(true, false), controls), EUnansweredModal);
  EXPECT_EQ(controls.executions, 0);
}

TEST_F(BattleDialogs, ExecuteWaitsForBothIntensitiesAndTheFightOpensOverTheForm) {
  const struct {
    bool union_chooses, confed_chooses;
    std::vector<int> asked;
  } kRows[] = {{true, true, {1, 2}}, {true, false, {1}}, {false, true, {2}}, {false, false, {}}};
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::to_string(row.union_chooses) + std::to_string(row.confed_chooses));
    CountingControls controls;
    DialogBattleViews views;
    std::string over_the_battle;
    controls.whileFighting = [&] { views.ShowResults(BattleResults{}); };
    OnModal([&](TForm& form) {
      if (form.Name() == "TResolv") {
        const int count = Screen.FormCount();
        over_the_battle = Screen.Forms(count - 2)->Name() + " under " + Screen.Forms(count - 1)->Name();
        Click(Owned<TKxGraphicButton>(form, "Button2"));
        return;
      }
      auto& battle = static_cast<Tquickrez&>(form);
      EXPECT_EQ(CaptionOf(battle, "Label43"), "Manassas");
      EXPECT_EQ(CaptionOf(battle, "Label45"), "Beauregard");
      EXPECT_EQ(battle.Button1->Enabled(), row.asked.empty());
      for (auto* button : {battle.Button3, battle.Button4}) {
        if (!button->Enabled()) continue;
        Click(*battle.Button1);
        EXPECT_EQ(controls.executions, 0);
        Click(*button);
      }
      EXPECT_TRUE(battle.Button1->Enabled());
      EXPECT_FALSE(battle.Button3->Visible() && battle.Button3->Enabled());
      Click(*battle.Button1);
      EXPECT_FALSE(battle.Button1->Enabled());
    });
    views.ShowBattle(ABattle(row.union_chooses, row.confed_chooses), controls);
    EXPECT_EQ(controls.asked, row.asked);
    EXPECT_EQ(controls.executions, 1);
    EXPECT_EQ(over_the_battle, "Tquickrez under TResolv");
  }
}

// A level the player clicks is the answer; without a click the checked level 1.
// Each side's corps stand under the same four headings.
TEST_F(BattleDialogs, TheIntensityIsTheLevelClickedOrElseOne) {
  ASSERT_TRUE(LoadTextTable(std::string(GRAYMARCH_GAME_DIR) + "/GMR_ENG.TXT"));
  IntensityView view;
  view.leftHeader = "Union";
  view.offered = {true, true, true, false, false};
  view.columns[0].push_back({"Tyler", "7", "7300", "28"});
  view.columns[1].push_back({"Johnston", "???", "???", "???"});
  DialogBattleViews views;
  for (int level : {0, 3}) {
    OnModal([&](TForm& form) {
      auto& dialog = static_cast<TBtl_Intensity&>(form);
      EXPECT_TRUE(dialog.RadioButtons[2]->Visible());
      EXPECT_FALSE(dialog.RadioButtons[3]->Visible());
      EXPECT_EQ(CaptionOf(dialog, "Label41"), "Johnston");
      const char* headings[] = {"Commander", "Brigades", "Men", "Guns"};
      for (int side = 0; side < 2; ++side) {
        for (int cell = 0; cell < 4; ++cell) {
          const TLabel& figure =
              Owned<TLabel>(dialog, "Label" + std::to_string(1 + 40 * side + cell));
          EXPECT_TRUE(HeadedBy(dialog, figure, headings[cell])) << side << " " << headings[cell];
        }
      }
      if (level != 0) Click(*dialog.RadioButtons[level - 1]);
      Click(*dialog.Button1);
    });
    EXPECT_EQ(views.ChooseIntensity(view), level == 0 ? 1 : level);
  }
}

TEST_F(BattleDialogs, OkWaitsForALeaderAndTheAnalysisOpensOnce) {
  DialogBattleViews views;
  LeaderChoiceView leaders{2, {"Grant", "Sherman"}, {1, 2}};
  OnModal([&](TForm& form) {
    auto& dialog = static_cast<TLdr_Dead&>(form);
    EXPECT_FALSE(dialog.Button1->Enabled());
    const TRect r = dialog.ListBox1->ItemRect(1);
    session.Backend().Click(dialog.ListBox1->ClientToScreen({r.Left + 4, (r.Top + r.Bottom) / 2}));
    EXPECT_TRUE(dialog.Button1->Enabled());
    Click(*dialog.Button1);
  });
  EXPECT_EQ(views.ChooseLeader(leaders), 2);

  int analyses = 0;
  BattleResults results;
  results.result = "A Union victory";
  results.analysis.outcome = "Union won";
  TRect results_place;
  OnModal([&](TForm& form) {
    if (form.Name() == "TBattleAnalysis") {
      ++analyses;
      EXPECT_EQ(form.BoundsRect(), results_place) << "the analysis covers the results whole";
      EXPECT_EQ(CaptionOf(form, "Label39"), "Union won");
      Click(Owned<TKxGraphicButton>(form, "Button1"));
      return;
    }
    auto& dialog = static_cast<TResolv&>(form);
    results_place = dialog.BoundsRect();
    EXPECT_EQ(CaptionOf(dialog, "Label50"), "A Union victory");
    Click(*dialog.Button1);
    Click(*dialog.Button1);
    EXPECT_FALSE(dialog.Button1->Enabled());
    Click(*dialog.Button2);
  });
  views.ShowResults(results);
  EXPECT_EQ(analyses, 1);
}

// Execute fights each step without closing the assault; OK only at the end.
TEST_F(BattleDialogs, TheAssaultKeepsOneFormWhoseOkComesOnlyAtTheEnd) {
  DialogBattleViews views;
  AssaultForm form{"Assault", "Assault on Richmond", {"4 works"}, "", "", false};
  std::vector<const TForm*> shown;
  OnModal([&](TForm& dialog) {
    shown.push_back(&dialog);
    auto& ok = Owned<TKxGraphicButton>(dialog, "Button2");
    auto& execute = Owned<TKxGraphicButton>(dialog, "Button1");
    EXPECT_EQ(ok.Visible(), form.over);
    EXPECT_EQ(ok.Enabled(), form.over);
    EXPECT_EQ(Owned<TLabel>(dialog, "Label10").Visible(), !form.bombardment.empty());
    EXPECT_FALSE(Owned<TLabel>(dialog, "Label3").Visible());
    Click(form.over ? ok : execute);
  });
  views.ShowAssault(form);
  form.bombardment = "The works are breached";
  views.ShowAssault(form);
  form.over = true;
  views.ShowAssault(form);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], shown[1]);
}

// Counts of 0 and empty lines stay hidden; the pictures are the forms' own.
TEST_F(BattleDialogs, TheNavalFormShowsOnlyWhatHappenedOnItsOwnPicture) {
  NavalCombatView view;
  view.place = "Naval engagement off Hatteras";
  view.ships = {{{2, 0, 1}, {0, 3, 0}}};
  view.sunk[1][1] = 1;
  DialogBattleViews views;
  OnModal([&](TForm& form) {
    EXPECT_EQ(CaptionOf(form, "Label1"), view.place);
    EXPECT_EQ(CaptionOf(form, "Label6"), "2");
    EXPECT_FALSE(Owned<TLabel>(form, "Label7").Visible());
    EXPECT_EQ(CaptionOf(form, "Label32"), "1");
    EXPECT_FALSE(Owned<TLabel>(form, "Label34").Visible());
    const TBitmap& picture = Owned<TImage>(form, "Image1").Picture();
    const auto expected = FormBackground("TFleetCbt");
    ASSERT_TRUE(expected.has_value());
    for (TPoint at : {TPoint{2, 2}, TPoint{220, 160}})
      EXPECT_EQ(picture.Pixel(at.X, at.Y), expected->Pixel(at.X, at.Y));
    Click(Owned<TKxGraphicButton>(form, "Button1"));
  });
  views.ShowNavalCombat(view);
}

// Every count stands under its heading, ship type or harbour works, on its
// side's row (ships beside the side's name, losses beside "Sunk"), and no
// text is cut off by its label's width.
TEST_F(BattleDialogs, TheNavalFormPutsEachFigureInItsCell) {
  NavalCombatView view;
  view.place = "Naval battle off Wilmington, N.C.";
  view.sides = {"Union", "Confederate"};
  view.fleets = {"3, 17, 21, 22, 25", "12"};
  view.columnHeadings = {"Ironclads", "Warships", "Transports"};
  view.cityHeading = "Harbor defenses (works-guns)";
  view.cityWorks = {"", "14-16"};
  view.ships = {{{2, 10, 3}, {1, 4, 12}}};
  view.sunk = {{{1, 2, 3}, {1, 1, 1}}};
  view.worksLost = {0, 11};
  constexpr int kShips[3][2] = {{6, 7}, {8, 9}, {10, 11}};
  constexpr int kSunk[3][2] = {{27, 31}, {28, 32}, {29, 33}};
  DialogBattleViews views;
  OnModal([&](TForm& form) {
    const auto label = [&](int n) -> const TLabel& {
      return Owned<TLabel>(form, "Label" + std::to_string(n));
    };
    const auto under = [](const TLabel& cell, const TLabel& heading) {
      const TRect a = cell.BoundsRect();
      const TRect b = heading.BoundsRect();
      return cell.Visible() && b.Left <= a.Left && a.Right <= b.Right && b.Bottom <= a.Top;
    };
    for (int s = 0; s < 2; ++s) {
      const int ships_row = label(2 + s).Top();
      const int sunk_row = Owned<TLabel>(form, "SunkCaption" + std::to_string(s + 1)).Top();
      EXPECT_LT(ships_row, sunk_row);
      for (int t = 0; t < 3; ++t) {
        const TLabel& heading = label(13 + t);
        EXPECT_TRUE(under(label(kShips[t][s]), heading)) << "ships of type " << t << ", side " << s;
        EXPECT_TRUE(under(label(kSunk[t][s]), heading)) << "sunk of type " << t << ", side " << s;
        EXPECT_EQ(label(kShips[t][s]).Top(), ships_row);
        EXPECT_EQ(label(kSunk[t][s]).Top(), sunk_row);
      }
    }
    EXPECT_TRUE(under(label(5), label(12)));
    EXPECT_EQ(label(5).Top(), label(3).Top());
    EXPECT_TRUE(under(label(30), label(12)));
    EXPECT_EQ(label(30).Caption(), "11");
    EXPECT_EQ(label(39).Caption().find(view.fleets[0]) != std::string::npos, true);
    for (int n : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 27, 28, 29, 30, 31, 32, 33, 39, 40}) {
      TCanvas measure;
      measure.Font.Assign(label(n).Font());
      EXPECT_LE(measure.TextWidth(label(n).Caption()), label(n).Width()) << label(n).Caption();
    }
    Click(Owned<TKxGraphicButton>(form, "Button1"));
  });
  views.ShowNavalCombat(view);
}

// The naval form is a report: Enter and Escape close it as its OK does, any
// other key leaves it waiting.
TEST_F(BattleDialogs, TheNavalFormClosesOnEnterAndEscapeOnly) {
  const struct {
    int key;
    bool closes;
  } kRows[] = {{VK_RETURN, true}, {VK_ESCAPE, true}, {VK_SPACE, false}};
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.key);
    DialogBattleViews views;
    TModalResult result = mrNone;
    OnModal([&](TForm& form) {
      session.Backend().PressKey(row.key);
      result = form.ModalResult();
    });
    if (row.closes) {
      views.ShowNavalCombat(NavalCombatView{});
      EXPECT_EQ(result, mrOk);
    } else {
      EXPECT_THROW(views.ShowNavalCombat(NavalCombatView{}), EUnansweredModal);
    }
  }
}

}  // namespace
