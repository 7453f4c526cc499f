#include <gtest/gtest.h>

#include "platform/backend/headless_backend.h"
#include "platform/components/focus.h"
#include "platform/forms/form.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"
#include "tests/platform/components/test_controls.h"

namespace {

class KeyInputTest : public ::testing::Test {
 protected:
  KeyInputTest() {
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 400, 300);
    for (int i = 0; i < 4; ++i) {
      controls[i] = Place<TProbe>(&form, 10 + 50 * i, 10, 40, 20);
      controls[i]->SetTabStop(true);
    }
  }

  THeadlessBackend& input() { return session.Backend(); }

  THeadlessSession session;
  TForm form;
  TProbe* controls[4];
};

TEST_F(KeyInputTest, ShowingAFormFocusesItsFirstTabStop) {
  form.Show();
  EXPECT_EQ(FocusedControl(), controls[0]);
  EXPECT_EQ(controls[0]->Count(CM_ENTER), 1);
}

TEST_F(KeyInputTest, TabFollowsTabOrderAndSkipsWhatCannotTakeTheFocus) {
  controls[3]->SetTabOrder(0);  // now first
  controls[1]->SetEnabled(false);
  form.Show();
  EXPECT_EQ(FocusedControl(), controls[3]);
  input().PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), controls[0]);
  input().PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), controls[2]);
  input().PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), controls[3]);  // round again
  input().PressKey(VK_TAB, ssShift);
  EXPECT_EQ(FocusedControl(), controls[2]);
  EXPECT_EQ(controls[3]->Count(CM_EXIT), 2);
}

TEST_F(KeyInputTest, ArrowKeysMoveTheFocusEvenToControlsThatAreNoTabStops) {
  controls[1]->SetTabStop(false);
  form.Show();
  input().PressKey(VK_RIGHT);
  EXPECT_EQ(FocusedControl(), controls[1]);
  input().PressKey(VK_UP);
  EXPECT_EQ(FocusedControl(), controls[0]);

  // Inside a box the arrows go round the box's own controls.
  auto* box = Place<TProbe>(&form, 10, 100, 200, 100);
  auto* first = Place<TProbe>(box, 10, 10, 50, 20);
  auto* second = Place<TProbe>(box, 10, 40, 50, 20);
  second->SetFocus();
  input().PressKey(VK_DOWN);
  EXPECT_EQ(FocusedControl(), first);
  input().PressKey(VK_UP);
  EXPECT_EQ(FocusedControl(), second);

  // A control that wants the arrows keeps them.
  controls[0]->SetFocus();
  controls[0]->dialog_code = DLGC_WANTARROWS;
  input().PressKey(VK_DOWN);
  EXPECT_EQ(FocusedControl(), controls[0]);
  EXPECT_EQ(controls[0]->Count(WM_KEYDOWN), 1);
}

TEST_F(KeyInputTest, EscapeAndEnterAreOfferedToEveryControlUntilOneTakesThem) {
  controls[2]->takes_dialog_key = VK_ESCAPE;
  form.Show();
  input().PressKey(VK_ESCAPE);
  EXPECT_EQ(controls[1]->Count(CM_DIALOGKEY), 1);
  EXPECT_EQ(controls[2]->Count(CM_DIALOGKEY), 1);
  EXPECT_EQ(controls[3]->Count(CM_DIALOGKEY), 0);
  EXPECT_EQ(controls[0]->Count(WM_KEYDOWN), 0);

  // Nobody takes Enter, so the focused control gets it as a key.
  input().PressKey(VK_RETURN);
  EXPECT_EQ(controls[2]->Count(CM_DIALOGKEY), 2);
  EXPECT_EQ(controls[3]->Count(CM_DIALOGKEY), 1);
  EXPECT_EQ(controls[0]->Count(WM_KEYDOWN), 1);

  // A control that wants every key sees Escape itself.
  controls[0]->dialog_code = DLGC_WANTALLKEYS;
  input().PressKey(VK_ESCAPE);
  EXPECT_EQ(controls[2]->Count(CM_DIALOGKEY), 2);
  EXPECT_EQ(controls[0]->Count(WM_KEYDOWN), 2);
}

TEST_F(KeyInputTest, CharactersAreOfferedAsAcceleratorsUnlessTheFocusedControlTakesThem) {
  controls[3]->takes_dialog_char = 'o';
  form.Show();
  input().Type("o");
  EXPECT_EQ(controls[3]->Count(CM_DIALOGCHAR), 1);
  EXPECT_EQ(controls[0]->Count(WM_CHAR), 0);

  controls[0]->dialog_code = DLGC_WANTCHARS;
  input().Type("o");
  EXPECT_EQ(controls[0]->Count(WM_CHAR), 1);
  EXPECT_EQ(controls[3]->Count(CM_DIALOGCHAR), 1);

  // With Alt held it is an accelerator whatever the focused control wants.
  input().Type("o", ssAlt);
  EXPECT_EQ(controls[3]->Count(CM_DIALOGCHAR), 2);
  EXPECT_EQ(controls[0]->Count(WM_CHAR), 1);
}

TEST_F(KeyInputTest, AFormThatPreviewsKeysCanEatThemBeforeTheFocusedControl) {
  form.SetKeyPreview(true);
  std::vector<int> seen;
  form.OnKeyDown = [&](TComponent*, int& key, TShiftState) {
    seen.push_back(key);
    if (key == VK_LEFT) key = 0;
  };
  form.Show();
  input().PressKey(VK_LEFT);
  input().PressKey('A', ssShift);
  EXPECT_EQ(seen, (std::vector<int>{VK_LEFT, 'A'}));
  EXPECT_EQ(FocusedControl(), controls[0]);  // the eaten arrow moved nothing
  EXPECT_EQ(controls[0]->Count(WM_KEYDOWN), 1);
  EXPECT_EQ(GetShiftState(), ssShift);
}

TEST_F(KeyInputTest, HidingTheFocusedControlHandsTheFocusOn) {
  form.Show();
  controls[0]->Hide();
  EXPECT_EQ(FocusedControl(), controls[1]);
  delete controls[1];
  EXPECT_EQ(FocusedControl(), nullptr);
  input().PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), controls[2]);
}

TEST(Accelerators, TheCharacterAfterASingleAmpersandIsTheAccelerator) {
  EXPECT_TRUE(IsAccel('o', "&OK"));
  EXPECT_TRUE(IsAccel('N', "Set &name"));
  EXPECT_FALSE(IsAccel('k', "&OK"));
  EXPECT_TRUE(IsAccel('r', "Rock && &Roll"));
  EXPECT_FALSE(IsAccel('&', "Rock && Roll"));
  EXPECT_FALSE(IsAccel('x', "Trailing&"));
}

TEST_F(KeyInputTest, FreeingAShownDialogGivesTheKeyboardBackToTheFormBelow) {
  form.Show();
  auto* dialog = new TForm(nullptr);
  dialog->SetBounds(0, 0, 100, 50);
  dialog->Show();
  EXPECT_EQ(ActiveRoot(), dialog);
  delete dialog;
  EXPECT_EQ(ActiveRoot(), &form);
  EXPECT_EQ(FocusedControl(), controls[0]);
}

}  // namespace
