#include "platform/controls/menu_window.h"

#include <algorithm>

#include "platform/controls/caption_text.h"
#include "platform/forms/screen.h"
#include "platform/graphics/arrow_head.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/system_colours.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"
#include "platform/input/mouse.h"

namespace {
constexpr int kFrame = 3;
constexpr int kLineHeight = 8;
constexpr int kCheckColumn = 18;
constexpr int kTextPadding = 24;

// A small tick in the check column.
void DrawTick(TCanvas& canvas, TPoint at, TColor color) {
  for (int x = 0; x < 7; ++x) {
    const int y = x <= 2 ? x + 2 : 6 - x;
    for (int i = 0; i < 3; ++i) canvas.SetPixel(at.X + x, at.Y + y + i, color);
  }
}
}  // namespace

TMenuWindow::TMenuWindow(TMenuItem& menu, TPoint at) : TForm(nullptr), menu_(menu), at_(at) {
  SetName("MenuWindow");
  SetBorderStyle(TFormBorderStyle::bsNone);
  FormStyle = TFormStyle::fsStayOnTop;
  SetColor(clMenu);
  TCanvas measure;
  measure.Font.Assign(Font());
  int width = 0;
  for (int i = 0; i < menu_.Count(); ++i) {
    TRect text{0, 0, 0, 0};
    measure.DrawText(menu_.Items(i)->Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    width = std::max(width, text.Width());
  }
  SetClientSize(width + kCheckColumn + kTextPadding + 2 * kFrame, RowTop(menu_.Count()) + kFrame);
  // The list opens where it was asked to, kept inside the screen, and holds
  // the mouse, so that a press anywhere else reaches it and closes it.
  OnShow = [this](TComponent*) {
    const int left = std::clamp(at_.X, 0, std::max(0, Screen.Width() - Width()));
    const int top = std::clamp(at_.Y, 0, std::max(0, Screen.Height() - Height()));
    SetBounds(left, top, Width(), Height());
    SetCapture(this);
  };
}

int TMenuWindow::RowHeight(int index) const {
  const TMenuItem* item = menu_.Items(index);
  if (!item->Visible()) return 0;
  return item->IsLine() ? kLineHeight : GetSystemMetrics(SM_CYMENU);
}

int TMenuWindow::RowTop(int index) const {
  int top = kFrame;
  for (int i = 0; i < index; ++i) top += RowHeight(i);
  return top;
}

int TMenuWindow::RowAt(int y) const {
  for (int i = 0; i < menu_.Count(); ++i) {
    if (y >= RowTop(i) && y < RowTop(i) + RowHeight(i)) return i;
  }
  return -1;
}

TRect TMenuWindow::ItemRectOnScreen(const TMenuItem* item) const {
  for (int i = 0; i < menu_.Count(); ++i) {
    if (menu_.Items(i) != item) continue;
    const TPoint origin = ClientOrigin();
    return TRect::Bounds(origin.X + kFrame, origin.Y + RowTop(i), Width() - 2 * kFrame,
                         RowHeight(i));
  }
  return {};
}

TMenuItem* TMenuWindow::Track() {
  ShowModal();
  if (GetCapture() == this) ReleaseCapture();
  return chosen_;
}

void TMenuWindow::Choose(int index) {
  if (index < 0 || !menu_.Items(index)->Selectable()) return;
  TMenuItem* item = menu_.Items(index);
  if (item->Count() > 0) {
    const TRect row = ItemRectOnScreen(item);
    submenu_open_ = true;
    chosen_ = TMenuWindow(*item, {row.Right, row.Top - kFrame}).Track();
    submenu_open_ = false;
    if (!chosen_) {
      SetCapture(this);
      return;
    }
  } else {
    chosen_ = item;
  }
  SetModalResult(mrOk);
}

void TMenuWindow::MoveHighlight(int direction) {
  const int count = menu_.Count();
  int index = highlighted_;
  for (int step = 0; step < count; ++step) {
    index = ((index < 0 && direction < 0 ? count : index) + direction + count) % count;
    if (menu_.Items(index)->Selectable()) {
      highlighted_ = index;
      Invalidate();
      return;
    }
  }
}

void TMenuWindow::WndProc(TMessage& message) {
  // Losing the mouse to anything but its own submenu closes the list.
  if (message.Msg == CM_CAPTURECHANGED && !submenu_open_ && Visible()) SetModalResult(mrCancel);
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_ESCAPE) {
    SetModalResult(mrCancel);
    message.Result = 1;
    return;
  }
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_RETURN) {
    Choose(highlighted_);
    message.Result = 1;
    return;
  }
  if (message.Msg == CM_DIALOGCHAR) {
    for (int i = 0; i < menu_.Count(); ++i) {
      if (menu_.Items(i)->Selectable() &&
          IsAccel(static_cast<char>(message.WParam), menu_.Items(i)->Caption())) {
        Choose(i);
        message.Result = 1;
        return;
      }
    }
  }
  TForm::WndProc(message);
}

void TMenuWindow::KeyDown(int& key, TShiftState shift) {
  TForm::KeyDown(key, shift);
  if (key == VK_UP || key == VK_DOWN) MoveHighlight(key == VK_DOWN ? 1 : -1);
}

void TMenuWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TForm::MouseDown(button, shift, x, y);
  if (!ClientRect().Contains({x, y})) SetModalResult(mrCancel);
}

void TMenuWindow::MouseMove(TShiftState shift, int x, int y) {
  TForm::MouseMove(shift, x, y);
  const int row = ClientRect().Contains({x, y}) ? RowAt(y) : -1;
  if (row == highlighted_ || (row >= 0 && !menu_.Items(row)->Selectable())) return;
  highlighted_ = row;
  Invalidate();
}

void TMenuWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TForm::MouseUp(button, shift, x, y);
  if (button == TMouseButton::mbLeft && ClientRect().Contains({x, y})) Choose(RowAt(y));
}

void TMenuWindow::Paint() {
  TCanvas& canvas = Canvas();
  TRect frame = ClientRect();
  DrawEdge(canvas, frame, EDGE_RAISED, BF_RECT);
  canvas.Font.Assign(Font());
  for (int i = 0; i < menu_.Count(); ++i) {
    const TMenuItem* item = menu_.Items(i);
    if (!item->Visible()) continue;
    const TRect row{kFrame, RowTop(i), Width() - kFrame, RowTop(i) + RowHeight(i)};
    if (item->IsLine()) {
      TRect line{row.Left + 1, row.Top + kLineHeight / 2 - 1, row.Right - 1,
                 row.Top + kLineHeight / 2 + 1};
      DrawEdge(canvas, line, EDGE_ETCHED, BF_TOP);
      continue;
    }
    const bool lit = i == highlighted_;
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = lit ? clHighlight : clMenu;
    canvas.FillRect(row);
    const TColor text_color = lit ? clHighlightText : clMenuText;
    if (item->Checked()) DrawTick(canvas, {row.Left + 5, row.Top + 5}, text_color);
    canvas.Font.SetColor(text_color);
    const TRect text{row.Left + kCheckColumn, row.Top, row.Right, row.Bottom};
    DrawCaptionText(canvas, item->Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                    item->Enabled());
    if (item->Count() > 0) {
      const TPoint tip{row.Right - 5, (row.Top + row.Bottom) / 2};
      DrawArrowHead(canvas, tip, TArrowDirection::adRight, 4, text_color);
    }
  }
}
