#include "platform/controls/image.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = [this] { PictureChanged(); };
}

TCanvas& TImage::Canvas() {
  if (picture_.Empty()) picture_.SetSize(Width(), Height());
  return picture_.Canvas();
}

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void TImage::SetCenter(bool center) {
  if (center == center_) return;
  center_ = center;
  Invalidate();
}

void TImage::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (auto_size_ && !picture_.Empty()) {
    SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  }
  Invalidate();
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  TCanvas& canvas = ControlCanvas();
  if (stretch_) {
    canvas.StretchDraw(ClientRect(), picture_);
    return;
  }
  const int x = center_ ? (Width() - picture_.Width()) / 2 : 0;
  const int y = center_ ? (Height() - picture_.Height()) / 2 : 0;
  canvas.Draw(x, y, picture_);
}
