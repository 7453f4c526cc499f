// The notice forms: which form each kind opens, with what captions, whether
// the player's answer reaches the notice, and the timer held meanwhile.
#include "ui/main/notices/event_notices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/controls/button.h"
#include "platform/controls/label.h"
#include "platform/graphics/canvas.h"
#include "support/overlapping_controls.h"
#include "support/window_fixture.h"
#include "ui/main/notices/notice_form.h"
#include "ui/main/notices/notice_lines.h"
#include "widgets/graphic_button.h"
#include "world/game_window.h"
#include "world/vardecl.h"

namespace {

class NoticeFormTest : public WindowTest {
 protected:
  // Raises a notice of the kind offering `offered` and naming `start` the
  // option to start on; `answer` acts in its form.
  std::optional<std::string> Show(int kind, const std::vector<int>& offered,
                                  const std::function<void(TNoticeForm&)>& answer, int start = 0) {
    ClearEventMessage();
    EventMessage.Kind = static_cast<std::uint16_t>(kind);
    EventMessage.Choice = static_cast<std::uint16_t>(start);
    EventMessage.Line1 = std::string(50, 'x');
    EventMessage.Line2 = " stands alone";
    for (int k : offered) {
      EventOptions[k].Present = 1;
      EventOptions[k].Text = "option " + std::to_string(k);
    }
    std::optional<std::string> shown;
    session.Backend().SetModalHook([&](TForm& form) {
      shown = form.Name();
      ExpectControlsApart(form);
      EXPECT_FALSE(timer.Enabled());
      answer(dynamic_cast<TNoticeForm&>(form));
    });
    ShowEventMessage(EventMessage, EventOptions, timer);
    return shown;
  }
  void Click(const TControl& control) { session.Backend().Click(control); }
  // A line's rows as one text again.
  static std::string WithoutBreaks(std::string text) {
    std::erase(text, '\n');
    return text;
  }
  static std::string ButtonCaption(const TControl* button) {
    if (auto* graphic = dynamic_cast<const TKxGraphicButton*>(button)) return graphic->Caption();
    return button->Caption();
  }

  THeadlessSession session;
  TTimer timer;
};

TEST_F(NoticeFormTest, EachKindOpensItsFormWithItsCaptionsAndAnswers) {
  struct Row {
    int kind;
    const char* form;  // "" for a kind shown to no one
    const char* caption;
    const char* ok;
    bool takes_choice;
  };
  const Row rows[] = {
      {0, "TStndDial", "", "OK", true},
      {1, "TBlockade_Run", "text 480", "text 66", true},
      {2, "TBridging", "text 584", "text 66", true},
      {3, "TCity_Fall", "text 531", "text 66", true},
      {4, "TDraft_Rioting", "text 43", "text 66", false},
      {5, "TFleet_Embark", "text 595", "OK", false},
      {6, "TRail_Move", "text 656", "text 66", false},
      {7, "TFort_Build", "text 600", "OK", false},
      {8, "TGovernor_Complaints", "text 605", "OK", false},
      {9, "TFleet_Embark", "text 729", "OK", false},
      {10, "TInauguration", "text 606", "OK", false},
      {11, "TCombat_Roles", "text 351", "text 66", true},
      {12, "", "", "", false},
      {13, "", "", "", false},
      {14, "TRebellion", "text 42", "text 66", true},
      {15, "TScuttled", "text 44", "text 66", false},
      {16, "", "", "", false},
      {17, "TFleetSpls", "text 592", "OK", true},
      {18, "TState_Lost", "text 45", "text 66", false},
      {19, "TTraining", "text 238", "text 66", false},
      {20, "TArmyFormed", "text 481", "text 66", false},
      {21, "TCorpsFrm", "text 578", "text 66", false},
      {22, "TBrgdFormed", "text 482", "text 66", true},
      {23, "TForces_Added", "text 599", "OK", true},
      {24, "TNewspapr", "text 604", "OK", false},
      {25, "TForeign_Affairs", "text 603", "option 1", true},
      {26, "", "", "", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    timer.SetEnabled(true);
    const auto shown = Show(row.kind, {1, 3}, [&](TNoticeForm& form) {
      EXPECT_EQ(form.Caption(), row.caption);
      EXPECT_EQ(ButtonCaption(form.Buttons[0]), row.ok);
      EXPECT_EQ(WithoutBreaks(form.Lines[0]->Caption()), std::string(40, 'x'));
      EXPECT_EQ(form.Lines[1]->Caption(), " stands alone");
      EXPECT_TRUE(form.Lines[1]->Visible());
      EXPECT_FALSE(form.Lines[2]->Visible()) << "an empty line shows no plate";
      Click(*form.Buttons[0]);
    });
    EXPECT_EQ(shown.value_or(""), row.form);
    EXPECT_EQ(EventMessage.Choice, row.takes_choice ? 1 : 0);
    EXPECT_EQ(NoticeKindHasForm(row.kind), shown.has_value());
    EXPECT_EQ(NoticeKindTakesChoice(row.kind), row.takes_choice);
    EXPECT_TRUE(timer.Enabled());
  }
  timer.SetEnabled(false);
  Show(0, {}, [&](TNoticeForm& form) { Click(*form.Buttons[0]); });
  EXPECT_FALSE(timer.Enabled());
}

// Option 1 starts checked when offered, unless the notice names another it
// offers; the checked option is the answer, none checked none; the
// foreign-affairs buttons answer with their own number.
TEST_F(NoticeFormTest, ThePlayersPickIsTheCheckedOptionOrThePressedButton) {
  struct Row {
    const char* case_name;
    int kind;
    std::vector<int> offered;
    std::function<TControl*(TNoticeForm&)> press;
    std::vector<int> shown;  // the radio buttons, or the buttons, that appear
    int choice;
    int start = 0;  // the option the notice names to start on
  };
  auto option = [](int k) { return [k](TNoticeForm& f) -> TControl* { return f.Options[k - 1]; }; };
  auto button = [](int b) { return [b](TNoticeForm& f) -> TControl* { return f.Buttons[b - 1]; }; };
  const Row rows[] = {
      {"options 1 and 3, untouched", 0, {1, 3}, nullptr, {1, 3}, 1},
      {"yes and no starting on no, untouched", 0, {1, 2}, nullptr, {1, 2}, 2, 2},
      {"yes and no starting on no, yes picked", 0, {1, 2}, option(1), {1, 2}, 1, 2},
      {"starting on an option not offered", 0, {1, 3}, nullptr, {1, 3}, 1, 2},
      {"starting on the last option", 0, {1, 6}, nullptr, {1, 6}, 6, 6},
      {"starting beyond the options", 0, {1, 6}, nullptr, {1, 6}, 1, 7},
      {"option 2 alone, starting on 5", 0, {2}, nullptr, {2}, 0, 5},
      {"options 1 and 3, 3 picked", 0, {1, 3}, option(3), {1, 3}, 3},
      {"option 2 alone, untouched", 0, {2}, nullptr, {2}, 0},
      {"option 2 alone, picked", 22, {2}, option(2), {2}, 2},
      {"no options", 1, {}, nullptr, {}, 0},
      {"bridging, option 1 left ticked", 2, {1, 2}, nullptr, {1}, 1},
      {"foreign affairs without options", 25, {}, button(1), {1}, 1},
      {"foreign affairs, options 2 and 4", 25, {2, 4, 6}, button(4), {1, 2, 4}, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.case_name);
    const bool buttons = row.kind == 25;
    const auto answer = [&](TNoticeForm& notice) {
      std::vector<int> shown;
      for (int k = 1; k <= (buttons ? 5 : 6); ++k) {
        if ((buttons ? notice.Buttons[k - 1] : notice.Options[k - 1])->Visible()) shown.push_back(k);
      }
      EXPECT_EQ(shown, row.shown);
      if (buttons && row.offered.empty()) {
        EXPECT_EQ(ButtonCaption(notice.Buttons[0]), "text 477");
      }
      if (row.press) Click(*row.press(notice));
      if (!buttons) Click(*notice.Buttons[0]);
    };
    Show(row.kind, row.offered, answer, row.start);
    EXPECT_EQ(EventMessage.Choice, row.choice);
  }
}

// The replace question names the saved game whole, as wide a name as the
// question carries (two lines of capitals): its rows stand within the width
// left of Yes and No, and the question's last line moves down below them.
TEST_F(NoticeFormTest, TheReplaceQuestionShowsTheWholeNameLeftOfItsAnswers) {
  const std::string name(40, 'W');
  ClearEventMessage();
  EventMessage.Line1 = "Replace the saved game";
  EventMessage.Line2 = name;
  EventMessage.Line3 = name;
  EventMessage.Line4 = "with the game in play?";
  OfferYesAndNo();
  session.Backend().SetModalHook([&](TForm& form) {
    ExpectControlsApart(form);
    auto& notice = dynamic_cast<TNoticeForm&>(form);
    EXPECT_EQ(WithoutBreaks(notice.Lines[1]->Caption()), name);
    EXPECT_EQ(WithoutBreaks(notice.Lines[2]->Caption()), name);
    TCanvas measure;
    measure.Font.Assign(notice.Lines[1]->Font());
    for (const TLabel* line : notice.Lines) {
      if (!line->Visible()) continue;
      EXPECT_LE(line->BoundsRect().Right, notice.Options[0]->Left());
      EXPECT_LE(line->BoundsRect().Bottom, form.ClientHeight());
      std::istringstream rows(line->Caption());
      for (std::string row; std::getline(rows, row);)
        EXPECT_LE(measure.TextWidth(row), line->Width()) << row;
    }
    Click(*notice.Buttons[0]);
  });
  ShowEventMessage(EventMessage, EventOptions, timer);
}

// A line goes on over as many rows as its width needs, while the notice has
// rows to spare; past them its middle gives way, its start and end shown.
TEST_F(NoticeFormTest, ALongLineWrapsWhileThereIsRoomAndLosesItsMiddleAfter) {
  TCanvas measure;
  measure.Font.SetName("Times New Roman");
  measure.Font.SetHeight(-11);
  measure.Font.SetStyle(fsBold);
  const auto name_of = [](std::size_t length) {
    std::string name = "START";
    while (name.size() < length - 3) name += name.size() % 9 == 0 ? ' ' : 'M';
    return name + "END";
  };
  const std::string sixty = name_of(60);
  const std::string long_name = name_of(250);
  const int width = 213;  // the replace question's, left of Yes and No
  const int sixty_rows = static_cast<int>(WrapRows(measure, sixty, width).size());
  const struct {
    const char* case_name;
    std::string name;
    int width, spare_rows;
    bool whole;
    const char* start;  // what is still read at either end
    const char* end;
    bool asked = true;  // the name between the replace question's lines, or alone
  } rows[] = {
      {"a row exactly as wide as the line", "WWWW", measure.TextWidth("WWWW"), 0, true, "W", "W",
       false},
      {"a pixel narrower, no row to spare", "WWWW", measure.TextWidth("WWWW") - 1, 0, false, "W",
       "W", false},
      {"a pixel narrower, a row to spare", "WWWW", measure.TextWidth("WWWW") - 1, 1, true, "W", "W",
       false},
      {"60 characters, rows enough", sixty, width, sixty_rows - 1, true, "START", "END"},
      {"60 characters, a row short", sixty, width, sixty_rows - 2, false, "START", "END"},
      {"250 characters in the replace question's room", long_name, width, 8, false, "START",
       "END"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.case_name);
    const auto fitted =
        row.asked
            ? FitLines(measure, {"Replace the saved game", row.name, "with the game in play?"},
                       row.width, row.spare_rows)
            : FitLines(measure, {"", row.name}, row.width, row.spare_rows);
    int extra_rows = 0;
    for (const auto& line : fitted) {
      extra_rows += std::max(0, static_cast<int>(line.size()) - 1);
      for (const std::string& shown : line) EXPECT_LE(measure.TextWidth(shown), row.width) << shown;
    }
    EXPECT_LE(extra_rows, row.spare_rows);
    std::string shown;
    for (const std::string& part : fitted[1]) shown += part;
    std::string name = row.name;
    std::erase(shown, ' ');
    std::erase(name, ' ');
    EXPECT_EQ(shown == name, row.whole) << shown;
    EXPECT_TRUE(shown.starts_with(row.start) && shown.ends_with(row.end)) << shown;
    EXPECT_EQ(shown.find("...") != std::string::npos, !row.whole) << shown;
  }
}

}  // namespace
