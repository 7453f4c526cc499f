#include <gtest/gtest.h>

#include <tuple>
#include <utility>

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

// Showing a form focuses its first tab stop; Tab follows the tab order round,
// skipping what cannot take the focus; the arrows reach controls that are no tab
// stops and go round a box's own controls, unless the control wants them.
TEST_F(KeyInputTest, TabAndArrowsMoveTheFocus) {
  controls[3]->SetTabOrder(0);
  controls[1]->SetEnabled(false);
  controls[2]->SetTabStop(false);
  form.Show();
  EXPECT_EQ(controls[3]->Count(CM_ENTER), 1);
  const std::pair<int, int> steps[] = {{VK_TAB, 0},   {VK_TAB, 3}, {VK_RIGHT, 0},
                                       {VK_RIGHT, 2}, {VK_UP, 0},  {VK_LEFT, 3}};
  for (const auto& [key, focused] : steps) {
    input().PressKey(key);
    EXPECT_EQ(FocusedControl(), controls[focused]) << key;
  }
  input().PressKey(VK_TAB, ssShift);
  EXPECT_EQ(FocusedControl(), controls[0]);
  auto* box = Place<TProbe>(&form, 10, 100, 200, 100);
  auto* first = Place<TProbe>(box, 10, 10, 50, 20);
  auto* second = Place<TProbe>(box, 10, 40, 50, 20);
  second->SetFocus();
  input().PressKey(VK_DOWN);
  EXPECT_EQ(FocusedControl(), first);
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
  EXPECT_EQ(controls[3]->Count(CM_DIALOGKEY), 0);
  EXPECT_EQ(controls[0]->Count(WM_KEYDOWN), 0);
  // Nobody takes Enter, so the focused control gets it as a key.
  input().PressKey(VK_RETURN);
  EXPECT_EQ(controls[3]->Count(CM_DIALOGKEY), 1);
  EXPECT_EQ(controls[0]->Count(WM_KEYDOWN), 1);
  // A control that wants every key sees Escape itself.
  controls[0]->dialog_code = DLGC_WANTALLKEYS;
  input().PressKey(VK_ESCAPE);
  EXPECT_EQ(controls[2]->Count(CM_DIALOGKEY), 2);
  EXPECT_EQ(controls[0]->Count(WM_KEYDOWN), 2);
}

// A character is an accelerator unless the focused control takes characters;
// with Alt held it is one whatever the focused control wants.
TEST_F(KeyInputTest, CharactersAreOfferedAsAcceleratorsUnlessTheFocusedControlTakesThem) {
  controls[3]->takes_dialog_char = 'o';
  form.Show();
  input().Type("o");
  controls[0]->dialog_code = DLGC_WANTCHARS;
  input().Type("o");
  input().Type("o", ssAlt);
  EXPECT_EQ(controls[3]->Count(CM_DIALOGCHAR), 2);
  EXPECT_EQ(controls[0]->Count(WM_CHAR), 1);
}

TEST(Accelerators, TheCharacterAfterASingleAmpersandIsTheAccelerator) {
  const std::tuple<char, const char*, bool> rows[] = {
      {'o', "&OK", true},           {'N', "Set &name", true},     {'k', "&OK", false},
      {'r', "Rock && &Roll", true}, {'&', "Rock && Roll", false}, {'x', "Trailing&", false}};
  for (const auto& [key, caption, accel] : rows) EXPECT_EQ(IsAccel(key, caption), accel) << caption;
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

// The focus passes on from a hidden control and from a freed dialog.
TEST_F(KeyInputTest, TheFocusPassesOnWhenItsHolderGoes) {
  form.Show();
  controls[0]->Hide();
  EXPECT_EQ(FocusedControl(), controls[1]);
  delete controls[1];
  EXPECT_EQ(FocusedControl(), nullptr);
  input().PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), controls[2]);
  auto* dialog = new TForm(nullptr);
  dialog->SetBounds(0, 0, 100, 50);
  dialog->Show();
  EXPECT_EQ(ActiveRoot(), dialog);
  delete dialog;
  EXPECT_EQ(ActiveRoot(), &form);
  EXPECT_EQ(FocusedControl(), controls[2]);
}

}  // namespace
