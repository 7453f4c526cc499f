#include "platform/controls/main_menu.h"

#include "platform/controls/caption_text.h"
#include "platform/controls/menu_window.h"
#include "platform/graphics/frame_3d.h"
#include "platform/graphics/system_colours.h"
#include "platform/input/keyboard.h"

namespace {
constexpr int kTitlePadding = 7;
}

TMainMenu::TMainMenu(TComponent* owner) : TCustomControl(owner) {
  items_ = new TMenuItem(this);
  SetColor(clMenu);
  SetParentColor(false);
  SetHeight(GetSystemMetrics(SM_CYMENU));
  SetAlign(TAlign::alTop);
  control_style_ = csOpaque;
}

TRect TMainMenu::TitleRect(int index) const {
  TCanvas measure;
  measure.Font.Assign(Font());
  int left = 0;
  for (int i = 0; i < items_->Count(); ++i) {
    const TMenuItem* title = items_->Items(i);
    if (!title->Visible()) continue;
    TRect text{0, 0, 0, 0};
    measure.DrawText(title->Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    const int width = text.Width() + 2 * kTitlePadding;
    if (i == index) return {left, 0, left + width, Height()};
    left += width;
  }
  return {};
}

TRect TMainMenu::TitleRectOnScreen(const TMenuItem* title) const {
  for (int i = 0; i < items_->Count(); ++i) {
    if (items_->Items(i) != title) continue;
    TRect rect = TitleRect(i);
    const TPoint origin = ClientOrigin();
    return rect.Offset(origin.X, origin.Y);
  }
  return {};
}

void TMainMenu::Open(int index) {
  TMenuItem* title = items_->Items(index);
  if (!title->Selectable()) return;
  if (title->Count() == 0) {
    title->Click();
    return;
  }
  open_ = index;
  Repaint();
  const TRect rect = TitleRectOnScreen(title);
  TMenuItem* chosen = TMenuWindow(*title, {rect.Left, rect.Bottom}).Track();
  open_ = -1;
  Invalidate();
  if (chosen) chosen->Click();
}

void TMainMenu::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && (message.LParam & ssAlt) && Showing() && Enabled()) {
    for (int i = 0; i < items_->Count(); ++i) {
      if (IsAccel(static_cast<char>(message.WParam), items_->Items(i)->Caption())) {
        message.Result = 1;
        Open(i);
        return;
      }
    }
  }
  TCustomControl::WndProc(message);
}

void TMainMenu::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  for (int i = 0; i < items_->Count(); ++i) {
    if (items_->Items(i)->Visible() && TitleRect(i).Contains({x, y})) {
      Open(i);
      return;
    }
  }
}

void TMainMenu::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Font.Assign(Font());
  canvas.Font.SetColor(clMenuText);
  for (int i = 0; i < items_->Count(); ++i) {
    const TMenuItem* title = items_->Items(i);
    if (!title->Visible()) continue;
    TRect rect = TitleRect(i);
    if (i == open_) Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
    DrawCaptionText(canvas, title->Caption(), TitleRect(i), DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                    title->Enabled());
  }
}
