#include <string>
#include <vector>

#include "control_form.h"
#include "platform/controls/main_menu.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/panel.h"
#include "platform/controls/popup_menu.h"
#include "platform/forms/screen.h"
#include "platform/input/key_codes.h"

namespace {

class MenuTest : public ControlTest {
 protected:
  MenuTest() {
    menu = Put<TMainMenu>(0, 0, 400, 19);
    game = NewMenuItem(&form, &menu->Items(), "Game1", "&Game");
    load = NewMenuItem(&form, game, "LoadGame1", "Load Game");
    execute = NewMenuItem(&form, game, "Execute1", "Execute");
    for (TMenuItem* item : {load, execute}) {
      item->OnClick = [this](TComponent* sender) { ran.push_back(sender->Name()); };
    }
  }
  TMainMenu* menu;
  TMenuItem* game;
  TMenuItem* load;
  TMenuItem* execute;
  std::vector<std::string> ran;
};

TEST_F(MenuTest, AnItemRunsFromCodeOnlyWhileEnabled) {
  execute->Click();
  execute->SetEnabled(false);
  execute->Click();
  EXPECT_EQ(ran, (std::vector<std::string>{"Execute1"}));
  EXPECT_EQ(game->Find("Load Game"), load);
}

// A title opens its list, an item with items opens theirs beside it, and the
// chosen item runs once every list has closed.
TEST_F(MenuTest, TheChosenItemRunsAfterItsListsClose) {
  TMenuItem* speed = NewMenuItem(&form, game, "Speed1", "Time Delay");
  TMenuItem* fast = NewMenuItem(&form, speed, "Fast1", "Fast");
  bool lists_gone = false;
  fast->OnClick = [&](TComponent*) {
    lists_gone = backend().ModalCount() == 2 && Screen.FormCount() == 1;
  };
  backend().SetModalHook([&](TForm& list) {
    TMenuItem* wanted = backend().ModalCount() == 1 ? speed : fast;
    const TRect row = static_cast<TMenuWindow&>(list).ItemRectOnScreen(wanted);
    backend().Click({row.Left + 4, row.Top + 4});
  });
  backend().Click(menu->TitleRectOnScreen(game).TopLeft() + TPoint{3, 3});
  EXPECT_TRUE(lists_gone);
}

// A disabled item can be neither clicked nor reached by the arrows; a press
// outside the list closes it.
TEST_F(MenuTest, ADisabledItemCannotBeChosen) {
  execute->SetEnabled(false);
  backend().SetModalHook([this](TForm& list) {
    const TRect row = static_cast<TMenuWindow&>(list).ItemRectOnScreen(execute);
    backend().Click({row.Left + 4, row.Top + 4});
    EXPECT_TRUE(list.Visible());
    backend().Click({390, 290});
  });
  backend().Click(menu->TitleRectOnScreen(game).TopLeft() + TPoint{3, 3});
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(Screen.FormCount(), 1);
  execute->SetEnabled(true);
  load->SetEnabled(false);
  backend().SetModalHook([this](TForm&) {
    backend().PressKey(VK_DOWN);
    backend().PressKey(VK_RETURN);
  });
  backend().Type("g", ssAlt);
  EXPECT_EQ(ran, (std::vector<std::string>{"Execute1"}));
}

// A right click opens the control's menu at the pointer, after OnPopup, or its
// parent's menu when it has none (or its own is freed).
TEST_F(MenuTest, ARightClickOpensTheControlsMenuAtThePointerElseItsParentsMenu) {
  auto* panel = Put<TPanel>(50, 60, 100, 80);
  TPopupMenu* own = new TPopupMenu(&form);
  TMenuItem* hint = NewMenuItem(&form, &own->Items(), "Hint1", "Show hint");
  hint->OnClick = [&](TComponent*) { ran.push_back("Hint1"); };
  TPopupMenu form_menu(&form);
  NewMenuItem(&form, &form_menu.Items(), "Form1", "Form");
  form.SetPopupMenu(&form_menu);
  panel->SetPopupMenu(own);
  own->OnPopup = [&](TComponent*) { ran.push_back("Own"); };
  form_menu.OnPopup = [&](TComponent*) { ran.push_back("Form"); };
  TPoint corner;
  backend().SetModalHook([&](TForm& list) {
    corner = {list.Left(), list.Top()};
    const TRect row = static_cast<TMenuWindow&>(list).ItemRectOnScreen(hint);
    backend().Click({row.Left + 4, row.Top + 4});
  });
  backend().Click(panel->ClientToScreen({10, 10}));
  backend().MouseDown({70, 75}, TMouseButton::mbRight);
  EXPECT_TRUE(ran.empty());
  backend().MouseUp({70, 75}, TMouseButton::mbRight);
  EXPECT_EQ(ran, (std::vector<std::string>{"Own", "Hint1"}));
  EXPECT_EQ(corner, (TPoint{70, 75}));
  EXPECT_EQ(own->PopupComponent, panel);

  delete own;
  EXPECT_EQ(panel->PopupMenu(), nullptr);
  backend().SetModalHook([&](TForm&) { backend().PressKey(VK_ESCAPE); });
  backend().MouseDown({70, 75}, TMouseButton::mbRight);
  backend().MouseUp({70, 75}, TMouseButton::mbRight);
  EXPECT_EQ(ran.back(), "Form");
}

TEST_F(MenuTest, CheckedAndCaptionChangesShowInTheOpenList) {
  execute->SetChecked(true);
  execute->SetCaption("Select side : Confederacy");
  TColor tick = clNone;
  backend().SetModalHook([&](TForm& list) {
    Application.ProcessMessages();
    const TRect row = static_cast<TMenuWindow&>(list).ItemRectOnScreen(execute);
    const TPoint at = list.ScreenToClient(row.TopLeft());
    tick = list.BackBuffer()->Pixel(at.X + 5 + 3, at.Y + 5 + 4);
    backend().PressKey(VK_ESCAPE);
  });
  backend().Click(menu->TitleRectOnScreen(game).TopLeft() + TPoint{3, 3});
  EXPECT_EQ(tick, ColorToRGB(clMenuText));
  EXPECT_TRUE(ran.empty());
}

}  // namespace
