#include "widgets/spin_button.h"

#include <functional>
#include <string>
#include <vector>

#include "platform/controls/popup_menu.h"
#include "platform/dialogs/message_dialog.h"
#include "platform/forms/screen.h"
#include "platform/input/mouse.h"
#include "widget_form.h"

namespace {

// A spin button 16 wide and 24 high at (20, 20): rows 0..11 are the upper
// half, rows 12 and 13 the seam, rows 14..23 the lower half.
class SpinButtonTest : public WidgetFormTest {
 protected:
  SpinButtonTest() { spin = MakeSpin(); }
  TKxSpinButton* MakeSpin() {
    auto* made = Put<TKxSpinButton>(20, 20, 16, 24);
    made->OnUpClick = [this](TComponent*, double distance) { Record("up", distance); };
    made->OnDownClick = [this](TComponent*, double distance) { Record("down", distance); };
    return made;
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
  spin->SetUseDrag(false);
  for (int row : {11, 12, 13, 14}) backend().Click(At(8, row));
  EXPECT_EQ(events, (std::vector<std::string>{"up@0", "down@0"}));
  EXPECT_EQ(distances, (std::vector<double>{0, 0}));  // the default increment
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

// The repeat must never outlive the press: a dialog that hides or disables
// the button in its handler would otherwise keep buying.
TEST_F(SpinButtonTest, HidingDisablingLosingTheMouseOrFreeingTheButtonEndsTheRepeat) {
  struct Case {
    const char* name;
    bool from_handler;  // at the second step, else from outside at 450 ms
    std::function<void()> interrupt;
  };
  const auto hide = [this] { spin->Hide(); };
  const auto disable = [this] { spin->SetEnabled(false); };
  const Case cases[] = {
      {"hidden by its handler", true, hide},
      {"disabled by its handler", true, disable},
      {"dialog from its handler", true,
       [] { MessageDlg("No room", TMsgDlgType::mtInformation, mbOK); }},
      {"hidden", false, hide},
      {"disabled", false, disable},
      {"capture taken", false, [this] { SetCapture(&form); }},
      {"context menu", false,
       [this] {
         backend().MouseDown(At(8, 20), TMouseButton::mbRight);
         backend().MouseUp(At(8, 20), TMouseButton::mbRight);
       }},
      {"freed", false,
       [this] {
         delete spin;
         spin = nullptr;
       }},
  };
  // A menu opens on a button that has already come up.
  TPopupMenu menu(&form);
  menu.OnPopup = [this](TComponent*) { EXPECT_NE(GetCapture(), spin); };
  backend().SetModalHook([this](TForm& dialog) {
    backend().Advance(1000);
    dialog.SetModalResult(mrOk);
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    delete spin;
    spin = MakeSpin();
    spin->SetPopupMenu(&menu);
    spin->OnDownClick = [this, &c](TComponent*, double) {
      Record("down", 0);
      if (c.from_handler && events.size() == 2) c.interrupt();
    };
    events.clear();
    const int start = static_cast<int>(Application.Now());
    const TPoint lower = At(8, 20);
    backend().MouseDown(lower);
    backend().Advance(450);
    if (!c.from_handler) c.interrupt();
    if (spin) {
      spin->Show();
      spin->SetEnabled(true);
    }
    backend().Advance(1000);
    EXPECT_TRUE(!spin || GetCapture() != spin);
    ReleaseCapture();
    backend().MouseUp(lower);
    EXPECT_EQ(events, (std::vector<std::string>{"down@" + std::to_string(start),
                                                "down@" + std::to_string(start + 400)}));
  }
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
  // A right click ends a drag before its menu opens, and the cursor with it.
  TPopupMenu menu(&form);
  spin->SetPopupMenu(&menu);
  menu.OnPopup = [&](TComponent*) { EXPECT_EQ(Screen.Cursor(), crDefault); };
  backend().MouseDown(At(8, 13));
  backend().MouseDown(At(8, 13), TMouseButton::mbRight);
  backend().MouseUp(At(8, 13), TMouseButton::mbRight);
  backend().MouseMove(At(8, 2));
  EXPECT_EQ(drags.size(), 2u);
}

// A control that records the wheel turns it is given.
class WheelHolder : public TCustomControl {
 public:
  explicit WheelHolder(TComponent* owner) : TCustomControl(owner) {}
  std::vector<intptr_t> turns;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg != WM_MOUSEWHEEL) return TCustomControl::WndProc(message);
    turns.push_back(message.WParam);
    message.Result = 1;
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

}  // namespace
