#include "widgets/bitmap_group_box.h"

#include "platform/input/keyboard.h"

TNewRadBox::TNewRadBox(TComponent* owner)
    : TCustomGroupBox(owner), picture_(kPictureWidth, kPictureHeight) {
  control_style_ =
      csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  SetBounds(Left(), Top(), kPictureWidth, kPictureHeight);
  picture_.OnChange = [this] { Invalidate(); };
}

void TNewRadBox::SetPicture(const TBitmap& picture) {
  picture_.Assign(picture);
}

void TNewRadBox::Paint() {
  Canvas().Draw(0, 0, picture_);
}

// The box leaves room for a caption line and a frame, as the group box it
// stands in for does, and then the group box does the same again.
void TNewRadBox::AlignControls(TRect& rect) {
  rect.Top += CaptionHeight();
  rect.Inflate(-2, -2);
  TCustomGroupBox::AlignControls(rect);
}

void TNewRadBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus()) {
        if (TWinControl* first = FindNextControl(nullptr, true, false)) first->SetFocus();
        message.Result = 1;
        return;
      }
      break;
    case CM_TEXTCHANGED:
      TCustomGroupBox::WndProc(message);
      Invalidate();
      Realign();
      return;
    default:
      break;
  }
  TCustomGroupBox::WndProc(message);
}
