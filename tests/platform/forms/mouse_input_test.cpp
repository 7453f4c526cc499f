#include <gtest/gtest.h>

#include "platform/backend/headless_backend.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/input/mouse.h"
#include "tests/platform/components/test_controls.h"

namespace {

class MouseInputTest : public ::testing::Test {
 protected:
  MouseInputTest() {
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 400, 300);
    form.Show();
    button = Place<TProbe>(&form, 10, 10, 80, 25);
    button->OnClick = [this](TComponent*) { ++clicks; };
  }

  THeadlessBackend& input() { return session.Backend(); }

  THeadlessSession session;
  TRecording<TForm> form{nullptr};
  TProbe* button;
  int clicks = 0;
};

TEST_F(MouseInputTest, APressGoesToTheDeepestEnabledControlAndADisabledOneLetsItThrough) {
  auto* panel = Place<TProbe>(&form, 100, 100, 100, 100);
  auto* inner = Place<TProbe>(panel, 10, 10, 20, 20);
  input().Click({115, 115});
  EXPECT_EQ(inner->Count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(panel->Count(WM_LBUTTONDOWN), 0);

  inner->SetEnabled(false);
  input().Click({115, 115});
  EXPECT_EQ(inner->Count(WM_LBUTTONDOWN), 1);
  EXPECT_EQ(panel->Count(WM_LBUTTONDOWN), 1);
}

TEST_F(MouseInputTest, AClickNeedsTheReleaseInsideTheControlThatWasPressed) {
  input().Click({20, 20});
  EXPECT_EQ(clicks, 1);

  // The press captures the mouse: the release outside goes to the button
  // too, and is no click.
  input().MouseDown({20, 20});
  EXPECT_EQ(GetCapture(), button);
  input().MouseMove({200, 200});
  input().MouseUp({200, 200});
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button->Count(WM_LBUTTONUP), 2);
  EXPECT_EQ(GetCapture(), nullptr);

  // Pressed elsewhere and released on the button: no click either.
  input().MouseDown({200, 200});
  input().MouseUp({20, 20});
  EXPECT_EQ(clicks, 1);
}

TEST_F(MouseInputTest, TheLoserOfTheCaptureIsToldAndThePreviousHolderCanBeRestored) {
  auto* spin = Place<TProbe>(&form, 100, 10, 20, 20);
  EXPECT_EQ(SetCapture(button), nullptr);
  TControl* previous = SetCapture(spin);
  EXPECT_EQ(previous, button);
  EXPECT_EQ(button->Count(CM_CAPTURECHANGED), 1);
  SetCapture(previous);
  EXPECT_EQ(GetCapture(), button);
  EXPECT_EQ(spin->Count(CM_CAPTURECHANGED), 1);

  // Disabling or hiding the holder takes the capture away, with the notice.
  button->SetEnabled(false);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(button->Count(CM_CAPTURECHANGED), 2);
  SetCapture(spin);
  spin->Hide();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(spin->Count(CM_CAPTURECHANGED), 2);
}

TEST_F(MouseInputTest, EnterAndLeaveFollowThePointerAlsoOverDisabledControlsAndOffEveryForm) {
  button->SetEnabled(false);
  input().MouseMove({20, 20});
  EXPECT_EQ(button->Count(CM_MOUSEENTER), 1);
  EXPECT_EQ(ControlUnderMouse(), button);
  input().MouseMove({25, 20});
  EXPECT_EQ(button->Count(CM_MOUSEENTER), 1);
  input().MouseMove({200, 200});
  EXPECT_EQ(button->Count(CM_MOUSELEAVE), 1);
  EXPECT_EQ(ControlUnderMouse(), &form);
  EXPECT_EQ(button->Count(WM_MOUSEMOVE), 0);  // a disabled control takes no input
  // Outside every form the pointer is over no control, and a press reaches none.
  form.SetBounds(0, 0, 100, 100);
  input().MouseMove({300, 300});
  EXPECT_EQ(ControlUnderMouse(), nullptr);
  input().Click({300, 300});
  EXPECT_EQ(form.Count(WM_LBUTTONDOWN), 0);
}

// A second press within 500 ms and 4 pixels each way of the first is a double
// click, which still reaches MouseDown; a third press starts a new pair.
TEST_F(MouseInputTest, ASecondPressSoonAndNearIsADoubleClick) {
  const struct {
    int wait, dx, dy;
    bool twice;
  } presses[] = {{500, 0, 0, true}, {501, 0, 0, false}, {0, 4, 0, true},
                 {0, 5, 0, false},  {0, 0, -5, false},  {0, 0, 4, true}};
  int double_clicks = 0;
  TShiftState second_press = 0;
  button->OnDblClick = [&](TComponent*) { ++double_clicks; };
  button->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState shift, int, int) {
    second_press = shift;
  };
  for (const auto& press : presses) {
    SCOPED_TRACE(testing::Message() << press.wait << " ms, " << press.dx << ", " << press.dy);
    input().Advance(1000);
    double_clicks = 0;
    input().Click({20, 20});
    input().Advance(press.wait);
    input().Click({20 + press.dx, 20 + press.dy});
    EXPECT_EQ(double_clicks, press.twice ? 1 : 0);
    EXPECT_EQ((second_press & ssDouble) != 0, press.twice);
  }
  EXPECT_EQ(clicks, 2 * 6);
  input().Click({20, 20});  // the third press of a pair
  EXPECT_EQ(double_clicks, 1);
  // A control without double clicks gets plain presses.
  button->SetControlStyle(button->ControlStyle() & ~csDoubleClicks);
  input().Advance(1000);
  input().Click({20, 20});
  input().Click({20, 20});
  EXPECT_EQ(double_clicks, 1);
  EXPECT_EQ(clicks, 2 * 6 + 3);
}

TEST_F(MouseInputTest, TheWheelGoesToTheFocusedControlAndUpItsParents) {
  auto* panel = Place<TProbe>(&form, 100, 100, 100, 100);
  auto* list = Place<TProbe>(panel, 10, 10, 50, 50);
  panel->takes_wheel = true;
  input().Wheel({160, 160}, -1);  // over the list, but nothing has the focus
  EXPECT_EQ(list->Count(WM_MOUSEWHEEL), 0);
  EXPECT_EQ(form.Count(WM_MOUSEWHEEL), 1);
  list->SetFocus();
  input().Wheel({300, 250}, -1);
  EXPECT_EQ(list->Count(WM_MOUSEWHEEL), 1);
  EXPECT_EQ(panel->Count(WM_MOUSEWHEEL), 1);
}

TEST_F(MouseInputTest, TheScreenCursorOverridesTheCursorOfTheControlUnderThePointer) {
  button->SetCursor(crHandPoint);
  input().MouseMove({20, 20});
  EXPECT_EQ(input().CursorShape(), crHandPoint);
  Screen.SetCursor(crHourGlass);  // shows at once, before the pointer moves
  EXPECT_EQ(input().CursorShape(), crHourGlass);
  Screen.SetCursor(crDefault);
  input().MouseMove({200, 200});
  EXPECT_EQ(input().CursorShape(), crArrow);
}

}  // namespace
