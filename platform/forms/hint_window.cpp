#include "platform/forms/hint_window.h"

#include "platform/components/focus.h"
#include "platform/forms/screen.h"
#include "platform/graphics/frame_3d.h"

namespace {
constexpr unsigned kHintFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
constexpr int kPadding = 2;
}  // namespace

THintWindow::THintWindow(TComponent* owner) : TForm(owner) {
  SetName("HintWindow");
  SetBorderStyle(TFormBorderStyle::bsNone);
  FormStyle = TFormStyle::fsStayOnTop;
  SetColor(clInfoBk);
}

void THintWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TForm::MouseDown(button, shift, x, y);
  Hide();
}

TRect THintWindow::CalcHintRect(int max_width, const std::string& text) const {
  TCanvas measure;
  measure.Font.Assign(Font());
  TRect rect{0, 0, max_width, 0};
  measure.DrawText(text, rect, kHintFlags | DT_CALCRECT);
  return {0, 0, rect.Width() + 2 * (kPadding + 1), rect.Height() + 2 * (kPadding + 1)};
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& text) {
  TForm* active = Screen.ActiveForm();
  SetCaption(text);
  SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  Invalidate();
  Show();
  if (active && active != this) ActivateRoot(active);
}

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  TRect rect = ClientRect();
  Frame3D(canvas, rect, clBlack, clBlack, 1);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = clInfoBk;
  canvas.FillRect(rect);
  rect.Inflate(-kPadding, -kPadding);
  canvas.Font.Assign(Font());
  canvas.Font.SetColor(clInfoText);
  canvas.Brush.Style = bsClear;
  canvas.DrawText(Caption(), rect, kHintFlags);
}
