#include "platform/controls/image_list.h"

#include <algorithm>

TChangeLink::~TChangeLink() {
  if (sender_) sender_->UnRegisterChanges(*this);
}

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height) {}

TImageList::~TImageList() {
  for (TChangeLink* link : links_) link->sender_ = nullptr;
}

void TImageList::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Clear();
}

int TImageList::AddMasked(const TBitmap& strip, TColor mask_color) {
  if (width_ <= 0 || height_ <= 0 || strip.Width() < width_) return -1;
  const int first = Count();
  const int cells = strip.Width() / width_;
  for (int cell = 0; cell < cells; ++cell) {
    TBitmap image(width_, height_);
    for (int y = 0; y < std::min(height_, strip.Height()); ++y) {
      for (int x = 0; x < width_; ++x) image.SetPixel(x, y, strip.Pixel(cell * width_ + x, y));
    }
    if (mask_color != clNone) {
      image.SetTransparentColor(ColorToRGB(mask_color));
      image.SetTransparent(true);
    }
    images_.push_back(std::move(image));
  }
  Changed();
  return first;
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  images_.erase(images_.begin() + index);
  Changed();
}

void TImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const {
  if (index < 0 || index >= Count()) return false;
  bitmap.Assign(images_[index]);
  return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const TBitmap& image = images_[index];
  if (enabled) {
    canvas.Draw(x, y, image);
    return;
  }
  const TColor hidden = image.Transparent() ? image.TransparentColor() : clNone;
  for (int row = 0; row < height_; ++row) {
    for (int column = 0; column < width_; ++column) {
      if (image.Pixel(column, row) != hidden) canvas.SetPixel(x + column, y + row, clBtnShadow);
    }
  }
}

void TImageList::RegisterChanges(TChangeLink& link) {
  if (link.sender_) link.sender_->UnRegisterChanges(link);
  link.sender_ = this;
  links_.push_back(&link);
}

void TImageList::UnRegisterChanges(TChangeLink& link) {
  links_.erase(std::remove(links_.begin(), links_.end(), &link), links_.end());
  if (link.sender_ == this) link.sender_ = nullptr;
}

void TImageList::Changed() {
  if (OnChange) OnChange();
  for (TChangeLink* link : links_) {
    if (link->OnChange) link->OnChange();
  }
}
