#include "widgets/group_box.h"

#include <algorithm>

#include "platform/graphics/frame_control.h"
#include "platform/graphics/system_colours.h"
#include "platform/input/key_codes.h"
#include "widgets/check_mark.h"
#include "widgets/theme.h"
#include "widgets/tools.h"

namespace {

// The caption starts this far in from the frame's left edge, and this far
// right of a check box.
constexpr int kCaptionIndent = 8;
constexpr int kCheckBoxGap = 5;
// Theme colour property of a part's text.
constexpr int TMT_TEXTCOLOR = 3803;

}  // namespace

TCustomKxGroupBox::TCustomKxGroupBox(TComponent* owner)
    : TCustomKxPanel(owner), measure_bitmap_(1, 1) {
  control_style_ = csAcceptsControls | csSetCaption | csDoubleClicks;
  glyph_.OnChange = [this] { GlyphChanged(); };
  image_list_link_.OnChange = [this] {
    if (use_image_list_ && show_check_box_) Invalidate();
  };
}

TCustomKxGroupBox::~TCustomKxGroupBox() {
  html_.reset();
  glyph_.OnChange = nullptr;
  if (images_) images_->UnRegisterChanges(image_list_link_);
}

// ---- properties ------------------------------------------------------------

template <class T>
void TCustomKxGroupBox::SetAndRepaint(T& stored, T value, bool repaint) {
  if (value == stored) return;
  stored = value;
  if (repaint) Invalidate();
}

void TCustomKxGroupBox::SetIsHTML(bool is_html) {
  if (is_html == IsHTML()) return;
  if (is_html) {
    html_ = std::make_unique<TKxHTMLRender>();
  } else {
    html_.reset();
  }
  if (Parent()) Invalidate();
}

void TCustomKxGroupBox::SetBorderSides(TKxBorderSides sides) {
  SetAndRepaint(border_sides_, sides, Parent() != nullptr);
}

void TCustomKxGroupBox::SetShowCheckBox(bool show) {
  SetAndRepaint(show_check_box_, show, true);
}

void TCustomKxGroupBox::SetShowFocus(bool show) {
  SetAndRepaint(show_focus_, show, true);
}

void TCustomKxGroupBox::SetCaptionColor(TColor color) {
  SetAndRepaint(caption_color_, color, true);
}

void TCustomKxGroupBox::SetSoftFlat(bool soft_flat) {
  SetAndRepaint(soft_flat_, soft_flat, true);
}

void TCustomKxGroupBox::SetCtl3D(bool ctl3d) {
  SetAndRepaint(ctl3d_, ctl3d, true);
}

void TCustomKxGroupBox::SetFlat(bool flat) {
  SetAndRepaint(flat_, flat, show_check_box_);
}

void TCustomKxGroupBox::SetUseCustomGlyphs(bool use) {
  SetAndRepaint(use_custom_glyphs_, use, show_check_box_);
}

void TCustomKxGroupBox::SetUseImageList(bool use) {
  SetAndRepaint(use_image_list_, use, show_check_box_);
}

void TCustomKxGroupBox::SetSoftFlatInactiveColor(TColor color) {
  SetAndRepaint(soft_flat_inactive_, color, soft_flat_);
}

void TCustomKxGroupBox::SetSoftFlatActiveColor(TColor color) {
  SetAndRepaint(soft_flat_active_, color, soft_flat_);
}

void TCustomKxGroupBox::SetSoftFlatDownColor(TColor color) {
  SetAndRepaint(soft_flat_down_, color, soft_flat_);
}

void TCustomKxGroupBox::SetCheckBoxChecked(bool checked) {
  if (checked == check_box_checked_) return;
  check_box_checked_ = checked;
  if (show_check_box_) Invalidate();
}

void TCustomKxGroupBox::SetCheckSound(const TKxSoundName& name) {
  check_sound_ = name.substr(0, kKxSoundNameLength);
}

void TCustomKxGroupBox::SetGlyph(const TBitmap& glyph) {
  glyph_.Assign(glyph);
}

void TCustomKxGroupBox::GlyphChanged() {
  if (use_custom_glyphs_) Invalidate();
}

void TCustomKxGroupBox::SetSoundMap(TKxSoundMap* sound_map) {
  sound_map_ = sound_map;
  if (sound_map_) sound_map_->FreeNotification(this);
}

void TCustomKxGroupBox::SetImages(TImageList* images) {
  if (images == images_) return;
  const bool first_list = images_ == nullptr;
  if (images_) images_->UnRegisterChanges(image_list_link_);
  images_ = images;
  if (!images_) {
    use_image_list_ = false;
    return;
  }
  images_->RegisterChanges(image_list_link_);
  images_->FreeNotification(this);
  if (first_list && !Loading()) use_image_list_ = true;
}

void TCustomKxGroupBox::Notification(TComponent* component, TOperation operation) {
  TCustomKxPanel::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == sound_map_) SetSoundMap(nullptr);
  if (component == images_) SetImages(nullptr);
}

void TCustomKxGroupBox::DrawGlyph(TCanvas& canvas, const TRect& dest, const TRect& source) {
  DrawGlyphCell(canvas, glyph_, dest, source);
}

// ---- measures --------------------------------------------------------------

int TCustomKxGroupBox::CaptionTextHeight() const {
  if (html_) {
    PrepareHTMLCaption(*html_, Caption(), Font(), Font().Color());
    return html_->Data().TextHeight;
  }
  TCanvas& canvas = measure_bitmap_.Canvas();
  canvas.Font.Assign(Font());
  return canvas.TextHeight("0");
}

// The plain mark's size, before glyphs or an image list change it.
TSize TCustomKxGroupBox::StandardCheckBoxSize() const {
  TSize size{kMarkSize, kMarkSize};
  if (IsThemeApplied())
    GetClassThemePartSize(L"BUTTON", &measure_bitmap_.Canvas(), BP_CHECKBOX, 1, nullptr, TS_TRUE,
                          size);
  return size;
}

TSize TCustomKxGroupBox::CheckBoxSize() const {
  return CheckMarkSize(glyph_, use_custom_glyphs_, images_, use_image_list_,
                       StandardCheckBoxSize());
}

int TCustomKxGroupBox::CaptionHeight() const {
  int text_height = 0;
  TCanvas& canvas = measure_bitmap_.Canvas();
  canvas.Font.Assign(Font());
  if (html_) {
    text_height = CaptionTextHeight();
  } else if (IsThemeApplied()) {
    TRect extent;
    ThemeLibrary().GetThemeTextExtent(Theme(), canvas, BP_GROUPBOX, 1, Caption(), 0, nullptr,
                                      extent);
    text_height = extent.Height();
  } else {
    TRect extent;
    canvas.DrawText(Caption(), extent, DT_CALCRECT);
    text_height = extent.Height();
  }
  return std::max(text_height, StandardCheckBoxSize().cy);
}

// Children sit below the caption band and inside the frame.
void TCustomKxGroupBox::AdjustClientRect(TRect& rect) const {
  TCustomKxPanel::AdjustClientRect(rect);
  rect.Top += CaptionHeight();
  rect.Inflate(-1, -1);
  if (ctl3d_) rect.Inflate(-1, -1);
}

// ---- painting --------------------------------------------------------------

TRect TCustomKxGroupBox::CheckBoxPlace(int text_height) const {
  const TSize size = CheckBoxSize();
  return TRect::Bounds(kCaptionIndent, text_height / 2 - size.cy / 2, size.cx, size.cy);
}

TRect TCustomKxGroupBox::CheckBoxRect() const {
  return show_check_box_ ? CheckBoxPlace(CaptionTextHeight()) : TRect{};
}

void TCustomKxGroupBox::PaintCheckBox(TCanvas& canvas, const TRect& rect) {
  const bool down = ButtonDownOverCheckBox();
  const bool dimmed = !Enabled() || down;
  if (IsThemeApplied()) {
    int state = !Enabled() ? 4 : down ? 3 : check_box_hot_ ? 2 : 1;
    if (check_box_checked_) state += 4;
    ThemeLibrary().DrawThemeBackground(Theme(), canvas, BP_CHECKBOX, state, rect, nullptr);
    return;
  }
  const int cell = (check_box_checked_ ? 2 : 0) + (dimmed ? 1 : 0);
  if (use_custom_glyphs_ && !glyph_.Empty()) {
    DrawGlyph(canvas, rect, TRect::Bounds(cell * rect.Width(), 0, rect.Width(), rect.Height()));
    return;
  }
  if (use_image_list_ && images_) {
    images_->Draw(canvas, rect.Left, rect.Top, cell);
    return;
  }
  unsigned state = DFCS_BUTTONCHECK;
  if (check_box_checked_) state |= DFCS_CHECKED;
  if (dimmed) state |= DFCS_INACTIVE;
  DrawFrameControl(canvas, rect, DFC_BUTTON, state);
  const bool idle = !Focused() && !check_box_hot_;
  if (!soft_flat_ && !(Enabled() && (flat_always_ || (flat_ && idle)))) return;
  const TColor frame = down ? soft_flat_down_ : idle ? soft_flat_inactive_ : soft_flat_active_;
  DrawFlatCheckMark(canvas, rect, soft_flat_, frame, dimmed ? clBtnFace : clWindow);
}

// The caption's rectangle: right of the frame's indent or of the check box.
TRect TCustomKxGroupBox::CaptionPlace(TCanvas& canvas, const TRect& check_box) {
  TRect rect;
  if (html_) {
    rect = {0, 0, html_->Data().TextWidth, html_->Data().TextHeight};
  } else if (IsThemeApplied()) {
    ThemeLibrary().GetThemeTextExtent(Theme(), canvas, BP_GROUPBOX, Enabled() ? 1 : 2, Caption(), 0,
                                      nullptr, rect);
    rect = {0, 0, rect.Width(), rect.Height()};
  } else {
    canvas.DrawText(Caption(), rect, DT_CALCRECT);
  }
  rect.Offset(show_check_box_ ? check_box.Right + kCheckBoxGap : kCaptionIndent, 0);
  return rect;
}

void TCustomKxGroupBox::PaintCaptionText(TCanvas& canvas, const TRect& rect) {
  if (html_) {
    TColor text_color = Font().Color();
    if (IsThemeApplied())
      ThemeLibrary().GetThemeColor(Theme(), BP_GROUPBOX, 1, TMT_TEXTCOLOR, text_color);
    PrepareHTMLCaption(*html_, Caption(), Font(), text_color);
    html_->DrawText(canvas, {0, 0}, rect);
  } else if (IsThemeApplied()) {
    ThemeLibrary().DrawThemeText(Theme(), canvas, BP_GROUPBOX, Enabled() ? 1 : 2, Caption(), 0, 0,
                                 rect);
  } else {
    TRect place = rect;
    canvas.DrawText(Caption(), place, 0);
  }
}

// The etched frame is a light ring one pixel in from a dark one; the dark
// ring ends one pixel short on the right and at the bottom.
void TCustomKxGroupBox::PaintFrame(TCanvas& canvas, TRect frame) {
  if (IsThemeApplied()) {
    const TRect clip = canvas.ClipRect();
    ThemeLibrary().DrawThemeBackground(Theme(), canvas, BP_GROUPBOX, Enabled() ? 1 : 2, frame,
                                       &clip);
    return;
  }
  if (soft_flat_) {
    DrawBorderLines(canvas, frame, soft_flat_inactive_, soft_flat_inactive_, border_sides_);
  } else if (ctl3d_) {
    frame.Left += 1;
    frame.Top += 1;
    DrawBorderLines(canvas, frame, clBtnHighlight, clBtnHighlight, border_sides_);
    frame.Offset(-1, -1);
    DrawBorderLines(canvas, frame, clBtnShadow, clBtnShadow, border_sides_);
  } else {
    DrawBorderLines(canvas, frame, clWindowFrame, clWindowFrame, border_sides_);
  }
}

// Background, check box, caption band and caption, then the frame, which
// stops on both sides of the caption. Drawn into a bitmap that starts as a
// copy of the screen, and copied back over the part being painted.
void TCustomKxGroupBox::Paint() {
  TCanvas& screen = Canvas();
  TBitmap buffer(ClientWidth(), ClientHeight());
  TCanvas& canvas = buffer.Canvas();
  canvas.BitBlt(0, 0, ClientWidth(), ClientHeight(), screen, 0, 0, SRCCOPY);
  const TRect client = ClientRect();

  if (!IsThemeApplied()) {
    if (ImageFormPaints()) {
      PaintBackground(canvas);
    } else if (!ImageForm() && !Transparent()) {
      canvas.Brush.Style = bsSolid;
      canvas.Brush.Color = Color();
      canvas.FillRect(client);
    }
  }

  // The caption band goes first, so that it never covers the check box.
  const int text_height = CaptionTextHeight();
  if (caption_color_ != clNone && !IsThemeApplied()) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = caption_color_;
    canvas.FillRect({0, 0, Width(), text_height});
  }
  const TRect check_box = CheckBoxRect();
  if (show_check_box_) PaintCheckBox(canvas, check_box);

  TRect caption = check_box;
  if (!Caption().empty()) {
    canvas.Font.Assign(Font());
    caption = CaptionPlace(canvas, check_box);
    canvas.Brush.Style = bsClear;
    PaintCaptionText(canvas, caption);
    caption.Inflate(1, 0);
    if (show_focus_ && Focused()) canvas.DrawFocusRect(TRect(caption).Inflate(1, 0));
    if (show_check_box_) caption.Left = check_box.Left;
  }

  canvas.SaveState();
  canvas.ExcludeClipRect(caption);
  PaintFrame(canvas, {0, text_height / 2, Width(), Height()});
  canvas.RestoreState();

  const TRect clip = screen.ClipRect().IsEmpty() ? client : screen.ClipRect();
  screen.BitBlt(clip.Left, clip.Top, clip.Width(), clip.Height(), canvas, clip.Left, clip.Top,
                SRCCOPY);
}

// Only a themed group box erases: the parent's background, the frame from
// the caption's middle down, and the parent again behind the caption.
void TCustomKxGroupBox::EraseBackground(TCanvas& canvas) {
  if (!IsThemeApplied()) return;
  const TRect client = ClientRect();
  TKxThemeLibrary& theme = ThemeLibrary();
  theme.DrawThemeParentBackground(this, canvas, &client);
  const int text_height = CaptionTextHeight();
  theme.DrawThemeBackground(Theme(), canvas, BP_GROUPBOX, 0,
                            {0, text_height / 2, client.Right, client.Bottom}, nullptr);
  const TRect check_box = CheckBoxRect();
  TRect caption = CaptionPlace(canvas, check_box);
  if (show_check_box_) caption.Left = check_box.Left;
  theme.DrawThemeParentBackground(this, canvas, &caption);
}

// ---- the caption check box -------------------------------------------------

void TCustomKxGroupBox::ToggleCheckBox() {
  if (sound_map_) sound_map_->Play(check_sound_);
  SetCheckBoxChecked(!check_box_checked_);
  Click();
}

void TCustomKxGroupBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (CanFocus()) SetFocus();
  if (CheckBoxRect().Contains({x, y})) Invalidate();
  TCustomKxPanel::MouseDown(button, shift, x, y);
}

void TCustomKxGroupBox::MouseMove(TShiftState shift, int x, int y) {
  const bool was_hot = check_box_hot_;
  check_box_hot_ = show_check_box_ && CheckBoxRect().Contains({x, y});
  TCustomKxPanel::MouseMove(shift, x, y);
  if (check_box_hot_ != was_hot) Invalidate();
}

// Only a release over the check box toggles it; the group box raises no
// OnMouseUp of its own.
void TCustomKxGroupBox::MouseUp(TMouseButton button, TShiftState /*shift*/, int x, int y) {
  const bool over_check_box = CheckBoxRect().Contains({x, y});
  if (button == TMouseButton::mbLeft) EndButtonDown();
  if (over_check_box) ToggleCheckBox();
  if (check_box_hot_) Invalidate();
}

void TCustomKxGroupBox::KeyDown(int& key, TShiftState shift) {
  TCustomKxPanel::KeyDown(key, shift);
  if (show_check_box_ && key == VK_SPACE && NoShiftKeys(shift)) ToggleCheckBox();
}

void TCustomKxGroupBox::WndProc(TMessage& message) {
  TCustomKxPanel::WndProc(message);
  switch (message.Msg) {
    case CM_MOUSELEAVE:
      if (check_box_hot_) {
        check_box_hot_ = false;
        Invalidate();
      }
      break;
    case CM_ENTER:
    case CM_EXIT:
      if (show_focus_) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
}
