// The push button every dialog closes through: the order of a click, the
// press and release rules, groups, keys, captions and the classic face.
#include "widgets/graphic_button.h"

#include <tuple>
#include <vector>

#include "platform/controls/image_list.h"
#include "platform/controls/panel.h"
#include "platform/input/key_codes.h"
#include "widget_form.h"
#include "widgets/panel.h"

namespace {

class GraphicButtonTest : public WidgetFormTest {
 protected:
  TKxGraphicButton* PutButton(int left = 10, int top = 10, TWinControl* parent = nullptr) {
    auto* button = Put<TKxGraphicButton>(left, top, 75, 25, parent);
    UseFixedFont(*button);
    return button;
  }
};

// The form has the result before the handler runs, so a handler that takes
// it back keeps the dialog open.
TEST_F(GraphicButtonTest, TheFormHasTheModalResultBeforeTheClickHandlerRuns) {
  auto* button = PutButton();
  button->SetModalResult(mrOk);
  std::vector<TModalResult> seen;
  button->OnClick = [&](TComponent*) {
    seen.push_back(form.ModalResult());
    if (seen.size() == 1) form.SetModalResult(mrNone);
  };
  backend().SetModalHook([&](TForm&) {
    backend().Click(*button);
    backend().Click(*button);
  });
  form.Hide();
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(seen, (std::vector<TModalResult>{mrOk, mrOk}));
}

// The inside test counts the bottom edge but not the right one.
TEST_F(GraphicButtonTest, OnlyAReleaseInsideClicks) {
  auto* button = PutButton();  // face x 10..84, y 10..34
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  const struct {
    TPoint release;
    int clicks;
  } cases[] = {{{84, 20}, 1}, {{85, 20}, 0}, {{20, 35}, 1}, {{20, 36}, 0}, {{10, 10}, 1},
               {{9, 20}, 0},  {{20, 9}, 0},  {{200, 200}, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.release.X << "," << c.release.Y);
    clicks = 0;
    backend().MouseDown({20, 20});
    backend().MouseUp(c.release);
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(button->State(), bsUp);
  }
  // A press dragged out comes up, and sinks again when the pointer comes back.
  backend().MouseDown({20, 20});
  backend().MouseMove({200, 200});
  EXPECT_EQ(button->State(), bsUp);
  backend().MouseMove({30, 20});
  EXPECT_EQ(button->State(), bsDown);
}

// A group loaded from its design keeps the first button designed down.
TEST_F(GraphicButtonTest, GroupButtonsOfOneParentAreExclusiveAndASwitchToggles) {
  auto* a = PutButton(10, 10);
  auto* b = PutButton(100, 10);
  auto* c = PutButton(190, 10);
  form.BeginLoad();
  for (auto* button : {a, b, c}) {
    button->SetGroupIndex(1);
    button->SetDown(true);
  }
  form.EndLoad();
  EXPECT_EQ(a->State(), bsExclusive);
  EXPECT_FALSE(b->Down());
  backend().Click(*b);
  EXPECT_FALSE(a->Down());
  // Without AllowAllUp the group keeps one button down.
  backend().Click(*b);
  b->SetDown(false);
  EXPECT_TRUE(b->Down());
  c->SetAllowAllUp(true);
  backend().Click(*b);
  EXPECT_FALSE(b->Down());

  auto* plain = PutButton(10, 50);
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down());
  plain->SetIsSwitch(true);
  backend().Click(*plain);
  EXPECT_TRUE(plain->Down());
  backend().Click(*plain);
  EXPECT_FALSE(plain->Down());
}

// A hidden or disabled button, or one on a disabled panel, must not close
// its dialog by a key.
TEST_F(GraphicButtonTest, EscapeAndTheAcceleratorClickOnlyAVisibleEnabledButton) {
  auto* panel = Put<TKxPanel>(0, 0, 200, 60);
  PutButton(10, 10, panel)->OnClick = [](TComponent*) { ADD_FAILURE() << "not the cancel button"; };
  auto* cancel = PutButton(100, 10, panel);
  cancel->SetCancel(true);
  cancel->SetCaption("&Done");
  cancel->SetModalResult(mrCancel);
  enum Spoil { kNone, kDisabled, kHidden, kPanelDisabled };
  for (const auto& [key, shift, spoil, clicks] :
       {std::tuple{VK_ESCAPE, 0, kNone, true}, {VK_RETURN, 0, kNone, false},
        {VK_ESCAPE, ssShift, kNone, false}, {VK_ESCAPE, 0, kDisabled, false},
        {VK_ESCAPE, 0, kHidden, false}, {VK_ESCAPE, 0, kPanelDisabled, false},
        {'D', ssAlt, kNone, true}, {'D', ssAlt, kDisabled, false}, {'D', ssAlt, kHidden, false},
        {'D', ssAlt, kPanelDisabled, false}}) {
    SCOPED_TRACE(testing::Message() << key << " shift " << shift << " spoilt " << spoil);
    panel->SetEnabled(spoil != kPanelDisabled);
    cancel->SetEnabled(spoil != kDisabled);
    cancel->SetVisible(spoil != kHidden);
    form.SetModalResult(mrNone);
    if (key == 'D') {
      backend().Type("d", static_cast<TShiftState>(shift));
    } else {
      backend().PressKey(key, static_cast<TShiftState>(shift));
    }
    EXPECT_EQ(form.ModalResult(), clicks ? mrCancel : mrNone);
  }
}

// The face: outer ring light top-left and shadow bottom-right, a deeper
// frame under the pointer, sunk while pressed.
TEST_F(GraphicButtonTest, TheClassicFrameIsRaisedDeepensWhenHotAndSinksWhenPressed) {
  auto* button = PutButton();
  button->SetCaption("OK");
  const TColor light = ColorToRGB(clBtnHighlight);
  const TColor shadow = ColorToRGB(clBtnShadow);
  const TColor dark = ColorToRGB(cl3DDkShadow);
  const TColor face = ColorToRGB(clBtnFace);
  const TRect inside{10, 10, 85, 35};
  const TRect idle = InkOf(inside, clBlack);
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
  // A pressed caption moves one pixel right and down.
  ASSERT_FALSE(idle.IsEmpty());
  EXPECT_EQ(InkOf(inside, clBlack), TRect(idle).Offset(1, 1));
  backend().MouseUp({20, 20});
  backend().MouseMove({200, 200});
  EXPECT_EQ(PixelAt(84, 34), shadow);
  EXPECT_EQ(InkOf(inside, clBlack), idle);
}

TEST_F(GraphicButtonTest, ADisabledCaptionIsEmbossedInHighlightAndShadowUntilEnabledAgain) {
  auto* button = PutButton();
  button->SetCaption("OK");
  const TRect face{12, 12, 83, 33};
  const TRect enabled = InkOf(face, clBlack);
  button->SetEnabled(false);
  EXPECT_EQ(InkOf(face, clBtnShadow), enabled);
  EXPECT_EQ(PixelAt(enabled.Right, enabled.Bottom), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(InkOf(face, clBlack), TRect{});
  button->SetEnabled(true);
  EXPECT_EQ(InkOf(face, clBlack), enabled);
  EXPECT_EQ(InkOf(face, clBtnShadow), TRect{});
}

TEST_F(GraphicButtonTest, ALineBreakMakesSeveralLinesAndALongSingleLineStaysInTheFace) {
  auto* button = PutButton();
  button->SetCaption("AB\r\nCD");
  const TRect face{12, 12, 83, 33};
  EXPECT_GT(InkOf(face, clBlack).Height(), 10);
  button->SetCaption("A caption far too long for its face");
  const TRect one_line = InkOf(face, clBlack);
  EXPECT_LT(one_line.Height(), 10);
  EXPECT_GE(one_line.Left, 12);
  EXPECT_LE(one_line.Right, 83);
}

// A freed image list may be the one the face shows: the face is drawn
// again without it.
TEST_F(GraphicButtonTest, AFreedImageListIsForgottenAndLeavesTheFace) {
  auto* button = PutButton();
  auto* list = new TImageList(&form, 8, 8);
  TBitmap square(8, 8);
  square.Canvas().Brush.Color = clBlue;
  square.Canvas().FillRect({0, 0, 8, 8});
  list->AddMasked(square, clNone);
  button->SetImages(list);
  button->SetImageIndex(0);
  const TRect face{12, 12, 83, 33};
  EXPECT_EQ(InkOf(face, clBlue).Width(), 8);
  delete list;
  EXPECT_EQ(button->Images(), nullptr);
  EXPECT_EQ(InkOf(face, clBlue), TRect{});
}

// A pressed face draws from the down list, laid out by that list's size, and
// the face that comes up draws from the list it had before.
TEST_F(GraphicButtonTest, APressedFaceDrawsFromTheDownListAndComesUpWithItsOwn) {
  auto* button = PutButton();
  const auto square_list = [this](TColor colour, int size) {
    auto* list = new TImageList(&form, size, size);
    TBitmap square(size, size);
    square.Canvas().Brush.Color = colour;
    square.Canvas().FillRect({0, 0, size, size});
    list->AddMasked(square, clNone);
    return list;
  };
  button->SetImages(square_list(clBlue, 8));
  button->SetDownImages(square_list(clRed, 12));
  button->SetImageIndex(0);
  const TRect face{12, 12, 83, 33};
  EXPECT_EQ(InkOf(face, clBlue).Width(), 8);
  for (int press = 0; press < 2; ++press) {
    SCOPED_TRACE(press);
    backend().MouseDown({20, 20});
    EXPECT_EQ(InkOf(face, clRed).Width(), 12);
    EXPECT_EQ(InkOf(face, clBlue), TRect{});
    backend().MouseUp({200, 200});
    EXPECT_EQ(InkOf(face, clBlue).Width(), 8);
    EXPECT_EQ(InkOf(face, clRed), TRect{});
  }
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
