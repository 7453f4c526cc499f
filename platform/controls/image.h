#pragma once

#include "platform/components/graphic_control.h"
#include "platform/graphics/bitmap.h"

// A picture on a form: drawn at the top-left, centred, or stretched to the
// control. Drawing on Canvas draws on the picture itself (an empty picture
// first takes the control's size), so a flood fill or a mark stays in it.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);

  TBitmap& Picture() { return picture_; }
  const TBitmap& Picture() const { return picture_; }
  TCanvas& Canvas();

  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Transparent() const { return picture_.Transparent(); }
  void SetTransparent(bool transparent) { picture_.SetTransparent(transparent); }
  // Takes the picture's size whenever the picture changes.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  TBitmap picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool auto_size_ = false;
};
