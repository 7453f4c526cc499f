#pragma once
// The image form: a component placed on a form that paints the form's
// background (a bitmap in one of the background modes, a colour or a
// gradient), can cut the form to the shape of a picture, and lets controls
// that show the background behind themselves paint the part under them.
// Those controls hold a change link and repaint when the background changes.
#include <cstdint>
#include <functional>

#include "platform/components/component.h"
#include "platform/components/control.h"
#include "platform/components/events.h"
#include "platform/controls/image.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/region.h"
#include "widgets/draw_utils.h"
#include "widgets/pointer_list.h"

// Sent to every child of the painted control when the background under them
// has changed; a control that draws the background answers by repainting.
constexpr uint32_t KM_REPAINTCHILDREN = 7413;
// Offered to the painted control before its background is painted; a
// non-zero answer lets the control erase itself.
constexpr uint32_t KM_PAINTPERMISSION = 7415;
// Offered to the painted control with the address of the background area,
// which it may change.
constexpr uint32_t KM_BACKGROUNDAREA = 2350;

class TCustomKxImageForm;

class TImgFormChangeLink {
 public:
  TImgFormChangeLink() = default;
  virtual ~TImgFormChangeLink();
  TImgFormChangeLink(const TImgFormChangeLink&) = delete;
  TImgFormChangeLink& operator=(const TImgFormChangeLink&) = delete;

  TCustomKxImageForm* ImageForm = nullptr;
  TNotifyEvent OnChange;
  virtual void Change();
};

class TCustomKxImageForm : public TComponent {
 public:
  explicit TCustomKxImageForm(TComponent* owner);
  ~TCustomKxImageForm() override;

  void RegisterChanges(TImgFormChangeLink* link);
  void UnregisterChanges(TImgFormChangeLink* link);
  int LinkCount() const { return links_.Count(); }

  // Paints into `canvas` at `rect` the background under it; `offset` is the
  // place of the canvas's (0, 0) on the painted control. With `whole_area`
  // the whole background is painted at once.
  void DrawBackgroundPart(TCanvas& canvas, const TRect& rect, bool whole_area, TPoint offset);
  // The control whose background is painted: Control, or the owner.
  TWinControl* GetRealControl() const;

  TControl* CaptionControl() const { return caption_control_; }
  void SetCaptionControl(TControl* control);
  bool ChangeFormRegion() const { return change_form_region_; }
  void SetChangeFormRegion(bool change);
  const TBitmap& Background() const { return background_; }
  void SetBackground(const TBitmap& picture) { background_.Assign(picture); }
  TImage* FormImage() const { return form_image_; }
  void SetFormImage(TImage* image);
  bool MoveForm() const { return move_form_; }
  void SetMoveForm(bool move) { move_form_ = move; }
  TKxBkGndType BackgroundType() const { return background_type_; }
  void SetBackgroundType(TKxBkGndType type);
  int GradientSteps() const { return gradient_steps_; }
  void SetGradientSteps(int steps);
  TColor GradientStartColor() const { return gradient_start_; }
  void SetGradientStartColor(TColor color);
  TColor GradientEndColor() const { return gradient_end_; }
  void SetGradientEndColor(TColor color);
  TWinControl* Control() const { return control_; }
  void SetControl(TWinControl* control);
  TColor TransparentColor() const { return transparent_color_; }
  void SetTransparentColor(TColor color);

  // The shape the form is cut to; empty when it is not cut.
  const TRegion& WindowRegion() const { return region_; }
  // True for a point (in the painted control's client coordinates) by which
  // the user drags the form: with MoveForm, a point on the caption control,
  // or, without one, a point of the background that no child covers.
  bool DragsForm(TPoint client) const;

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void InstallHook();
  void RemoveHook();
  void PaintErase(TCanvas& canvas);
  void Resized();
  void RemoveRegion();
  void BuildRegion();
  void BackgroundChanged();
  void PictureChanged();
  void NotifyLinks();
  void InvalidateControl();

  TControl* caption_control_ = nullptr;
  bool change_form_region_ = false;
  TBitmap background_;
  TImage* form_image_ = nullptr;
  bool move_form_ = false;
  // The hooked control and the handlers the hook stands in front of.
  TWinControl* hooked_ = nullptr;
  TNotifyEvent saved_on_paint_;
  TNotifyEvent saved_on_resize_;
  std::function<void()> saved_picture_changed_;
  TRegion region_;
  TKxBkGndType background_type_ = bgtColorFill;
  int gradient_steps_ = 16;
  TColor gradient_start_ = 0;
  TColor gradient_end_ = 0;
  bool size_pending_ = false;
  TKxList links_;
  TWinControl* control_ = nullptr;
  TColor transparent_color_ = 0;
};

class TKxImageForm : public TCustomKxImageForm {
 public:
  explicit TKxImageForm(TComponent* owner) : TCustomKxImageForm(owner) {}
};
