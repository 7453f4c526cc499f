#include "widgets/image_form.h"

#include "platform/forms/form.h"
#include "widgets/background.h"

namespace {

// The colour that matches no pixel: a picture without pixels has it as its
// transparent colour.
constexpr TColor kNoPixelColour = 0x1FFFFFFF;

void FillWith(TCanvas& canvas, const TRect& rect, TColor color) {
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = ColorToRGB(color);
  canvas.FillRect(rect);
}

}  // namespace

TImgFormChangeLink::~TImgFormChangeLink() {
  if (ImageForm) ImageForm->UnregisterChanges(this);
}

void TImgFormChangeLink::Change() {
  if (OnChange) OnChange(ImageForm);
}

TCustomKxImageForm::TCustomKxImageForm(TComponent* owner) : TComponent(owner) {
  background_.OnChange = [this] { BackgroundChanged(); };
  InstallHook();
}

TCustomKxImageForm::~TCustomKxImageForm() {
  RemoveHook();
  RemoveRegion();
  while (links_.Count() > 0) {
    UnregisterChanges(static_cast<TImgFormChangeLink*>(links_.Last()));
  }
  SetFormImage(nullptr);
  background_.OnChange = nullptr;
}

void TCustomKxImageForm::RegisterChanges(TImgFormChangeLink* link) {
  link->ImageForm = this;
  links_.Add(link);
}

void TCustomKxImageForm::UnregisterChanges(TImgFormChangeLink* link) {
  if (links_.IndexOf(link) < 0) return;
  link->ImageForm = nullptr;
  links_.Remove(link);
}

void TCustomKxImageForm::NotifyLinks() {
  for (int i = 0; i < links_.Count(); ++i) {
    static_cast<TImgFormChangeLink*>(links_.Get(i))->Change();
  }
}

TWinControl* TCustomKxImageForm::GetRealControl() const {
  if (control_) return control_;
  return dynamic_cast<TWinControl*>(Owner());
}

void TCustomKxImageForm::DrawBackgroundPart(TCanvas& canvas, const TRect& rect, bool whole_area,
                                            TPoint offset) {
  TWinControl* control = GetRealControl();
  if (!control) return;
  TColor color = control->Color();
  TRect area{0, 0, control->ClientWidth(), control->ClientHeight()};
  control->Perform(KM_BACKGROUNDAREA, 0, reinterpret_cast<intptr_t>(&area));
  switch (background_type_) {
    case bgtColorFill:
      FillWith(canvas, rect, color);
      return;
    case bgtHorzGradient:
    case bgtVertGradient:
      GradientFillClipped(canvas, rect, area, offset, gradient_start_, gradient_end_,
                          gradient_steps_, background_type_ == bgtVertGradient);
      return;
    default:
      break;
  }
  if (background_.Empty()) {
    FillWith(canvas, rect, color);
    return;
  }
  // The corner picture's empty part continues its bottom-right pixel.
  if (background_type_ == bgtTopLeftBitmap) {
    color = background_.Pixel(background_.Width() - 1, background_.Height() - 1);
  }
  if (whole_area) {
    DrawBackgroundBitmapEx(canvas, rect, background_type_, background_, false, 0, color, false,
                           {0, 0}, area);
  } else {
    DrawBackgroundBitmap(canvas, rect, background_type_, background_, color, offset, area);
  }
}

// The hook stands in front of the painted form's own painting and sizing:
// it paints the background where the form would erase itself, and after a
// resize repaints the form and tells its children.
void TCustomKxImageForm::InstallHook() {
  TWinControl* control = GetRealControl();
  auto* form = dynamic_cast<TForm*>(control);
  if (!form || hooked_) return;
  hooked_ = form;
  FreeNotification(form);
  saved_on_paint_ = form->OnPaint;
  saved_on_resize_ = form->OnResize;
  form->OnPaint = [this, form](TComponent* sender) {
    PaintErase(form->Canvas());
    if (saved_on_paint_) saved_on_paint_(sender);
  };
  form->OnResize = [this](TComponent* sender) {
    size_pending_ = true;
    if (saved_on_resize_) saved_on_resize_(sender);
    Resized();
  };
}

// A form that is going away has lost its handlers already.
void TCustomKxImageForm::RemoveHook() {
  auto* form = dynamic_cast<TForm*>(hooked_);
  if (!form || form->Destroying()) {
    hooked_ = nullptr;
    return;
  }
  form->OnPaint = saved_on_paint_;
  form->OnResize = saved_on_resize_;
  saved_on_paint_ = nullptr;
  saved_on_resize_ = nullptr;
  if (form != control_ && form != Owner()) RemoveFreeNotification(form);
  hooked_ = nullptr;
}

void TCustomKxImageForm::PaintErase(TCanvas& canvas) {
  if (!control_ && background_type_ == bgtColorFill) return;
  if (hooked_->Perform(KM_PAINTPERMISSION) != 0) return;
  TRect clip = canvas.ClipRect();
  if (clip.IsEmpty()) {
    clip = hooked_->ClientRect();
    hooked_->Perform(KM_BACKGROUNDAREA, 0, reinterpret_cast<intptr_t>(&clip));
  }
  DrawBackgroundPart(canvas, clip, true, {0, 0});
}

void TCustomKxImageForm::Resized() {
  size_pending_ = false;
  hooked_->Invalidate();
  TMessage repaint{KM_REPAINTCHILDREN, 0, 0, 0};
  hooked_->Broadcast(repaint);
}

bool TCustomKxImageForm::DragsForm(TPoint client) const {
  if (!move_form_) return false;
  if (caption_control_) {
    const TPoint local = caption_control_->ScreenToClient(GetRealControl()->ClientToScreen(client));
    return caption_control_->ClientRect().Contains(local);
  }
  const TWinControl* control = GetRealControl();
  return client.X >= 0 && client.Y >= 0 && !control->ControlAtPos(client, true);
}

void TCustomKxImageForm::InvalidateControl() {
  if (hooked_) hooked_->Invalidate();
}

void TCustomKxImageForm::SetControl(TWinControl* control) {
  if (control == control_) return;
  RemoveHook();
  RemoveRegion();
  if (control_) RemoveFreeNotification(control_);
  control_ = control;
  if (control_) FreeNotification(control_);
  BuildRegion();
  InstallHook();
}

void TCustomKxImageForm::SetCaptionControl(TControl* control) {
  if (control == caption_control_) return;
  caption_control_ = control;
  if (control) FreeNotification(control);
}

void TCustomKxImageForm::SetChangeFormRegion(bool change) {
  if (change == change_form_region_) return;
  if (change_form_region_) RemoveRegion();
  change_form_region_ = change;
  if (change) BuildRegion();
}

void TCustomKxImageForm::BackgroundChanged() {
  InvalidateControl();
  NotifyLinks();
}

void TCustomKxImageForm::SetBackgroundType(TKxBkGndType type) {
  if (type == background_type_) return;
  background_type_ = type;
  InvalidateControl();
  NotifyLinks();
}

void TCustomKxImageForm::SetGradientSteps(int steps) {
  if (steps == gradient_steps_) return;
  gradient_steps_ = steps;
  if (IsGradientType(background_type_)) InvalidateControl();
}

void TCustomKxImageForm::SetGradientStartColor(TColor color) {
  if (color == gradient_start_) return;
  gradient_start_ = color;
  if (IsGradientType(background_type_)) InvalidateControl();
}

void TCustomKxImageForm::SetGradientEndColor(TColor color) {
  if (color == gradient_end_) return;
  gradient_end_ = color;
  if (IsGradientType(background_type_)) InvalidateControl();
}

void TCustomKxImageForm::SetTransparentColor(TColor color) {
  if (color == transparent_color_) return;
  transparent_color_ = color;
  if (Loading()) return;
  RemoveRegion();
  BuildRegion();
  NotifyLinks();
}

void TCustomKxImageForm::SetFormImage(TImage* image) {
  if (image == form_image_) return;
  if (form_image_) {
    form_image_->Picture().OnChange = saved_picture_changed_;
    saved_picture_changed_ = nullptr;
    RemoveFreeNotification(form_image_);
  }
  if (change_form_region_) RemoveRegion();
  form_image_ = image;
  if (form_image_) {
    FreeNotification(form_image_);
    saved_picture_changed_ = form_image_->Picture().OnChange;
    form_image_->Picture().OnChange = [this] { PictureChanged(); };
  }
  if (change_form_region_) BuildRegion();
}

// The transparent colour of the form's picture is its bottom-left pixel.
void TCustomKxImageForm::PictureChanged() {
  if (saved_picture_changed_) saved_picture_changed_();
  if (Loading()) return;
  RemoveRegion();
  const TBitmap& picture = form_image_->Picture();
  transparent_color_ = picture.Empty() ? kNoPixelColour : picture.Pixel(0, picture.Height() - 1);
  if (change_form_region_ && !picture.Empty()) BuildRegion();
  NotifyLinks();
}

void TCustomKxImageForm::RemoveRegion() {
  region_ = TRegion();
}

// Row by row, every run of pixels that differ from the transparent colour
// joins the shape.
void TCustomKxImageForm::BuildRegion() {
  if (!change_form_region_ || !form_image_ || !GetRealControl()) return;
  const TBitmap& picture = form_image_->Picture();
  if (picture.Empty()) return;
  const TColor clear = ColorToRGB(transparent_color_);
  TRegion shape;
  for (int y = 0; y < picture.Height(); ++y) {
    int x = 0;
    while (x < picture.Width()) {
      while (x < picture.Width() && picture.Pixel(x, y) == clear) ++x;
      const int start = x;
      while (x < picture.Width() && picture.Pixel(x, y) != clear) ++x;
      if (x > start) shape.Unite({start, y, x, y + 1});
    }
  }
  region_ = shape;
  InvalidateControl();
}

void TCustomKxImageForm::Loaded() {
  TComponent::Loaded();
  if (form_image_) PictureChanged();
  InstallHook();
}

void TCustomKxImageForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == hooked_) {
    hooked_ = nullptr;
    saved_on_paint_ = nullptr;
    saved_on_resize_ = nullptr;
  }
  if (component == caption_control_) caption_control_ = nullptr;
  if (component == control_) control_ = nullptr;
  if (component == form_image_) {
    form_image_ = nullptr;
    saved_picture_changed_ = nullptr;
  }
}
