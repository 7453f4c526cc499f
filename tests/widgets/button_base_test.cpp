// The themed control base and the button base, on a headless form, with no
// theme (as the game runs) and with a recording theme.
#include "widgets/button_base.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/forms/form.h"
#include "recording_theme.h"

namespace {

// A check item of the simplest kind: a click toggles it.
class TProbeButton : public TKxButtonControl {
 public:
  explicit TProbeButton(TComponent* owner) : TKxButtonControl(owner) {}

  void Click() override {
    checked = !checked;
    TKxButtonControl::Click();
  }

  bool checked = false;
  int windows_made = 0;
  int text_changes = 0;

 protected:
  bool GetChecked() const override { return checked; }
  void SetChecked(bool value) override { checked = value; }
  void CreateWnd() override {
    ++windows_made;
    TKxButtonControl::CreateWnd();
  }
  void WndProc(TMessage& message) override {
    text_changes += message.Msg == CM_TEXTCHANGED ? 1 : 0;
    TKxButtonControl::WndProc(message);
  }
};

class ButtonBaseTest : public ::testing::Test {
 protected:
  TProbeButton* PlaceButton() {
    form.SetBounds(0, 0, 200, 100);
    form.Show();
    auto* button = new TProbeButton(&form);
    button->SetParent(&form);
    button->SetBounds(10, 10, 80, 17);
    return button;
  }

  THeadlessSession session;
  TForm form;
};

// Themes came with system 5.1; without them every control draws classically.
TEST_F(ButtonBaseTest, ThemesBindOnlyOnSystemsThatHaveThem) {
  TRecordingTheme theme;
  const struct {
    TKxVersionInfo system;
    bool binds;
  } cases[] = {{{2, 5, 0, 2195}, false}, {{1, 4, 90, 3000}, false}, {{2, 5, 1, 2600}, true},
               {{2, 6, 0, 6000}, true}};
  for (const auto& c : cases) {
    BindThemeLibrary(c.system, &theme);
    EXPECT_EQ(ThemesAvailable && &ThemeLibrary() == &theme, c.binds) << c.system.Major << "."
                                                                      << c.system.Minor;
    BindThemeLibrary(kKxVersionProfile, nullptr);
  }
  TProbeButton* button = PlaceButton();
  EXPECT_FALSE(button->IsThemeApplied());
  button->SetUseXPThemes(false);
  EXPECT_EQ(button->windows_made, 1);  // nothing to recreate without themes
}

TEST_F(ButtonBaseTest, AThemeHandleLivesWithTheWindow) {
  TRecordingThemeBinding binding;
  auto* button = new TProbeButton(&form);
  button->SetUseXPThemes(false);
  button->SetUseXPThemes(true);  // before the window: only stored
  EXPECT_EQ(binding.theme.Count("OpenThemeData"), 0);
  button->SetParent(&form);
  EXPECT_TRUE(button->IsThemeApplied());
  EXPECT_EQ(binding.theme.open_handles, 1);
  button->SetUseXPThemes(false);
  EXPECT_EQ(button->windows_made, 2);
  EXPECT_EQ(binding.theme.open_handles, 0);
  button->SetUseXPThemes(true);
  const HTHEME before = button->ThemeHandle();
  EXPECT_EQ(button->Perform(WM_THEMECHANGED), 1);
  EXPECT_NE(button->ThemeHandle(), before);
  EXPECT_EQ(binding.theme.open_handles, 1);
  delete button;
  EXPECT_EQ(binding.theme.open_handles, 0);
  // Part sizes of a class come from theme data opened for the question only.
  TSize size{7, 7};
  EXPECT_EQ(GetClassThemePartSize(L"TRACKBAR", nullptr, 1, 1, nullptr, TS_TRUE, size), E_NOTIMPL);
  EXPECT_EQ(GetClassThemePartSize(L"BUTTON", nullptr, 3, 1, nullptr, TS_TRUE, size), S_OK);
  EXPECT_EQ(size, (TSize{13, 13}));
  EXPECT_EQ(binding.theme.open_handles, 0);
}

TEST_F(ButtonBaseTest, AnAcceleratorClicksOnlyAControlThatCanTakeTheFocus) {
  form.Font().SetName("Times New Roman");
  TProbeButton* button = PlaceButton();
  EXPECT_EQ(button->Color(), clBtnFace);
  EXPECT_EQ(button->Font().Name(), "Times New Roman");
  button->SetCaption("&Confederacy");
  button->SetCaption("&Confederacy");
  EXPECT_EQ(button->text_changes, 1);  // only a real change is announced
  EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'x'), 0);
  EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'c'), 1);
  EXPECT_TRUE(button->checked);
  button->SetEnabled(false);
  EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'C'), 0);
  button->SetEnabled(true);
  button->Hide();
  EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'C'), 0);
  EXPECT_TRUE(button->checked);
}

}  // namespace
