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
  // Clicks an item in whichever list opens next.
  void ChooseInNextList(TMenuItem* item) {
    backend().SetModalHook([this, item](TForm& list) {
      const TRect row = static_cast<TMenuWindow&>(list).ItemRectOnScreen(item);
      backend().Click({row.Left + 4, row.Top + 4});
    });
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
  EXPECT_EQ(FindOwned<TMenuItem>(form, "Execute1"), execute);
  EXPECT_EQ(game->Find("Load Game"), load);
}

TEST_F(MenuTest, ATitleOpensItsListAndTheChosenItemRunsAfterTheListCloses) {
  bool list_gone = false;
  execute->OnClick = [&](TComponent*) {
    list_gone = backend().ModalCount() == 1 && Screen.FormCount() == 1;
  };
  ChooseInNextList(execute);
  backend().Click(menu->TitleRectOnScreen(game).TopLeft() + TPoint{3, 3});
  EXPECT_TRUE(list_gone);
}

TEST_F(MenuTest, ADisabledItemCannotBeChosenAndAPressOutsideClosesTheList) {
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
}

TEST_F(MenuTest, KeysOpenATitleMoveOverDisabledItemsAndChoose) {
  load->SetEnabled(false);
  backend().SetModalHook([this](TForm&) {
    backend().PressKey(VK_DOWN);
    backend().PressKey(VK_RETURN);
  });
  backend().Type("g", ssAlt);
  EXPECT_EQ(ran, (std::vector<std::string>{"Execute1"}));
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

TEST_F(MenuTest, AnItemWithItemsOpensThemBesideItAndTheChosenOneRuns) {
  TMenuItem* speed = NewMenuItem(&form, game, "Speed1", "Time Delay");
  TMenuItem* fast = NewMenuItem(&form, speed, "Fast1", "Fast");
  fast->OnClick = [&](TComponent*) { ran.push_back("Fast1"); };
  int lists = 0;
  backend().SetModalHook([&](TForm& list) {
    auto& window = static_cast<TMenuWindow&>(list);
    TMenuItem* wanted = ++lists == 1 ? speed : fast;
    const TRect row = window.ItemRectOnScreen(wanted);
    backend().Click({row.Left + 4, row.Top + 4});
  });
  backend().Click(menu->TitleRectOnScreen(game).TopLeft() + TPoint{3, 3});
  EXPECT_EQ(lists, 2);
  EXPECT_EQ(ran, (std::vector<std::string>{"Fast1"}));
  EXPECT_EQ(Screen.FormCount(), 1);
}

TEST_F(MenuTest, APopupMenuRunsOnPopupThenTheChosenItem) {
  TPopupMenu popup(&form);
  TMenuItem* hint = NewMenuItem(&form, &popup.Items(), "Hint1", "Show hint");
  bool popped = false;
  popup.OnPopup = [&](TComponent*) { popped = true; };
  hint->OnClick = [&](TComponent*) { ran.push_back("Hint1"); };
  ChooseInNextList(hint);
  popup.Popup(100, 100);
  EXPECT_TRUE(popped);
  EXPECT_EQ(ran, (std::vector<std::string>{"Hint1"}));
}

TEST_F(MenuTest, ARightClickOpensTheControlsMenuAtThePointerElseItsParentsMenu) {
  auto* panel = Put<TPanel>(50, 60, 100, 80);
  TPopupMenu* own = new TPopupMenu(&form);
  NewMenuItem(&form, &own->Items(), "Own1", "Own");
  TPopupMenu form_menu(&form);
  NewMenuItem(&form, &form_menu.Items(), "Form1", "Form");
  form.SetPopupMenu(&form_menu);
  panel->SetPopupMenu(own);
  std::vector<std::string> opened;
  own->OnPopup = [&](TComponent*) { opened.push_back("Own1"); };
  form_menu.OnPopup = [&](TComponent*) { opened.push_back("Form1"); };
  TPoint corner;
  backend().SetModalHook([&](TForm& list) {
    corner = {list.Left(), list.Top()};
    backend().PressKey(VK_ESCAPE);
  });
  backend().Click(panel->ClientToScreen({10, 10}));
  EXPECT_TRUE(opened.empty());
  backend().MouseDown({70, 75}, TMouseButton::mbRight);
  EXPECT_TRUE(opened.empty());
  backend().MouseUp({70, 75}, TMouseButton::mbRight);
  EXPECT_EQ(opened, std::vector<std::string>{"Own1"});
  EXPECT_EQ(corner, (TPoint{70, 75}));
  EXPECT_EQ(own->PopupComponent, panel);

  delete own;
  EXPECT_EQ(panel->PopupMenu(), nullptr);
  backend().MouseDown({70, 75}, TMouseButton::mbRight);
  backend().MouseUp({70, 75}, TMouseButton::mbRight);
  EXPECT_EQ(opened, (std::vector<std::string>{"Own1", "Form1"}));
}

}  // namespace
