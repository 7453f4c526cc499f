#include "widgets/spin_button.h"

#include <string>
#include <vector>

#include "platform/controls/popup_menu.h"
#include "platform/dialogs/message_dialog.h"
#include "platform/forms/screen.h"
#include "platform/input/mouse.h"
#include "recording_theme.h"
#include "widget_form.h"

namespace {

// A spin button 16 wide and 24 high at (20, 20): rows 0..11 are the upper
// half, rows 12 and 13 the seam, rows 14..23 the lower half.
class SpinButtonTest : public WidgetFormTest {
 protected:
  SpinButtonTest() {
    spin = Put<TKxSpinButton>(20, 20, 16, 24);
    spin->OnUpClick = [this](TComponent*, double distance) { Record("up", distance); };
    spin->OnDownClick = [this](TComponent*, double distance) { Record("down", distance); };
  }
  void Record(const std::string& what, double distance) {
    events.push_back(what + "@" + std::to_string(Application.Now()));
    distances.push_back(distance);
  }
  TPoint At(int x, int y) const { return spin->ClientToScreen({x, y}); }

  TKxSpinButton* spin;
  std::vector<std::string> events;
  std::vector<double> distances;
};

TEST_F(SpinButtonTest, TheUpperHalfStepsUpTheLowerDownAndTheSeamNeither) {
  EXPECT_EQ(spin->FirstHalfRect(), (TRect{0, 0, 16, 12}));
  EXPECT_EQ(spin->SecondHalfRect(), (TRect{0, 13, 16, 24}));
  spin->SetUseDrag(false);
  for (int row : {11, 12, 13, 14}) backend().Click(At(8, row));
  EXPECT_EQ(events, (std::vector<std::string>{"up@0", "down@0"}));
  // The default increment reaches the handlers as a distance of 0.
  EXPECT_EQ(distances, (std::vector<double>{0, 0}));
}

TEST_F(SpinButtonTest, AHeldPressRepeatsAfter400msThenEvery100msWhereverThePointerGoes) {
  backend().MouseDown(At(8, 5));
  backend().Advance(399);
  EXPECT_EQ(events.size(), 1u);
  backend().Advance(1);
  backend().MouseMove({300, 250});
  backend().Advance(200);
  backend().MouseUp({300, 250});
  backend().Advance(1000);
  EXPECT_EQ(events, (std::vector<std::string>{"up@0", "up@400", "up@500", "up@600"}));
}

TEST_F(SpinButtonTest, ALeftRightButtonStepsDownOnItsLeftHalf) {
  spin->SetBounds(20, 20, 24, 16);
  spin->SetButtonType(sbtLeftRight);
  spin->SetIncrement(2.5);
  backend().Click(At(3, 8));
  backend().Click(At(20, 8));
  EXPECT_EQ(events, (std::vector<std::string>{"down@0", "up@0"}));
  EXPECT_EQ(distances, (std::vector<double>{2.5, 2.5}));
}

// The repeat must never outlive the press: a dialog that hides or disables
// the button in its handler would otherwise keep buying.
TEST_F(SpinButtonTest, HidingTheButtonInItsOwnHandlerStopsTheRepeat) {
  spin->OnUpClick = [this](TComponent*, double) {
    Record("up", 0);
    spin->Hide();
  };
  backend().MouseDown(At(8, 5));
  backend().Advance(1000);
  spin->Show();
  backend().Advance(1000);
  EXPECT_EQ(events, (std::vector<std::string>{"up@0"}));
}

TEST_F(SpinButtonTest, DisablingTheButtonInARepeatedStepStopsTheRepeat) {
  spin->OnDownClick = [this](TComponent*, double) {
    Record("down", 0);
    if (events.size() == 3) spin->SetEnabled(false);
  };
  backend().MouseDown(At(8, 20));
  backend().Advance(2000);
  EXPECT_EQ(events, (std::vector<std::string>{"down@0", "down@400", "down@500"}));
}

TEST_F(SpinButtonTest, DisablingHidingOrLosingTheMouseMidPressStopsTheRepeat) {
  const std::vector<std::function<void()>> interruptions = {
      [this] { spin->SetEnabled(false); },
      [this] { spin->Hide(); },
      [this] { SetCapture(&form); },
  };
  for (const auto& interrupt : interruptions) {
    spin->SetEnabled(true);
    spin->Show();
    events.clear();
    backend().MouseDown(At(8, 20));
    backend().Advance(450);
    interrupt();
    backend().Advance(1000);
    backend().MouseUp(At(8, 20));
    EXPECT_EQ(events.size(), 2u);
  }
}

TEST_F(SpinButtonTest, ADialogOpenedByTheHandlerEndsTheRepeat) {
  spin->OnDownClick = [this](TComponent*, double) {
    Record("down", 0);
    if (events.size() == 1) MessageDlg("No room", TMsgDlgType::mtInformation, mbOK);
  };
  backend().SetModalHook([this](TForm& dialog) {
    backend().Advance(1000);
    dialog.SetModalResult(mrOk);
  });
  backend().MouseDown(At(8, 20));
  backend().Advance(1000);
  EXPECT_EQ(events, (std::vector<std::string>{"down@0"}));
}

TEST_F(SpinButtonTest, AButtonFreedMidPressLeavesNothingRunning) {
  backend().MouseDown(At(8, 5));
  delete spin;
  backend().Advance(1000);
  EXPECT_EQ(events.size(), 1u);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SpinButtonTest, HoveringTheSeamHoldsTheMouseAndShowsTheResizeCursorUntilItLeaves) {
  backend().MouseMove(At(8, 12));
  EXPECT_EQ(GetCapture(), spin);
  EXPECT_EQ(Screen.Cursor(), crSizeNS);
  backend().MouseMove(At(8, 3));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Screen.Cursor(), crDefault);

  spin->SetUseDrag(false);
  backend().MouseMove(At(8, 13));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Screen.Cursor(), crDefault);
}

TEST_F(SpinButtonTest, APressOnTheSeamDragsADistanceScaledByTheIncrement) {
  std::vector<double> drags;
  spin->SetIncrement(0.5);
  spin->OnSpinStart = [](TComponent*, double& initial) {
    EXPECT_EQ(initial, 0);
    initial = 5;
  };
  spin->OnSpinDrag = [&](TComponent*, double distance) { drags.push_back(distance); };
  backend().MouseMove(At(8, 13));
  backend().MouseDown(At(8, 13));
  backend().MouseMove(At(8, 2));
  backend().MouseMove(At(8, 40));
  backend().MouseUp(At(8, 40));
  EXPECT_EQ(drags, (std::vector<double>{10, -9}));
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Screen.Cursor(), crDefault);
}

// A right click in the middle of a press or a drag: the menu opens on a
// button that has already come up.
TEST_F(SpinButtonTest, AContextMenuOpensOnlyAfterAHeldPressOrADragHasEnded) {
  TPopupMenu menu(&form);
  spin->SetPopupMenu(&menu);
  std::vector<std::string> seen;
  menu.OnPopup = [&](TComponent*) {
    seen.push_back(std::string(GetCapture() == spin ? "held" : "free") + "/" +
                   (Screen.Cursor() == crDefault ? "arrow" : "resize"));
  };
  backend().MouseDown(At(8, 3));
  backend().MouseDown(At(8, 3), TMouseButton::mbRight);
  backend().MouseUp(At(8, 3), TMouseButton::mbRight);
  backend().Advance(1000);
  backend().MouseUp(At(8, 3));
  EXPECT_EQ(events, std::vector<std::string>{"up@0"});

  std::vector<double> drags;
  spin->OnSpinDrag = [&](TComponent*, double distance) { drags.push_back(distance); };
  backend().MouseMove(At(8, 12));
  backend().MouseDown(At(8, 12));
  backend().MouseDown(At(8, 12), TMouseButton::mbRight);
  backend().MouseUp(At(8, 12), TMouseButton::mbRight);
  backend().MouseMove(At(8, 2));
  EXPECT_TRUE(drags.empty());
  EXPECT_EQ(seen, (std::vector<std::string>{"free/arrow", "free/arrow"}));
}

TEST_F(SpinButtonTest, ALeftRightSeamUsesTheSidewaysCursor) {
  spin->SetBounds(20, 20, 24, 16);
  spin->SetButtonType(sbtLeftRight);
  backend().MouseMove(At(13, 8));
  EXPECT_EQ(Screen.Cursor(), crSizeWE);
}

// A control that records the wheel turns it is given.
class WheelHolder : public TCustomControl {
 public:
  explicit WheelHolder(TComponent* owner) : TCustomControl(owner) {}
  std::vector<intptr_t> turns;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_MOUSEWHEEL) {
      turns.push_back(message.WParam);
      message.Result = 1;
      return;
    }
    TCustomControl::WndProc(message);
  }
};

TEST_F(SpinButtonTest, TheWheelGoesToTheParentUnchangedAndStepsNothing) {
  auto* holder = Put<WheelHolder>(100, 100, 60, 60);
  spin->SetParent(holder);
  spin->SetBounds(4, 4, 16, 24);
  spin->SetTabStop(true);
  spin->SetFocus();
  backend().Wheel(At(8, 5), -2);
  EXPECT_EQ(holder->turns, (std::vector<intptr_t>{-2}));
  EXPECT_TRUE(events.empty());
}

TEST_F(SpinButtonTest, ClassicHalvesHaveDeepFramesThatSinkWhilePressedAndFourPixelArrows) {
  spin->SetBounds(20, 20, 16, 16);  // halves (0, 0, 16, 8) and (0, 9, 16, 16)
  EXPECT_EQ(PixelAt(20, 20), ColorToRGB(clBtnHighlight));
  backend().MouseDown(At(8, 3));
  EXPECT_EQ(PixelAt(20, 20), ColorToRGB(cl3DDkShadow));
  backend().MouseUp(At(8, 3));
  // Up arrow around (7, 4), down arrow around (7, 12).
  EXPECT_EQ(InkOf({22, 21, 34, 27}, clBtnText), (TRect{26, 23, 29, 25}));
  EXPECT_EQ(PixelAt(26, 23), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelAt(27, 23), ColorToRGB(clBtnText));
  EXPECT_EQ(InkOf({22, 29, 34, 35}, clBtnText), (TRect{26, 31, 29, 33}));
  EXPECT_EQ(PixelAt(26, 32), ColorToRGB(clBtnFace));
  spin->SetEnabled(false);
  EXPECT_EQ(PixelAt(27, 23), ColorToRGB(clBtnShadow));
}

TEST_F(SpinButtonTest, SoftFlatHalvesAreLinedInTheDownColourOnlyWhilePressed) {
  spin->SetSoftFlat(true);
  spin->SetSoftFlatInactiveColor(clRed);
  spin->SetSoftFlatDownColor(clBlue);
  EXPECT_EQ(PixelAt(20, 20), ColorToRGB(clRed));
  backend().MouseDown(At(8, 3));
  EXPECT_EQ(PixelAt(20, 20), ColorToRGB(clBlue));
  EXPECT_EQ(PixelAt(20, 40), ColorToRGB(clRed));
}

TEST_F(SpinButtonTest, ThemedHalvesShowTheirArrowFlagPressedAndHotStates) {
  TRecordingThemeBinding binding;
  auto* themed = Put<TKxSpinButton>(60, 20, 16, 24);
  themed->SetUpArrowEnabled(false);
  backend().MouseMove(themed->ClientToScreen({8, 18}));
  binding.theme.calls.clear();
  themed->Repaint();
  std::vector<std::pair<int, int>> drawn;
  for (const auto& call : binding.theme.calls) {
    if (call.name == "DrawThemeBackground") drawn.emplace_back(call.part, call.state);
  }
  // Up part disabled by its flag, down part hot under the pointer.
  EXPECT_EQ(drawn, (std::vector<std::pair<int, int>>{{1, 4}, {2, 2}}));
  // The greyed half still steps.
  int ups = 0;
  themed->OnUpClick = [&](TComponent*, double) { ++ups; };
  backend().Click(themed->ClientToScreen({8, 3}));
  EXPECT_EQ(ups, 1);
}

}  // namespace
