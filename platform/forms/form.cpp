#include "platform/forms/form.h"

#include <algorithm>
#include <stdexcept>

#include "platform/components/focus.h"
#include "platform/components/painting.h"
#include "platform/forms/application.h"
#include "platform/forms/backend.h"
#include "platform/forms/screen.h"
#include "platform/graphics/canvas.h"
#include "platform/input/mouse.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
}

TForm::~TForm() {
  // A form freed while shown leaves the screen as if hidden, so the form
  // below it takes the keyboard.
  if (Visible()) Hide();
  MarkDestroying();
  Screen.RemoveForm(this);
  if (Application.MainForm() == this) Application.SetMainForm(nullptr);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  if (Visible()) InvalidateRootArea(*this, ClientRect());
}

int TForm::BorderWidth() const {
  switch (border_style_) {
    case TFormBorderStyle::bsNone:
      return 0;
    case TFormBorderStyle::bsSizeable:
      return 4;
    default:
      return 3;
  }
}

int TForm::CaptionHeight() const {
  return border_style_ == TFormBorderStyle::bsNone ? 0 : 19;
}

TRect TForm::FrameRect() const {
  const int border = BorderWidth();
  return {Left() - border, Top() - border - CaptionHeight(), Left() + Width() + border,
          Top() + Height() + border};
}

void TForm::CenterOnScreen() {
  const TRect frame = FrameRect();
  const int left = std::max(0, (Screen.Width() - frame.Width()) / 2);
  const int top = std::max(0, (Screen.Height() - frame.Height()) / 2);
  SetBounds(left + (Left() - frame.Left), top + (Top() - frame.Top), Width(), Height());
}

// The classic frame: a raised border in the face colour and a caption bar
// with the form's caption.
void TForm::PaintNonClient(TCanvas& frame) const {
  if (border_style_ == TFormBorderStyle::bsNone) return;
  TCanvasStateGuard guard(frame);
  const TRect outer = FrameRect();
  frame.Brush.Style = bsSolid;
  frame.Brush.Color = clBtnFace;
  frame.FillRect(outer);
  frame.Brush.Color = clBtnShadow;
  frame.FrameRect(outer);
  const int border = BorderWidth();
  const TRect bar{outer.Left + border, outer.Top + border, outer.Right - border,
                  outer.Top + border + CaptionHeight() - 1};
  frame.Brush.Color = clActiveCaption;
  frame.FillRect(bar);
  frame.Font.Assign(Font());
  frame.Font.SetColor(clCaptionText);
  frame.Font.SetStyle(fsBold);
  frame.Brush.Style = bsClear;
  TRect text_rect{bar.Left + 4, bar.Top, bar.Right - 4, bar.Bottom};
  frame.DrawText(Caption(), text_rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TForm::Resize() {
  buffer_.SetSize(std::max(0, Width()), std::max(0, Height()));
  InvalidateRootArea(*this, ClientRect());
  TWinControl::Resize();
}

void TForm::WndProc(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Msg == CM_VISIBLECHANGED) VisibleChanged();
}

void TForm::VisibleChanged() {
  if (Visible()) {
    if (Position == TPosition::poScreenCenter) CenterOnScreen();
    Screen.AddForm(this);
    InvalidateRootArea(*this, ClientRect());
    if (OnShow) OnShow(this);
    ActivateRoot(this);
    return;
  }
  if (OnHide) OnHide(this);
  Screen.RemoveForm(this);
  // Hiding the active form left no form active: the one below takes over.
  if (!ActiveRoot()) {
    ActivateRoot(Screen.FormCount() > 0 ? Screen.Forms(Screen.FormCount() - 1) : nullptr);
  }
}

// OnClose may keep the form open (caNone); without a handler it hides.
TCloseAction TForm::AskClose() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  return action;
}

bool TForm::CloseQueryOnResult() {
  if (AskClose() != TCloseAction::caNone) return true;
  modal_result_ = mrNone;
  return false;
}

TModalResult TForm::ShowModal() {
  if (Visible() || modal_) throw std::logic_error("a shown form cannot become modal");
  // Whatever held the mouse in the form below loses it to the dialog.
  ReleaseCapture();
  modal_result_ = mrNone;
  modal_ = true;
  struct EndModal {
    TForm& form;
    ~EndModal() {
      form.modal_ = false;
      form.Hide();
    }
  } end{*this};
  CenterOnScreen();
  Show();
  Application.Backend().FormBecameModal(*this);
  for (;;) {
    if (modal_result_ == mrNone && (!Visible() || Application.Terminated())) {
      modal_result_ = mrCancel;
    }
    if (modal_result_ != mrNone && CloseQueryOnResult()) break;
    Application.HandleMessage(this);
  }
  Application.Backend().ModalEnded(*this);
  return modal_result_;
}

void TForm::Close() {
  if (modal_) {
    modal_result_ = mrCancel;
    return;
  }
  if (AskClose() == TCloseAction::caNone) return;
  Hide();
  if (Application.MainForm() == this) Application.Terminate();
}
