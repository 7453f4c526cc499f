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

TEST_F(ButtonsTest, AButtonHandsItsModalResultToTheFormBeforeItsHandlerRuns) {
  auto* button = Put<TButton>(10, 10, 75, 25);
  button->SetModalResult(mrOk);
  TModalResult seen = mrNone;
  button->OnClick = [&](TComponent*) { seen = form.ModalResult(); };
  backend().Click(*button);
  EXPECT_EQ(seen, mrOk);
}

TEST_F(ButtonsTest, APressReleasedOutsideTheButtonIsNoClick) {
  auto* button = Put<TButton>(10, 10, 75, 25);
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  backend().MouseDown({20, 20});
  backend().MouseMove({200, 200});
  backend().MouseUp({200, 200});
  EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonsTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButtonOnlyWhileUsable) {
  auto* ok = Put<TButton>(10, 10, 75, 25);
  auto* cancel = Put<TButton>(100, 10, 75, 25);
  ok->SetDefault(true);
  cancel->SetCancel(true);
  std::vector<std::string> clicks;
  ok->OnClick = [&](TComponent*) { clicks.push_back("ok"); };
  cancel->OnClick = [&](TComponent*) { clicks.push_back("cancel"); };
  backend().PressKey(VK_RETURN);
  backend().PressKey(VK_ESCAPE);
  ok->SetEnabled(false);
  cancel->Hide();
  backend().PressKey(VK_RETURN);
  backend().PressKey(VK_ESCAPE);
  EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
}

TEST_F(ButtonsTest, EnterClicksTheFocusedButtonRatherThanTheDefaultOne) {
  auto* ok = Put<TButton>(10, 10, 75, 25);
  auto* other = Put<TButton>(100, 10, 75, 25);
  ok->SetDefault(true);
  std::vector<std::string> clicks;
  ok->OnClick = [&](TComponent*) { clicks.push_back("ok"); };
  other->OnClick = [&](TComponent*) { clicks.push_back("other"); };
  other->SetFocus();
  backend().PressKey(VK_RETURN);
  EXPECT_EQ(clicks, (std::vector<std::string>{"other"}));
}

TEST_F(ButtonsTest, SpaceAndTheAcceleratorClickAButtonButADisabledOneTakesNoInput) {
  auto* button = Put<TButton>(10, 10, 75, 25);
  button->SetCaption("&Done");
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  button->SetFocus();
  backend().PressKey(VK_SPACE);
  backend().Type("d", ssAlt);
  EXPECT_EQ(clicks, 2);
  button->SetEnabled(false);
  backend().Click(*button);
  backend().PressKey(VK_SPACE);
  backend().Type("d", ssAlt);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonsTest, ASpeedButtonClicksWithoutTakingTheFocusOrClosingTheForm) {
  auto* speed = Put<TSpeedButton>(10, 10, 60, 22);
  int clicks = 0;
  speed->OnClick = [&](TComponent*) { ++clicks; };
  backend().Click(*speed);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.ModalResult(), mrNone);
  speed->SetEnabled(false);
  backend().Click(*speed);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonsTest, ACheckBoxTogglesOnAClickOrSpaceThenRunsItsHandler) {
  auto* box = Put<TCheckBox>(10, 10, 100, 17);
  std::vector<bool> seen;
  box->OnClick = [&](TComponent*) { seen.push_back(box->Checked()); };
  backend().Click(*box);
  box->SetFocus();
  backend().PressKey(VK_SPACE);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(ButtonsTest, ACheckBoxSetFromCodeRunsItsHandlerOnlyWhenTheStateChanges) {
  auto* box = Put<TCheckBox>(10, 10, 100, 17);
  int clicks = 0;
  box->OnClick = [&](TComponent*) { ++clicks; };
  box->SetChecked(false);
  EXPECT_EQ(clicks, 0);
  box->SetChecked(true);
  box->SetChecked(true);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonsTest, AGrayedStateIsReachedByClicksOnlyWhenAllowed) {
  auto* box = Put<TCheckBox>(10, 10, 100, 17);
  box->SetAllowGrayed(true);
  backend().Click(*box);
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
    other = Put<TRadioButton>(200, 10, 100, 17);
  }
  TRadioButton* radio[3];
  TRadioButton* other;
  std::vector<int> clicks;
};

TEST_F(RadioTest, CheckingFromCodeUnchecksTheSiblingsAndRunsTheHandler) {
  other->SetChecked(true);
  radio[0]->SetChecked(true);
  radio[2]->SetChecked(true);
  EXPECT_FALSE(radio[0]->Checked());
  EXPECT_TRUE(radio[2]->Checked());
  EXPECT_FALSE(other->Checked());  // siblings of one parent form one group
  EXPECT_EQ(clicks, (std::vector<int>{0, 2}));
}

TEST_F(RadioTest, UncheckingFromCodeOrClickingTheCheckedButtonRunsNothing) {
  radio[1]->SetChecked(true);
  clicks.clear();
  backend().Click(*radio[1]);
  radio[1]->SetChecked(false);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(RadioTest, RadioButtonsInAnotherParentAreAGroupOfTheirOwn) {
  auto* box = Put<TButton>(200, 100, 150, 100);  // any windowed parent
  auto* inside = Put<TRadioButton>(5, 5, 100, 17, box);
  radio[0]->SetChecked(true);
  inside->SetChecked(true);
  EXPECT_TRUE(radio[0]->Checked());
}

TEST_F(RadioTest, TheAcceleratorChecksAndFocusesButNotWhileDisabled) {
  radio[1]->SetCaption("&River going");
  backend().Type("r", ssAlt);
  EXPECT_TRUE(radio[1]->Checked());
  EXPECT_TRUE(radio[1]->Focused());
  radio[2]->SetCaption("&Ocean going");
  radio[2]->SetEnabled(false);
  backend().Type("o", ssAlt);
  EXPECT_FALSE(radio[2]->Checked());
  EXPECT_EQ(clicks, (std::vector<int>{1}));
}

TEST_F(RadioTest, AnAcceleratorWorksWithoutAltWhileARadioButtonHasTheFocus) {
  radio[2]->SetCaption("&Transports");
  radio[0]->SetFocus();
  backend().Type("t");
  EXPECT_TRUE(radio[2]->Checked());
}

TEST_F(RadioTest, AClickChecksAndTheFocusAloneDoesNot) {
  radio[0]->SetFocus();
  backend().PressKey(VK_DOWN);
  EXPECT_FALSE(radio[0]->Checked());
  EXPECT_FALSE(radio[1]->Checked());
  backend().Click(*radio[2]);
  EXPECT_TRUE(radio[2]->Checked());
  EXPECT_EQ(clicks, (std::vector<int>{2}));
}

}  // namespace
