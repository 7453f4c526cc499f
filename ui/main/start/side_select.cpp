#include "ui/main/start/side_select.h"

#include "platform/components/cursor.h"
#include "platform/forms/screen.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/menu_states.h"
#include "world/play_modes.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
constexpr int kFormText = 397;
constexpr int kSideChangeCaptionText = 464;  // + CurrentSide
}  // namespace

Tsideselect::Tsideselect() {
  SetName("sideselect");
  SetBorderStyle(TFormBorderStyle::bsNone);
  BorderIcons = 0;
  Position = TPosition::poScreenCenter;
  SetClientSize(131, 59);
  SetCaption(TextLine(kFormText));
  Button1 = AddControl<TButton>("Button1", 4, 4, 123, 25);
  Button1->SetCaption("Union");
  Button2 = AddControl<TButton>("Button2", 4, 31, 123, 25);
  Button2->SetCaption("Confederacy");
  for (TButton* button : {Button1, Button2}) button->SetModalResult(mrOk);
  Button1->OnClick = [](TComponent*) { CurrentSide = TNation::Union; };
  Button2->OnClick = [](TComponent*) { CurrentSide = TNation::Confederacy; };
}

// A dialog with both buttons closed would hold the player for ever, so with no
// human side nobody is asked.
void ShowSideSelect() {
  Screen.SetCursor(crDefault);
  const bool union_human = IsHumanNation(TNation::Union);
  const bool confederacy_human = IsHumanNation(TNation::Confederacy);
  if (!union_human && !confederacy_human) return;
  Tsideselect form;
  form.Button1->SetEnabled(union_human);
  form.Button2->SetEnabled(confederacy_human);
  form.ShowModal();
}

void SideChangeClick() {
  Window().SetCursor(WindowCursor::Default);
  if (GameState.PlayMode >= TPlayMode::MailSetUp) {
    CurrentSide = GameState.MailSide;
  } else {
    ShowSideSelect();
    Window().SetSideChangeCaption(TextLine(kSideChangeCaptionText + CurrentSide));
    if (CurrentSide == TNation::Union || CurrentSide == TNation::Confederacy) {
      GameState.Nations[CurrentSide].OrdersDone = 1;
    }
  }
  if (CurrentSide != 0) SetMenusForOrders();
  ClearSelections();
  Window().RepaintMap();
  Window().SetCursor(WindowCursor::Default);
}
