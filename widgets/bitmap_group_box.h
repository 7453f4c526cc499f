#pragma once
// A container for the platform's radio buttons, labels and check boxes of a
// dialog: each group of radio buttons is exclusive within its box, and the
// box shows a picture instead of a frame and caption. A dialog gives each
// box the part of its own background that the box covers, so the box looks
// like a window onto the form.
#include "platform/controls/group_box.h"
#include "platform/graphics/bitmap.h"

class TNewRadBox : public TCustomGroupBox {
 public:
  static constexpr int kPictureWidth = 500;
  static constexpr int kPictureHeight = 400;

  explicit TNewRadBox(TComponent* owner);

  // The box's picture: blank white until a dialog gives it one. It is drawn
  // unscaled at the box's top-left corner; what lies beyond it keeps the
  // box's plain background.
  const TBitmap& Picture() const { return picture_; }
  void SetPicture(const TBitmap& picture);

 protected:
  void Paint() override;
  void AlignControls(TRect& rect) override;
  void WndProc(TMessage& message) override;

 private:
  TBitmap picture_;
};
