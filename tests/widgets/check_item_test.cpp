// The check box and the radio button on a headless form, in the classic look
// the game shows.
#include "widgets/check_item.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/input/key_codes.h"
#include "platform/input/mouse.h"
#include "platform/services/sound_player.h"
#include "recording_theme.h"
#include "widget_form.h"
#include "widgets/panel.h"
#include "widgets/settings_store.h"
#include "widgets/sound_map.h"

namespace {

// Another member of the radio family: exclusivity covers it too.
class TOtherRadio : public TKxRadioButton {
 public:
  using TKxRadioButton::TKxRadioButton;
};

class CheckItemTest : public WidgetFormTest {
 protected:
  template <class T>
  T* Item(int left, int top, const std::string& caption, TWinControl* parent = nullptr) {
    auto* item = Put<T>(left, top, 100, 17, parent);
    UseFixedFont(*item);
    item->SetCaption(caption);
    item->OnClick = [this](TComponent*) { ++clicks; };
    return item;
  }

  int clicks = 0;
};

TEST_F(CheckItemTest, CheckingFromCodeUnchecksTheSameParentsRadiosOnlyAndRaisesNoClick) {
  auto* panel = Put<TKxPanel>(200, 10, 150, 100);
  auto* first = Item<TKxRadioButton>(10, 10, "One");
  auto* second = Item<TOtherRadio>(10, 30, "Two");
  auto* never = Item<TKxRadioButton>(10, 50, "Three");
  auto* elsewhere = Item<TKxRadioButton>(10, 10, "Four", panel);
  first->SetChecked(true);
  elsewhere->SetChecked(true);

  second->SetChecked(true);
  EXPECT_FALSE(first->Checked());
  EXPECT_TRUE(second->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  // The checked item becomes the tab stop; one never checked keeps its own.
  EXPECT_FALSE(first->TabStop());
  EXPECT_TRUE(second->TabStop());
  EXPECT_TRUE(never->TabStop());

  second->SetChecked(false);
  EXPECT_FALSE(first->Checked());
  EXPECT_FALSE(second->Checked());
  EXPECT_EQ(clicks, 0);
}

TEST_F(CheckItemTest, ClickingARadioChecksItAndClickingItAgainStillRaisesOnClick) {
  auto* first = Item<TKxRadioButton>(10, 10, "One");
  auto* second = Item<TKxRadioButton>(10, 30, "Two");
  first->SetChecked(true);
  backend().Click(*second);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  backend().Click(*second);
  EXPECT_TRUE(second->Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(CheckItemTest, TheFocusAloneNeverChecksARadio) {
  auto* first = Item<TKxRadioButton>(10, 10, "One");
  auto* second = Item<TKxRadioButton>(10, 30, "Two");
  first->SetChecked(true);
  first->SetFocus();
  backend().PressKey(VK_DOWN);
  EXPECT_TRUE(second->Focused());
  EXPECT_FALSE(second->Checked());
  EXPECT_TRUE(first->Checked());
  backend().PressKey(VK_SPACE);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(CheckItemTest, APressReleasedOutsideChangesNothingAndGivesTheCaptureBack) {
  auto* radio = Item<TKxRadioButton>(10, 10, "One");
  backend().MouseDown({15, 15});
  EXPECT_TRUE(radio->Pressed());
  EXPECT_EQ(GetCapture(), radio);
  backend().MouseMove({300, 200});
  backend().MouseUp({300, 200});
  EXPECT_FALSE(radio->Checked());
  EXPECT_FALSE(radio->Pressed());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(GetCapture(), nullptr);

  // A right-button press inside does not leave the mouse held either.
  backend().MouseDown({15, 15}, TMouseButton::mbRight);
  backend().MouseUp({15, 15}, TMouseButton::mbRight);
  EXPECT_EQ(GetCapture(), nullptr);

  // Whoever held the capture before the press gets it back.
  auto* holder = Put<TKxPanel>(200, 200, 50, 50);
  SetCapture(holder);
  radio->Perform(WM_LBUTTONDOWN, 0, PackPoint(2, 2));
  EXPECT_EQ(GetCapture(), radio);
  radio->Perform(WM_LBUTTONUP, 0, PackPoint(300, 2));
  EXPECT_EQ(GetCapture(), holder);
  EXPECT_FALSE(radio->Checked());
}

class CheckSoundTest : public CheckItemTest {
 protected:
  CheckSoundTest() {
    SetSoundPlayer(&player);
    std::istringstream scheme("[Schemes\\Apps\\Graymarch\\Check\\.current]\r\n");
    store.LoadFrom(scheme);
    store.WriteString("\\Schemes\\Apps\\Graymarch\\Check\\.current", "", "check.wav");
    sounds.SetStorage(&store);
    sounds.SetApplicationKey("Graymarch");
  }
  ~CheckSoundTest() override { SetSoundPlayer(nullptr); }

  template <class T>
  T* Sounding(int top) {
    auto* item = Item<T>(10, top, "Item");
    item->SetSoundMap(&sounds);
    item->SetCheckSound("Check");
    return item;
  }

  TRecordingSoundPlayer player;
  TKxIniFile store;
  TKxSoundMap sounds;
};

TEST_F(CheckSoundTest, AReleaseInsideSoundsAndOneOutsideIsSilent) {
  auto* radio = Sounding<TKxRadioButton>(10);
  backend().MouseDown({15, 15});
  backend().MouseUp({300, 200});
  EXPECT_TRUE(player.Played.empty());
  backend().Click(*radio);
  EXPECT_EQ(player.Played, std::vector<std::string>{"check.wav"});
}

TEST_F(CheckSoundTest, SpaceSoundsACheckBoxButNotARadio) {
  auto* radio = Sounding<TKxRadioButton>(10);
  auto* box = Sounding<TKxCheckBox>(40);
  radio->SetFocus();
  backend().PressKey(VK_SPACE);
  EXPECT_TRUE(player.Played.empty());
  box->SetFocus();
  backend().PressKey(VK_SPACE);
  EXPECT_EQ(player.Played, std::vector<std::string>{"check.wav"});
  EXPECT_EQ(clicks, 2);
}

TEST_F(CheckSoundTest, AFreedSoundMapLeavesTheItemSilentAndSafe) {
  auto* box = Sounding<TKxCheckBox>(10);
  auto* own = new TKxSoundMap(&form);
  box->SetSoundMap(own);
  delete own;
  EXPECT_EQ(box->SoundMap(), nullptr);
  backend().Click(*box);
  EXPECT_TRUE(player.Played.empty());
}

TEST_F(CheckItemTest, ACheckBoxCyclesThroughGrayedOnlyWhenAllowed) {
  auto* box = Item<TKxCheckBox>(10, 10, "Box");
  box->SetState(cbGrayed);
  EXPECT_EQ(box->State(), cbUnchecked);
  backend().Click(*box);
  EXPECT_EQ(box->State(), cbChecked);
  backend().Click(*box);
  EXPECT_EQ(box->State(), cbUnchecked);

  box->SetAllowGrayed(true);
  backend().Click(*box);
  EXPECT_EQ(box->State(), cbGrayed);
  EXPECT_FALSE(box->Checked());
  backend().Click(*box);
  EXPECT_EQ(box->State(), cbChecked);
  backend().Click(*box);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(clicks, 5);

  box->Toggle();
  EXPECT_EQ(box->State(), cbGrayed);
  box->SetAllowGrayed(false);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(clicks, 5);
}

TEST_F(CheckItemTest, SpaceClicksOnlyWithoutShiftControlOrAlt) {
  auto* box = Item<TKxCheckBox>(10, 10, "Box");
  box->SetFocus();
  for (const TShiftState shift : {ssShift, ssCtrl, ssAlt}) backend().PressKey(VK_SPACE, shift);
  EXPECT_FALSE(box->Checked());
  backend().PressKey(VK_SPACE);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(CheckItemTest, OnMouseUpNeverFiresButOnMouseDownDoes) {
  auto* box = Item<TKxCheckBox>(10, 10, "Box");
  int downs = 0;
  int ups = 0;
  box->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++downs; };
  box->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
  backend().Click(*box);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 0);
}

// The fixed face: characters 5 wide, lines 10 high.
TEST_F(CheckItemTest, AutoSizeFitsTheMarkAndTheCaption) {
  auto* radio = Item<TKxRadioButton>(10, 10, "Abcd");
  EXPECT_EQ(radio->Width(), 13 + 7 + 20 + 2);
  EXPECT_EQ(radio->Height(), 17);
  radio->SetTextDrawType(tdtShadowed);
  radio->SetCaption("Abc");
  EXPECT_EQ(radio->Width(), 13 + 7 + 15 + 2);
  EXPECT_EQ(radio->Height(), 19);
  radio->SetTextDrawType(tdtNormal);
  radio->SetCaption("Ab\r\nCd");
  EXPECT_EQ(radio->Height(), 22);
  EXPECT_EQ(radio->MeasureCaption(false), 17);

  radio->SetAutoSize(false);
  radio->SetCaption("A much longer caption");
  EXPECT_EQ(radio->Width(), 13 + 7 + 10 + 2);
}

TEST_F(CheckItemTest, TheMarkStandsBesideTheFirstLineOfASeveralLineCaption) {
  auto* one_line = Item<TKxRadioButton>(10, 10, "Ab");
  auto* two_lines = Item<TKxRadioButton>(10, 60, "Ab\r\nCd");
  one_line->SetAutoSize(false);
  one_line->SetHeight(two_lines->Height());
  const TRect centred = InkOf({10, 10, 23, 40}, clBtnShadow);
  const TRect first_line = InkOf({10, 60, 23, 90}, clBtnShadow);
  ASSERT_FALSE(centred.IsEmpty());
  // Height 22: centred at 22 / 2 - 6 = 5, beside the first line at 17 / 2 - 6 = 2.
  EXPECT_EQ(centred.Top - 10, first_line.Top - 60 + 3);
}

TEST_F(CheckItemTest, TheCaptionStandsFiveRightOfTheMarkOrLeftOfItWhenTheMarkIsRight) {
  auto* radio = Item<TKxRadioButton>(10, 10, "Ab");
  radio->SetAutoSize(false);
  radio->SetWidth(100);
  // Caption from x 13 + 5, its 10 rows centred in 17: top 3, ink one row lower.
  const TRect text = InkOf({23, 10, 110, 27}, clBlack);
  EXPECT_EQ(text.Left, 10 + 18);
  EXPECT_EQ(text.Top, 10 + 4);
  radio->SetAlignment(TAlignment::taLeftJustify);
  EXPECT_EQ(InkOf({10, 10, 97, 27}, clBlack).Left, 10);
  EXPECT_FALSE(InkOf({97, 10, 110, 27}, clBtnShadow).IsEmpty());
}

TEST_F(CheckItemTest, AnItemTakesTheColourOfWhatItStandsOn) {
  auto* panel = Put<TKxPanel>(200, 10, 150, 100);
  panel->SetColor(clOlive);
  auto* radio = Item<TKxRadioButton>(10, 10, "Ab", panel);
  EXPECT_EQ(radio->Color(), clOlive);
  EXPECT_EQ(PixelAt(200 + 10 + 60, 10 + 10 + 8), clOlive);
}

TEST_F(CheckItemTest, AFlatIdleRadioWhitensItsInnerRingAndADisabledOneGraysIt) {
  auto* radio = Item<TKxRadioButton>(10, 10, "Ab");
  radio->SetFlat(true);
  // Inner ring pixel (1, 4) of the mark, which starts at (0, 2), one pixel in.
  EXPECT_EQ(PixelAt(10 + 2, 10 + 2 + 4), ColorToRGB(clWindow));
  radio->SetEnabled(false);
  EXPECT_EQ(PixelAt(10 + 2, 10 + 2 + 4), ColorToRGB(clBtnFace));
}

TEST_F(CheckItemTest, TheFocusedItemFramesItsCaption) {
  auto* radio = Item<TKxRadioButton>(10, 10, "Ab");
  auto* other = Item<TKxRadioButton>(10, 40, "Cd");
  // Pixels of a row of the item, from x to x + count, that are not the
  // form's colour, which the item takes.
  const auto marked = [&](int row, int x, int count) {
    int n = 0;
    for (int i = 0; i < count; ++i) n += PixelAt(10 + x + i, 10 + row) != clTeal;
    return n;
  };
  other->SetFocus();
  EXPECT_EQ(marked(2, 17, 12), 0);
  radio->SetFocus();
  // The dotted frame: the text's box (x 18, y 3, 10 x 10), one pixel out.
  EXPECT_GT(marked(2, 17, 12), 0);
  EXPECT_EQ(marked(1, 17, 12), 0);
  EXPECT_EQ(marked(2, 29, 3), 0);
}

// Six cells of 13 x 13, two columns left over; each cell is one colour but
// for its bottom row, which is white and so left out.
TBitmap GlyphStrip() {
  TBitmap strip(6 * 13 + 2, 13);
  const TColor cells[] = {clBlue, clNavy, clRed, clMaroon, clLime, clGreen};
  for (int i = 0; i < 6; ++i) {
    strip.Canvas().Brush.Color = cells[i];
    strip.Canvas().FillRect(TRect::Bounds(i * 13, 0, 13, 12));
  }
  return strip;
}

TEST_F(CheckItemTest, CustomGlyphsShowTheCellOfTheStateWithoutItsTransparentColour) {
  auto* radio = Item<TKxRadioButton>(10, 10, "Ab");
  radio->SetGlyph(GlyphStrip());
  radio->SetUseCustomGlyphs(true);
  EXPECT_EQ(radio->Width(), 13 + 7 + 10 + 2);
  // The mark stands at (0, 2): its top rows in the cell's colour, its bottom
  // row showing the item's colour (the form's).
  EXPECT_EQ(PixelAt(10 + 6, 10 + 2), clBlue);
  EXPECT_EQ(PixelAt(10 + 6, 10 + 2 + 12), clTeal);
  radio->SetChecked(true);
  EXPECT_EQ(PixelAt(10 + 6, 10 + 2), clRed);
  radio->SetEnabled(false);
  EXPECT_EQ(PixelAt(10 + 6, 10 + 2), clMaroon);
}

// Paints what waits and gives the state of the last mark drawn through the
// theme.
int LastMarkState(const TRecordingTheme& theme, int part) {
  Application.ProcessMessages();
  int state = 0;
  for (const auto& call : theme.calls)
    if (call.name == "DrawThemeBackground" && call.part == part) state = call.state;
  return state;
}

TEST_F(CheckItemTest, ThemedMarksTakeTheThemesStateNumbers) {
  TRecordingThemeBinding binding;
  auto* radio = Item<TKxRadioButton>(10, 10, "One");
  auto* box = Item<TKxCheckBox>(10, 40, "Two");
  ASSERT_TRUE(radio->IsThemeApplied());
  EXPECT_EQ(LastMarkState(binding.theme, BP_RADIOBUTTON), 1);
  backend().MouseMove({15, 15});
  EXPECT_EQ(LastMarkState(binding.theme, BP_RADIOBUTTON), 2);
  backend().MouseDown({15, 15});
  EXPECT_EQ(LastMarkState(binding.theme, BP_RADIOBUTTON), 3);
  backend().MouseUp({15, 15});
  EXPECT_EQ(LastMarkState(binding.theme, BP_RADIOBUTTON), 2 + 4);
  radio->SetEnabled(false);
  EXPECT_EQ(LastMarkState(binding.theme, BP_RADIOBUTTON), 4 + 4);

  box->SetAllowGrayed(true);
  box->SetState(cbGrayed);
  EXPECT_EQ(LastMarkState(binding.theme, BP_CHECKBOX), 1 + 8);
  // The items close their theme data while the recording theme is bound.
  delete radio;
  delete box;
}

TEST_F(CheckItemTest, AnHTMLCaptionSizesTheItemByTheRenderedText) {
  auto* box = Item<TKxCheckBox>(10, 10, "a<br>b");
  box->SetIsHTML(true);
  ASSERT_NE(box->HTMLRender(), nullptr);
  // Two lines of the fixed face at its point size, laid out by the renderer.
  EXPECT_EQ(box->Height(), box->HTMLRender()->Data().TextHeight + 2);
  EXPECT_GT(box->HTMLRender()->Data().TextHeight, 17);
  box->SetIsHTML(false);
  EXPECT_EQ(box->HTMLRender(), nullptr);
  EXPECT_EQ(box->Height(), 17);
}

}  // namespace
