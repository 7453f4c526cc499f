// The push button every dialog closes through: the order of a click, the
// press and release rules, groups, keys, captions and the classic face.
#include "widgets/graphic_button.h"

#include <string>
#include <vector>

#include <sstream>

#include "platform/controls/image_list.h"
#include "platform/controls/panel.h"
#include "platform/input/key_codes.h"
#include "platform/services/sound_player.h"
#include "recording_theme.h"
#include "widget_form.h"
#include "widgets/settings_store.h"
#include "widgets/sound_map.h"

namespace {

class GraphicButtonTest : public WidgetFormTest {
 protected:
  TKxGraphicButton* PutButton(int left = 10, int top = 10, TWinControl* parent = nullptr) {
    auto* button = Put<TKxGraphicButton>(left, top, 75, 25, parent);
    UseFixedFont(*button);
    return button;
  }
};

TEST_F(GraphicButtonTest, TheFormHasTheModalResultBeforeTheClickHandlerRuns) {
  auto* button = PutButton();
  button->SetModalResult(mrOk);
  TModalResult seen = mrNone;
  button->OnClick = [&](TComponent*) { seen = form.ModalResult(); };
  backend().SetModalHook([&](TForm&) { backend().Click(*button); });
  form.Hide();
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(seen, mrOk);
}

TEST_F(GraphicButtonTest, AHandlerThatTakesTheResultBackKeepsTheFormOpen) {
  auto* button = PutButton();
  button->SetModalResult(mrOk);
  int clicks = 0;
  button->OnClick = [&](TComponent*) {
    if (++clicks == 1) form.SetModalResult(mrNone);
  };
  backend().SetModalHook([&](TForm&) {
    backend().Click(*button);
    EXPECT_EQ(form.ModalResult(), mrNone);
    backend().Click(*button);
  });
  form.Hide();
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(clicks, 2);
}

TEST_F(GraphicButtonTest, APressDraggedOutAndBackFollowsThePointerAndOnlyAReleaseInsideClicks) {
  auto* button = PutButton();
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  backend().MouseMove({20, 20});
  backend().MouseDown({20, 20});
  EXPECT_EQ(button->State(), bsDown);
  backend().MouseMove({200, 200});
  EXPECT_EQ(button->State(), bsUp);
  backend().MouseMove({30, 20});
  EXPECT_EQ(button->State(), bsDown);
  backend().MouseMove({200, 200});
  backend().MouseUp({200, 200});
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button->State(), bsUp);
  backend().Click({40, 20});
  EXPECT_EQ(clicks, 1);
}

// The inside test counts the bottom edge but not the right one.
TEST_F(GraphicButtonTest, AReleaseOnTheBottomEdgeClicksButOneOnTheRightEdgeDoesNot) {
  auto* button = PutButton();
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  backend().MouseDown({20, 20});
  backend().MouseUp({20, 10 + 25});
  EXPECT_EQ(clicks, 1);
  backend().MouseDown({20, 20});
  backend().MouseUp({10 + 75, 20});
  EXPECT_EQ(clicks, 1);
}

TEST_F(GraphicButtonTest, GroupButtonsOfOneParentAreExclusive) {
  auto* a = PutButton(10, 10);
  auto* b = PutButton(100, 10);
  auto* c = PutButton(190, 10);
  for (auto* button : {a, b, c}) button->SetGroupIndex(1);
  backend().Click(*a);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->State(), bsExclusive);
  backend().Click(*b);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(c->Down());
  // Without AllowAllUp the group keeps one button down.
  backend().Click(*b);
  EXPECT_TRUE(b->Down());
  b->SetDown(false);
  EXPECT_TRUE(b->Down());
  c->SetAllowAllUp(true);
  EXPECT_TRUE(b->AllowAllUp());
  backend().Click(*b);
  EXPECT_FALSE(b->Down());
}

TEST_F(GraphicButtonTest, ALoadedGroupKeepsTheFirstButtonDesignedDown) {
  auto* a = PutButton(10, 10);
  auto* b = PutButton(100, 10);
  form.BeginLoad();
  for (auto* button : {a, b}) {
    button->SetGroupIndex(2);
    button->SetDown(true);
  }
  form.EndLoad();
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->State(), bsExclusive);
  EXPECT_FALSE(b->Down());
}

TEST_F(GraphicButtonTest, OnlyAGroupButtonOrASwitchStaysDown) {
  auto* plain = PutButton(10, 10);
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down());
  auto* toggle = PutButton(100, 10);
  toggle->SetIsSwitch(true);
  backend().Click(*toggle);
  EXPECT_TRUE(toggle->Down());
  backend().Click(*toggle);
  EXPECT_FALSE(toggle->Down());
}

TEST_F(GraphicButtonTest, EscapeClicksOnlyAUsableCancelButtonAndEnterNone) {
  auto* ok = PutButton(10, 10);
  auto* cancel = PutButton(100, 10);
  cancel->SetCancel(true);
  std::vector<std::string> clicks;
  ok->OnClick = [&](TComponent*) { clicks.push_back("ok"); };
  cancel->OnClick = [&](TComponent*) { clicks.push_back("cancel"); };
  backend().PressKey(VK_RETURN);
  backend().PressKey(VK_ESCAPE);
  backend().PressKey(VK_ESCAPE, ssShift);
  cancel->SetEnabled(false);
  backend().PressKey(VK_ESCAPE);
  cancel->SetEnabled(true);
  cancel->Hide();
  backend().PressKey(VK_ESCAPE);
  EXPECT_EQ(clicks, std::vector<std::string>{"cancel"});
}

TEST_F(GraphicButtonTest, TheAcceleratorClicksOnlyAVisibleEnabledButton) {
  auto* button = PutButton();
  button->SetCaption("&Done");
  button->SetModalResult(mrOk);
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  backend().Type("d", ssAlt);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.ModalResult(), mrOk);
  form.SetModalResult(mrNone);
  button->SetEnabled(false);
  backend().Type("d", ssAlt);
  button->SetEnabled(true);
  button->Hide();
  backend().Type("d", ssAlt);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.ModalResult(), mrNone);
}

// The face: outer ring light top-left and shadow bottom-right, a deeper
// frame under the pointer, sunk while pressed.
TEST_F(GraphicButtonTest, TheClassicFrameIsRaisedDeepensWhenHotAndSinksWhenPressed) {
  PutButton();
  const TColor light = ColorToRGB(clBtnHighlight);
  const TColor shadow = ColorToRGB(clBtnShadow);
  const TColor dark = ColorToRGB(cl3DDkShadow);
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(PixelAt(10, 10), light);
  EXPECT_EQ(PixelAt(84, 34), shadow);
  EXPECT_EQ(PixelAt(83, 33), face);
  backend().MouseMove({20, 20});
  EXPECT_EQ(PixelAt(10, 10), light);
  EXPECT_EQ(PixelAt(84, 34), dark);
  EXPECT_EQ(PixelAt(83, 33), shadow);
  backend().MouseDown({20, 20});
  EXPECT_EQ(PixelAt(10, 10), shadow);
  EXPECT_EQ(PixelAt(84, 34), light);
  backend().MouseUp({20, 20});
  backend().MouseMove({200, 200});
  EXPECT_EQ(PixelAt(84, 34), shadow);
}

TEST_F(GraphicButtonTest, APressedCaptionMovesOnePixelRightAndDown) {
  auto* button = PutButton();
  button->SetCaption("OK");
  const TRect face{10, 10, 85, 35};
  const TRect idle = InkOf(face, clBlack);
  backend().MouseDown({20, 20});
  const TRect pressed = InkOf(face, clBlack);
  ASSERT_FALSE(idle.IsEmpty());
  EXPECT_EQ(pressed, TRect(idle).Offset(1, 1));
}

TEST_F(GraphicButtonTest, ADisabledCaptionIsEmbossedInHighlightAndShadow) {
  auto* button = PutButton();
  button->SetCaption("OK");
  const TRect face{12, 12, 83, 33};
  const TRect enabled = InkOf(face, clBlack);
  button->SetEnabled(false);
  EXPECT_EQ(button->State(), bsDisabled);
  EXPECT_EQ(InkOf(face, clBtnShadow), enabled);
  EXPECT_EQ(PixelAt(enabled.Right, enabled.Bottom), ColorToRGB(clBtnHighlight));
}

TEST_F(GraphicButtonTest, ALineBreakMakesSeveralLinesAndALongSingleLineStaysInTheFace) {
  auto* button = PutButton();
  button->SetCaption("AB\r\nCD");
  EXPECT_TRUE(button->MultiLine());
  const TRect face{12, 12, 83, 33};
  const TRect two_lines = InkOf(face, clBlack);
  EXPECT_GT(two_lines.Height(), 10);
  button->SetCaption("A caption far too long for its face");
  EXPECT_FALSE(button->MultiLine());
  const TRect one_line = InkOf(face, clBlack);
  EXPECT_LT(one_line.Height(), 10);
  EXPECT_GE(one_line.Left, 12);
  EXPECT_LE(one_line.Right, 83);
}

TEST_F(GraphicButtonTest, OldStyledCannotJoinFlatAndFlatClearsIt) {
  auto* button = PutButton();
  button->SetOldStyled(true);
  button->SetFlat(true);
  EXPECT_FALSE(button->OldStyled());
  button->SetOldStyled(true);
  EXPECT_FALSE(button->OldStyled());
}

TEST_F(GraphicButtonTest, AnEqualCaptionChangesNothing) {
  auto* button = PutButton();
  int changes = 0;
  button->SetCaption("OK");
  button->WindowProc = [&, inner = button->WindowProc](TMessage& message) {
    if (message.Msg == CM_TEXTCHANGED) ++changes;
    inner(message);
  };
  button->SetCaption("OK");
  button->SetCaption("Done");
  EXPECT_EQ(changes, 1);
}

TEST_F(GraphicButtonTest, TheArrowPartOpensThePullDownMenuAndAPressThatClosedItOpensNothing) {
  auto* button = PutButton();
  button->SetUseArrow(true);
  TPopupMenu menu(&form);
  button->SetPullDownMenu(&menu);
  int arrow_clicks = 0;
  int face_clicks = 0;
  int popups = 0;
  button->OnArrowClick = [&](TComponent*) { ++arrow_clicks; };
  button->OnClick = [&](TComponent*) { ++face_clicks; };
  menu.OnPopup = [&](TComponent*) {
    ++popups;
    EXPECT_EQ(menu.PopupComponent, button);
    EXPECT_EQ(button->State(), bsArrowDown);
  };
  const TPoint arrow{10 + 75 - 5, 20};
  backend().MouseMove(arrow);
  backend().MouseDown(arrow);
  backend().MouseUp(arrow);
  EXPECT_EQ(arrow_clicks, 1);
  EXPECT_EQ(popups, 1);
  Application.ProcessMessages();
  EXPECT_EQ(button->State(), bsUp);
  // The menu closed with the pointer on the arrow: that press is swallowed.
  backend().MouseDown(arrow);
  backend().MouseUp(arrow);
  EXPECT_EQ(arrow_clicks, 1);
  backend().MouseDown(arrow);
  backend().MouseUp(arrow);
  EXPECT_EQ(arrow_clicks, 2);
  EXPECT_EQ(face_clicks, 0);
  backend().Click({20, 20});
  EXPECT_EQ(face_clicks, 1);
  EXPECT_EQ(popups, 2);
  button->SetPullDownMenu(nullptr);
  EXPECT_TRUE(button->DisableAutoPopup());
}

TEST_F(GraphicButtonTest, WithAThemeTheFaceAndCaptionAreDrawnByTheTheme) {
  TRecordingThemeBinding binding;
  auto* button = PutButton();
  button->SetCaption("OK");
  button->SetUseArrow(true);
  PixelAt(0, 0);
  TRecordingTheme& theme = binding.theme;
  EXPECT_EQ(theme.open_handles, 2);
  EXPECT_EQ(theme.Count("DrawThemeText"), 1);
  EXPECT_GE(theme.Count("DrawThemeBackground"), 3);  // parent, face, arrow
  theme.calls.clear();
  backend().MouseDown({20, 20});
  PixelAt(0, 0);
  ASSERT_EQ(theme.Count("DrawThemeText"), 1);
  for (const auto& call : theme.calls) {
    if (call.name != "DrawThemeText") continue;
    EXPECT_EQ(call.state, 3);  // pressed
  }
  delete button;
  EXPECT_EQ(theme.open_handles, 0);
}

TEST_F(GraphicButtonTest, OverAnImageFormTheFaceShowsTheFormsBackgroundUnderIt) {
  auto* image_form = new TKxImageForm(&form);
  TBitmap tile(4, 4);
  tile.Canvas().Brush.Color = clPurple;
  tile.Canvas().FillRect({0, 0, 4, 4});
  tile.SetPixel(3, 2, clLime);
  image_form->SetBackground(tile);
  image_form->SetBackgroundType(bgtTileBitmap);
  auto* button = PutButton(10, 10);
  button->SetImageForm(image_form);
  // Form pixel (15, 14) lies on the tile's (3, 2) whoever paints it.
  EXPECT_EQ(PixelAt(15, 14), clLime);
  EXPECT_EQ(PixelAt(13, 14), clPurple);
  delete image_form;
  EXPECT_EQ(button->ImageForm(), nullptr);
}

// A sound map whose scheme gives the button's down and up events a file
// each, heard by a recording player.
class ButtonSoundsTest : public GraphicButtonTest {
 protected:
  ButtonSoundsTest() {
    SetSoundPlayer(&player);
    std::istringstream scheme(
        "[Schemes\\Apps\\Graymarch\\Down\\.current]\r\n"
        "[Schemes\\Apps\\Graymarch\\Up\\.current]\r\n");
    store.LoadFrom(scheme);
    store.WriteString("\\Schemes\\Apps\\Graymarch\\Down\\.current", "", "down.wav");
    store.WriteString("\\Schemes\\Apps\\Graymarch\\Up\\.current", "", "up.wav");
    sounds.SetStorage(&store);
    sounds.SetApplicationKey("Graymarch");
  }
  ~ButtonSoundsTest() override { SetSoundPlayer(nullptr); }

  TRecordingSoundPlayer player;
  TKxIniFile store;
  TKxSoundMap sounds;
};

// The release sounds up once more, wherever it happens.
TEST_F(ButtonSoundsTest, AHeldButtonSoundsUpOnLeavingAndDownOnComingBack) {
  auto* button = PutButton();
  button->SetSoundMap(&sounds);
  button->DownSound = "Down";
  button->UpSound = "Up";
  backend().MouseDown({20, 20});
  backend().MouseMove({200, 200});
  backend().MouseMove({30, 20});
  backend().MouseMove({200, 200});
  backend().MouseUp({200, 200});
  const std::vector<std::string> heard{"down.wav", "up.wav", "down.wav", "up.wav", "up.wav"};
  EXPECT_EQ(player.Played, heard);
}

// Image lists of 8 x 8 squares: normal blue, hot red, disabled green.
class ButtonImageListTest : public GraphicButtonTest {
 protected:
  static TImageList* Square(TComponent* owner, TColor colour) {
    auto* list = new TImageList(owner, 8, 8);
    TBitmap square(8, 8);
    square.Canvas().Brush.Color = colour;
    square.Canvas().FillRect({0, 0, 8, 8});
    list->AddMasked(square, clNone);
    return list;
  }
};

TEST_F(ButtonImageListTest, TheGlyphComesFromTheListForTheFacesState) {
  auto* button = PutButton();
  button->SetImages(Square(&form, clBlue));
  EXPECT_TRUE(button->UseImageList());
  button->SetHotImages(Square(&form, clRed));
  button->SetImageIndex(0);
  const TRect face{12, 12, 83, 33};
  EXPECT_EQ(InkOf(face, clBlue).Width(), 8);
  backend().MouseMove({20, 20});
  EXPECT_EQ(InkOf(face, clRed).Width(), 8);
  EXPECT_EQ(InkOf(face, clBlue), TRect{});
  backend().MouseMove({200, 200});
  EXPECT_EQ(InkOf(face, clBlue).Width(), 8);
  button->SetDisabledImages(Square(&form, clGreen));
  button->SetEnabled(false);
  EXPECT_EQ(InkOf(face, clGreen).Width(), 8);
  button->SetImages(nullptr);
  EXPECT_FALSE(button->UseImageList());
}

TEST_F(ButtonImageListTest, AListThatGoesAwayIsForgotten) {
  auto* button = PutButton();
  TImageList* list = Square(&form, clBlue);
  button->SetImages(list);
  button->SetImageIndex(0);
  delete list;
  EXPECT_EQ(button->Images(), nullptr);
  EXPECT_EQ(InkOf({12, 12, 83, 33}, clBlue), TRect{});
}

TEST_F(GraphicButtonTest, AButtonShowsDisabledAsSoonAsItsParentIsAndComesBackAsItsGroupsChoice) {
  auto* panel = Put<TPanel>(0, 0, 200, 100);
  auto* chosen = PutButton(10, 10, panel);
  chosen->SetGroupIndex(1);
  chosen->SetDown(true);
  auto* other = PutButton(100, 10, panel);
  panel->SetEnabled(false);
  EXPECT_EQ(chosen->State(), bsDisabled);
  EXPECT_EQ(other->State(), bsDisabled);
  panel->SetEnabled(true);
  EXPECT_EQ(chosen->State(), bsExclusive);
  EXPECT_EQ(other->State(), bsUp);
}

}  // namespace
