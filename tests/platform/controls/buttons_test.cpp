#include <string>
#include <vector>

#include "control_form.h"
#include "platform/controls/button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/radio_button.h"
#include "platform/controls/speed_button.h"
#include "platform/input/key_codes.h"

namespace {

class ButtonsTest : public ControlTest {};

TEST_F(ButtonsTest, AButtonClicksOnlyWhenReleasedOnItAndHandsItsModalResultFirst) {
  auto* button = Put<TButton>(10, 10, 75, 25);
  button->SetModalResult(mrOk);
  std::vector<TModalResult> seen;
  button->OnClick = [&](TComponent*) { seen.push_back(form.ModalResult()); };
  backend().MouseDown({20, 20});
  backend().MouseMove({200, 200});
  backend().MouseUp({200, 200});
  backend().Click(*button);
  EXPECT_EQ(seen, std::vector<TModalResult>{mrOk});
}

// Enter clicks the focused button, else the default one; Escape the cancel
// button; Space and the accelerator the button itself; each only while it is
// enabled and shown.
TEST_F(ButtonsTest, KeysClickTheButtonTheyNameOnlyWhileItIsUsable) {
  auto* ok = Put<TButton>(10, 10, 75, 25);
  auto* cancel = Put<TButton>(100, 10, 75, 25);
  auto* done = Put<TButton>(200, 10, 75, 25);
  ok->SetDefault(true);
  cancel->SetCancel(true);
  done->SetCaption("&Done");
  std::string clicks;
  ok->OnClick = [&](TComponent*) { clicks += "o"; };
  cancel->OnClick = [&](TComponent*) { clicks += "c"; };
  done->OnClick = [&](TComponent*) { clicks += "d"; };
  backend().PressKey(VK_RETURN);
  backend().PressKey(VK_ESCAPE);
  backend().Type("d", ssAlt);
  done->SetFocus();
  backend().PressKey(VK_SPACE);
  backend().PressKey(VK_RETURN);
  EXPECT_EQ(clicks, "ocddd");
  ok->SetFocus();
  ok->SetEnabled(false);
  cancel->Hide();
  done->SetEnabled(false);
  backend().PressKey(VK_RETURN);
  backend().PressKey(VK_ESCAPE);
  backend().Type("d", ssAlt);
  backend().Click(*done);
  EXPECT_EQ(clicks, "ocddd");
}

TEST_F(ButtonsTest, ASpeedButtonClicksWithoutTakingTheFocusOrClosingTheForm) {
  auto* edit = Put<TButton>(100, 10, 60, 22);
  edit->SetFocus();
  auto* speed = Put<TSpeedButton>(10, 10, 60, 22);
  int clicks = 0;
  speed->OnClick = [&](TComponent*) { ++clicks; };
  backend().Click(*speed);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(form.ModalResult(), mrNone);
  speed->SetEnabled(false);
  backend().Click(*speed);
  EXPECT_EQ(clicks, 1);
}

// Clicks and Space toggle and then run the handler; code runs it only on a
// change; the grayed state is reached by clicks only when allowed.
TEST_F(ButtonsTest, ACheckBoxTogglesThenRunsItsHandler) {
  auto* box = Put<TCheckBox>(10, 10, 100, 17);
  std::vector<bool> seen;
  box->OnClick = [&](TComponent*) { seen.push_back(box->Checked()); };
  backend().Click(*box);
  box->SetFocus();
  backend().PressKey(VK_SPACE);
  box->SetChecked(false);
  box->SetChecked(true);
  box->SetChecked(true);
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
  box->SetAllowGrayed(true);
  backend().Click(*box);
  EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
  backend().Click(*box);
  EXPECT_EQ(box->State(), TCheckBoxState::cbUnchecked);
}

class RadioTest : public ControlTest {
 protected:
  RadioTest() {
    for (int i = 0; i < 3; ++i) {
      radio[i] = Put<TRadioButton>(10, 10 + 20 * i, 100, 17);
      radio[i]->OnClick = [this, i](TComponent*) { clicks.push_back(i); };
    }
  }
  TRadioButton* radio[3];
  std::vector<int> clicks;
};

// Siblings of one parent form one group: checking one unchecks the others and
// runs its handler; unchecking or clicking the checked one runs nothing.
TEST_F(RadioTest, CheckingOneUnchecksItsSiblingsOnly) {
  auto* box = Put<TButton>(200, 100, 150, 100);  // any windowed parent
  auto* inside = Put<TRadioButton>(5, 5, 100, 17, box);
  radio[0]->SetChecked(true);
  radio[2]->SetChecked(true);
  inside->SetChecked(true);
  EXPECT_FALSE(radio[0]->Checked());
  EXPECT_TRUE(radio[2]->Checked());
  backend().Click(*radio[2]);
  radio[2]->SetChecked(false);
  EXPECT_EQ(clicks, (std::vector<int>{0, 2}));
}

// The accelerator checks and focuses, without Alt while a radio button has the
// focus, but not while disabled; the focus alone checks nothing.
TEST_F(RadioTest, TheAcceleratorOrAClickChecksAndTheFocusAloneDoesNot) {
  radio[1]->SetCaption("&River going");
  radio[2]->SetCaption("&Ocean going");
  radio[0]->SetFocus();
  backend().PressKey(VK_DOWN);
  EXPECT_FALSE(radio[1]->Checked());
  backend().Type("r");
  EXPECT_TRUE(radio[1]->Checked());
  EXPECT_TRUE(radio[1]->Focused());
  radio[2]->SetEnabled(false);
  backend().Type("o", ssAlt);
  EXPECT_FALSE(radio[2]->Checked());
  backend().Click(*radio[0]);
  EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
}

}  // namespace
