#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "control_form.h"
#include "platform/controls/edit.h"
#include "platform/controls/gauge.h"
#include "platform/controls/panel.h"
#include "platform/controls/spin_edit.h"
#include "platform/controls/up_down.h"
#include "platform/input/key_codes.h"
#include "platform/text/text_face.h"

namespace {

class ValueControlsTest : public ControlTest {
 protected:
  TColor MiddlePixel(const TEdit& edit, int x) {
    return PixelAt(edit.Left() + x, edit.Top() + edit.Height() / 2);
  }
  // The columns of an edit's text area whose middle pixel is `colour`.
  std::vector<int> ColumnsIn(const TEdit& edit, TColor colour) {
    std::vector<int> columns;
    for (int x = 2; x < edit.Width() - 2; ++x) {
      if (MiddlePixel(edit, x) == ColorToRGB(colour)) columns.push_back(x);
    }
    return columns;
  }
};

TEST_F(ValueControlsTest, TypingEditsAtTheCaretAndEveryChangeRunsOnChange) {
  auto* edit = Put<TEdit>(10, 10, 120, 21);
  edit->SetMaxLength(6);
  int changes = 0;
  edit->OnChange = [&](TComponent*) { ++changes; };
  edit->SetText("Army");
  edit->SetFocus();
  backend().PressKey(VK_END);  // the focus selected the whole text
  backend().Type(" of");
  backend().PressKey(VK_HOME);
  backend().PressKey(VK_DELETE);
  backend().Type("\b");  // nothing before the caret
  EXPECT_EQ(edit->Text(), "rmy o");
  EXPECT_EQ(changes, 4);  // code, two typed characters (the third is past MaxLength), delete
}

// Taking the focus selects the whole text: typing, Backspace or Delete
// replaces it; a click or a caret key leaves it whole and places the caret.
TEST_F(ValueControlsTest, TheFocusSelectsTheTextSoThatTypingReplacesIt) {
  auto* edit = Put<TEdit>(10, 10, 120, 21);
  auto* other = Put<TEdit>(10, 40, 120, 21);
  const struct {
    const char* what;
    int key;  // pressed before typing, or 0
    bool click_at_start;
    const char* typed;
    const char* want;
  } rows[] = {
      {"typing", 0, false, "Shiloh", "Shiloh"}, {"backspace", 0, false, "\b", ""},
      {"delete", VK_DELETE, false, "", ""},     {"end", VK_END, false, "x", "bymailx"},
      {"home", VK_HOME, false, "x", "xbymail"}, {"click", 0, true, "x", "xbymail"},
  };
  for (const auto& row : rows) {
    other->SetFocus();
    edit->SetText("bymail");
    if (row.click_at_start) {
      backend().Click(edit->ClientToScreen({3, 10}));
    } else {
      edit->SetFocus();
    }
    EXPECT_EQ(edit->SelLength(), row.click_at_start ? 0 : 6) << row.what;
    if (row.key != 0) backend().PressKey(row.key);
    backend().Type(row.typed);
    EXPECT_EQ(edit->Text(), row.want) << row.what;
    EXPECT_EQ(edit->SelLength(), 0) << row.what;
  }
}

// Text wider than the box scrolls as little as keeps the caret in it, and
// leaves no room after the text's end while its start is hidden.
TEST_F(ValueControlsTest, ALongTextScrollsToKeepTheCaretInTheBox) {
  auto* edit = Put<TEdit>(10, 10, 120, 21);
  edit->Font().SetColor(clMaroon);  // the caret alone is drawn in the window text colour
  // The first and last columns inside the frame that the caret may stand in.
  const int first = 3;
  const int last = edit->Width() - 3;
  const std::string sixty(60, 'x');
  struct Press {
    int key;
    int times;
  };
  const struct {
    const char* what;
    std::vector<Press> keys;
    const char* typed;
    int caret_column;
  } rows[] = {
      {"typed", {}, "", last},
      {"home", {{VK_HOME, 1}}, "", first},
      {"end", {{VK_HOME, 1}, {VK_END, 1}}, "", last},
      {"left past the start", {{VK_LEFT, 59}}, "", first},
      {"right past the end", {{VK_HOME, 1}, {VK_RIGHT, 59}}, "", last},
      {"backspace", {}, "\b\b\b\b\b", last},
  };
  for (const auto& row : rows) {
    edit->SetText("");
    edit->SetFocus();
    backend().Type(sixty);
    for (const Press& press : row.keys) {
      for (int i = 0; i < press.times; ++i) backend().PressKey(press.key);
    }
    backend().Type(row.typed);
    EXPECT_EQ(ColumnsIn(*edit, clWindowText), std::vector<int>{row.caret_column}) << row.what;
  }
  // The selection and the hit of a click are at the scrolled place too.
  edit->SetText(sixty);
  backend().PressKey(VK_END);
  backend().PressKey(VK_LEFT, ssShift);
  EXPECT_EQ(MiddlePixel(*edit, last - 1), ColorToRGB(clHighlight));
  backend().Click(edit->ClientToScreen({last - 1, 10}));
  EXPECT_EQ(edit->SelStart(), 60);
  // A drag past the left edge scrolls the text back under the pointer.
  backend().MouseDown(edit->ClientToScreen({last - 1, 10}));
  backend().MouseMove(edit->ClientToScreen({first - 30, 10}));
  backend().MouseUp(edit->ClientToScreen({first - 30, 10}));
  EXPECT_EQ(ColumnsIn(*edit, clWindowText), std::vector<int>{first});
  EXPECT_EQ(edit->SelStart() + edit->SelLength(), 60);
}

TEST_F(ValueControlsTest, ADisabledOrReadOnlyEditTakesNoTyping) {
  auto* edit = Put<TEdit>(10, 10, 120, 21);
  edit->SetFocus();
  edit->SetReadOnly(true);
  backend().Type("x");
  edit->SetReadOnly(false);
  edit->SetEnabled(false);
  backend().Type("x");
  EXPECT_EQ(edit->Text(), "");
}

// A spin edit takes digits and a minus in front; its value stays within its
// range, and the text follows the value when the focus leaves.
TEST_F(ValueControlsTest, ASpinEditTakesANumberAndKeepsItsValueInRange) {
  auto* spin = Put<TSpinEdit>(10, 10, 80, 21);
  auto* next = Put<TEdit>(10, 40, 80, 21);
  spin->SetMinValue(-10);
  spin->SetMaxValue(10);
  const std::tuple<const char*, const char*, int> rows[] = {{"10", "10", 10},
                                                            {"11", "11", 10},
                                                            {"-10", "-10", -10},
                                                            {"-11", "-11", -10},
                                                            {"x-4-", "-4", -4}};
  for (const auto& [typed, text, value] : rows) {
    spin->SetText("");
    spin->SetFocus();
    backend().Type(typed);
    EXPECT_EQ(spin->Text(), text) << typed;
    EXPECT_EQ(spin->Value(), value) << typed;
  }
  backend().Type("5");
  next->SetFocus();
  EXPECT_EQ(spin->Text(), "-10");
  spin->SetValue(30);
  EXPECT_EQ(spin->Value(), 10);
}

TEST_F(ValueControlsTest, ASpinEditStepsWithItsButtonsAndArrowKeys) {
  auto* spin = Put<TSpinEdit>(10, 10, 80, 22);
  spin->SetMaxValue(3);
  std::vector<int> values;
  spin->OnChange = [&](TComponent*) { values.push_back(spin->Value()); };
  backend().Click(spin->ClientToScreen({spin->Width() - 8, 5}));
  backend().PressKey(VK_UP);
  backend().PressKey(VK_UP);
  backend().PressKey(VK_UP);
  backend().Click(spin->ClientToScreen({spin->Width() - 8, spin->Height() - 5}));
  EXPECT_EQ(values, (std::vector<int>{1, 2, 3, 2}));
}

// A held button steps once at once, again after 400 ms and then every 100 ms.
TEST_F(ValueControlsTest, AHeldUpDownRepeatsAfterTheFirstPauseThenAtItsRate) {
  const std::pair<int, int> rows[] = {{0, 1}, {399, 1}, {400, 2}, {499, 2}, {500, 3}, {800, 6}};
  for (const auto& [held, steps] : rows) {
    auto* updown = Put<TUpDown>(10, 10, 17, 24);
    updown->SetMax(100);
    const TPoint upper = updown->ClientToScreen({8, 4});
    backend().MouseDown(upper);
    backend().Advance(static_cast<uint64_t>(held));
    backend().MouseUp(upper);
    backend().Advance(1000);
    EXPECT_EQ(updown->Position(), steps) << held << " ms";
    delete updown;
  }
}

TEST_F(ValueControlsTest, AnUpDownStepsWithinItsRangeUpOnItsUpperOrRightHalf) {
  auto* updown = Put<TUpDown>(10, 10, 17, 24);
  updown->SetMin(0);
  updown->SetMax(3);
  std::vector<TUDBtnType> clicks;
  int mouse_ups = 0;
  updown->OnClick = [&](TComponent*, TUDBtnType button) { clicks.push_back(button); };
  updown->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++mouse_ups; };
  const TPoint upper = updown->ClientToScreen({8, 4});
  backend().MouseDown(upper);
  backend().Advance(800);
  EXPECT_EQ(updown->Position(), 3);  // the repeat keeps going but the position stops at Max
  EXPECT_EQ(clicks.size(), 6u);
  backend().MouseUp(upper);
  EXPECT_EQ(mouse_ups, 1);
  backend().Click(updown->ClientToScreen({8, 20}));
  EXPECT_EQ(updown->Position(), 2);
  EXPECT_EQ(clicks.back(), TUDBtnType::btPrev);
  // Lying down, the right half steps up.
  updown->SetOrientation(TUDOrientation::udHorizontal);
  updown->SetBounds(10, 10, 30, 15);
  backend().Click(updown->ClientToScreen({25, 7}));
  EXPECT_EQ(updown->Position(), 3);
  for (int i = 0; i < 3; ++i) backend().Click(updown->ClientToScreen({4, 7}));
  EXPECT_EQ(updown->Position(), 0);  // and stops at Min
}

TEST_F(ValueControlsTest, DisablingAHeldUpDownStopsItsRepeat) {
  auto* updown = Put<TUpDown>(10, 10, 17, 24);
  int clicks = 0;
  updown->OnClick = [&](TComponent*, TUDBtnType) { ++clicks; };
  backend().MouseDown(updown->ClientToScreen({8, 4}));
  updown->SetEnabled(false);
  backend().Advance(2000);
  EXPECT_EQ(clicks, 1);
}

// A gauge keeps its progress within its range and fills its share, rounded
// down, from the left or from the bottom.
TEST_F(ValueControlsTest, AGaugeFillsItsShareFromTheLeftOrFromTheBottom) {
  auto* bar = Put<TGauge>(10, 10, 102, 10);
  bar->SetShowText(false);
  bar->SetForeColor(clNavy);
  bar->SetBackColor(clGray);
  const std::pair<int, int> clamped[] = {{-1, 0}, {0, 0}, {100, 100}, {101, 100}, {250, 100}};
  for (const auto& [set, kept] : clamped) {
    bar->SetProgress(set);
    EXPECT_EQ(bar->Progress(), kept) << set;
  }
  bar->SetMaxValue(3);
  bar->SetProgress(1);  // a third of 100 pixels: 33, rounded down
  EXPECT_EQ(PixelAt(11 + 32, 15), clNavy);
  EXPECT_EQ(PixelAt(11 + 33, 15), clGray);
  auto* column = Put<TGauge>(200, 10, 8, 302);
  column->SetKind(TGaugeKind::gkVerticalBar);
  column->SetShowText(false);
  column->SetMaxValue(300);
  column->SetForeColor(clRed);
  column->SetProgress(100);
  EXPECT_EQ(PixelAt(204, 11 + 199), clWhite);
  EXPECT_EQ(PixelAt(204, 11 + 200), clRed);
}

// The percentage reads over the whole bar: the text is in the back colour
// where it crosses the fill and in the font's colour beyond it, whatever
// share is filled, and a digit cut by the fill's edge changes colour there.
TEST_F(ValueControlsTest, AGaugeWritesItsPercentageLegiblyOverTheFillAndBeyondIt) {
  auto* bar = Put<TGauge>(10, 10, 102, 20);  // inside: x 11..110, y 11..28
  bar->SetForeColor(clNavy);
  bar->SetBackColor(clYellow);
  bar->Font().SetName(std::string(kFixedCellFontName));
  bar->Font().SetHeight(12);
  bar->Font().SetColor(clRed);
  for (const int progress : {0, 42, 50, 100}) {
    bar->SetProgress(progress);
    const int fill_edge = 11 + progress;
    std::map<TColor, int> over_fill, beyond;
    for (int y = 11; y <= 28; ++y) {
      for (int x = 11; x <= 110; ++x) ++(x < fill_edge ? over_fill : beyond)[PixelAt(x, y)];
    }
    EXPECT_EQ(over_fill.size(), progress == 0 ? 0u : 2u) << progress;
    EXPECT_EQ(over_fill.count(clNavy) + over_fill.count(clYellow), over_fill.size()) << progress;
    EXPECT_EQ(beyond.size(), progress == 100 ? 0u : 2u) << progress;
    EXPECT_EQ(beyond.count(clYellow) + beyond.count(clRed), beyond.size()) << progress;
  }
  bar->SetProgress(50);  // "50%" centred: the "0" spans x 58..62
  EXPECT_EQ(PixelAt(60, 20), clYellow);
  EXPECT_EQ(PixelAt(61, 20), clRed);
}

TEST_F(ValueControlsTest, APanelDrawsItsRaisedOuterAndLoweredInnerBevels) {
  auto* panel = Put<TPanel>(10, 10, 100, 40);
  panel->SetBevelInner(TPanelBevel::bvLowered);
  panel->SetBorderWidth(1);
  EXPECT_EQ(PixelAt(10, 10), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelAt(109, 49), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelAt(11, 11), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelAt(12, 12), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelAt(107, 47), ColorToRGB(clBtnHighlight));
}

}  // namespace
