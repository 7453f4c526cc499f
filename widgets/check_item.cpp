#include "widgets/check_item.h"

#include <algorithm>

#include "platform/graphics/frame_control.h"
#include "platform/graphics/system_colours.h"
#include "platform/input/key_codes.h"
#include "platform/input/mouse.h"
#include "widgets/check_mark.h"
#include "widgets/image_form_link.h"
#include "widgets/theme.h"
#include "widgets/tools.h"

namespace {

constexpr int kDefaultWidth = 60;
constexpr int kDefaultHeight = 17;
// Room between the mark and the caption.
constexpr int kCaptionGap = 5;
constexpr unsigned DTT_GRAYED = 1;

// The flat radio mark: two rings of single pixels, relative to the mark's
// top-left corner moved one pixel right.
constexpr TPoint kRadioInnerRing[] = {{1, 4}, {1, 5}, {1, 6},  {1, 7},  {2, 2},  {2, 3},  {2, 8},
                                      {3, 2}, {4, 1}, {5, 1},  {6, 1},  {7, 1},  {8, 2},  {9, 2},
                                      {2, 9}, {3, 9}, {4, 10}, {5, 10}, {6, 10}, {7, 10}, {8, 9},
                                      {9, 9}, {9, 8}, {10, 7}, {10, 6}, {10, 5}, {10, 4}, {9, 3}};
constexpr TPoint kRadioOuterRing[] = {{0, 4},  {0, 5},  {0, 6},  {0, 7},  {1, 2},  {1, 3},  {1, 8},
                                      {1, 9},  {2, 1},  {3, 1},  {4, 0},  {5, 0},  {6, 0},  {7, 0},
                                      {8, 1},  {9, 1},  {2, 10}, {3, 10}, {4, 11}, {5, 11}, {6, 11},
                                      {7, 11}, {8, 10}, {9, 10}, {10, 9}, {10, 8}, {11, 7}, {11, 6},
                                      {11, 5}, {11, 4}, {10, 3}, {10, 2}};

template <std::size_t N>
void SetRing(TCanvas& canvas, const TRect& rect, const TPoint (&ring)[N], TColor color) {
  const TColor rgb = ColorToRGB(color);
  for (const TPoint p : ring) canvas.SetPixel(rect.Left + 1 + p.X, rect.Top + p.Y, rgb);
}

}  // namespace

TKxCheckItem::TKxCheckItem(TComponent* owner) : TKxButtonControl(owner), measure_bitmap_(1, 1) {
  SetControlStyle((ControlStyle() | csSetCaption) & ~csDoubleClicks);
  // An item shows the colour of the box or panel it stands on.
  SetParentColor(true);
  glyph_.OnChange = [this] { GlyphChanged(); };
  SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
  SetTabStop(true);
  image_form_link_.OnChange = [this](TComponent*) { Invalidate(); };
  image_list_link_.OnChange = [this] {
    if (use_image_list_) Invalidate();
  };
}

TKxCheckItem::~TKxCheckItem() {
  html_.reset();
  SetImageForm(nullptr);
  if (images_) images_->UnRegisterChanges(image_list_link_);
  glyph_.OnChange = nullptr;
  RestoreCapture();
}

// ---- properties ------------------------------------------------------------

void TKxCheckItem::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  if (!use_custom_glyphs_) Invalidate();
}

void TKxCheckItem::SetFlatAlways(bool flat_always) {
  if (flat_always == flat_always_) return;
  flat_always_ = flat_always;
  if (!use_custom_glyphs_) Invalidate();
}

void TKxCheckItem::SetUseCustomGlyphs(bool use) {
  if (use == use_custom_glyphs_) return;
  use_custom_glyphs_ = use;
  if (auto_size_) AdjustSize();
  Invalidate();
}

void TKxCheckItem::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TKxCheckItem::SetGlyph(const TBitmap& glyph) {
  glyph_.Assign(glyph);
  glyph_.SetTransparent(true);
}

void TKxCheckItem::GlyphChanged() {
  if (auto_size_) AdjustSize();
  if (use_custom_glyphs_) Invalidate();
}

void TKxCheckItem::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (auto_size_) AdjustSize();
}

void TKxCheckItem::SetIsHTML(bool is_html) {
  if (is_html == IsHTML()) return;
  if (is_html) {
    html_ = std::make_unique<TKxHTMLRender>();
  } else {
    html_.reset();
  }
  if (auto_size_) AdjustSize();
  Invalidate();
}

void TKxCheckItem::SetImages(TImageList* images) {
  if (images == images_) return;
  const bool first_list = images_ == nullptr;
  if (images_) {
    images_->UnRegisterChanges(image_list_link_);
    RemoveFreeNotification(images_);
  }
  images_ = images;
  if (images_) {
    images_->RegisterChanges(image_list_link_);
    images_->FreeNotification(this);
  }
  if (!images_) {
    use_image_list_ = false;
  } else if (first_list && !Loading()) {
    use_image_list_ = true;
  }
  Invalidate();
}

void TKxCheckItem::SetUseImageList(bool use) {
  if (use == use_image_list_ || (use && !images_ && !Loading())) return;
  use_image_list_ = use;
  if (auto_size_) AdjustSize();
  Invalidate();
}

void TKxCheckItem::SetImageForm(TKxImageForm* image_form) {
  if (image_form == image_form_) return;
  SwitchImageForm(*this, image_form_, image_form, image_form_link_);
  Invalidate();
}

void TKxCheckItem::SetSoundMap(TKxSoundMap* sound_map) {
  sound_map_ = sound_map;
  if (sound_map_) sound_map_->FreeNotification(this);
}

void TKxCheckItem::Loaded() {
  TKxButtonControl::Loaded();
  if (auto_size_) {
    SetAutoSize(false);
    SetAutoSize(true);
  }
  if (use_image_list_ && !images_) use_image_list_ = false;
}

// A component the item refers to that goes away leaves no dangling link.
void TKxCheckItem::Notification(TComponent* component, TOperation operation) {
  TKxButtonControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == sound_map_) sound_map_ = nullptr;
  if (component == images_) {
    images_ = nullptr;
    use_image_list_ = false;
    Invalidate();
  }
  if (component == image_form_) {
    image_form_ = nullptr;
    Invalidate();
  }
}

void TKxCheckItem::CreateWnd() {
  TKxButtonControl::CreateWnd();
  if (auto_size_) AdjustSize();
}

void TKxCheckItem::SetBounds(int left, int top, int width, int height) {
  const bool changed = left != Left() || top != Top() || width != Width() || height != Height();
  TKxButtonControl::SetBounds(left, top, width, height);
  if (changed) Perform(KM_REPAINTCHILDREN);
}

// ---- measuring -------------------------------------------------------------

TSize TKxCheckItem::StandardMarkSize() {
  TSize size{kMarkSize, kMarkSize};
  if (!IsThemeApplied()) return size;
  const int part = IsRadioButton() ? BP_RADIOBUTTON : IsCheckBox() ? BP_CHECKBOX : 5;
  ThemeLibrary().GetThemePartSize(ThemeHandle(), &Canvas(), part, 1, nullptr, TS_TRUE, size);
  return size;
}

TSize TKxCheckItem::MarkSize() {
  return CheckMarkSize(glyph_, use_custom_glyphs_, images_, use_image_list_, StandardMarkSize());
}

TSize TKxCheckItem::MeasureText(TCanvas& canvas, bool single_line) {
  if (html_) {
    PrepareHTMLCaption(*html_, Caption(), Font(), Font().Color());
    return {html_->Data().TextWidth, html_->Data().TextHeight};
  }
  canvas.Font.Assign(Font());
  TRect extent;
  canvas.DrawText(Caption(), extent, DT_CALCRECT | (single_line ? DT_SINGLELINE : 0));
  return {extent.Width(), extent.Height()};
}

void TKxCheckItem::AdjustSize() {
  if (Loading() || Destroying() || !Parent()) return;
  const TSize mark = MarkSize();
  const TSize text = MeasureText(measure_bitmap_.Canvas(), false);
  const int width = mark.cx + 7 + text.cx + 2;
  if (HandleAllocated()) SetBounds(Left(), Top(), width, ItemHeight(mark, text));
}

int TKxCheckItem::MeasureCaption(bool multiline) {
  if (!HandleAllocated()) return kMarkSize;
  const TSize mark = MarkSize();
  const TSize text = MeasureText(measure_bitmap_.Canvas(), !multiline);
  return ItemHeight(mark, text);
}

// A text effect draws one pixel beyond the text on either side.
int TKxCheckItem::ItemHeight(TSize mark, TSize text) const {
  const int height = std::max(mark.cy + 4, text.cy + 2);
  return TextDrawType() == tdtNormal ? height : height + 2;
}

bool TKxCheckItem::HasLineBreak() const {
  return Caption().find("\r\n") != std::string::npos;
}

// ---- painting --------------------------------------------------------------

// The mark stands at its side, centred on the item, or beside the first
// line of a caption that has several.
TRect TKxCheckItem::MarkRect(TSize mark, bool themed) {
  const int height = ClientHeight();
  const int left = MarkOnLeft() ? 0 : Width() - mark.cx;
  int top = (HasLineBreak() ? MeasureCaption(false) : height) / 2 - mark.cy / 2;
  if (themed && !MarkOnLeft()) {
    const int middle =
        HasLineBreak() ? MeasureCaption(false) / 2 - mark.cy / 2 : (height - mark.cy) / 2;
    top = middle + height % 2;
  }
  return TRect::Bounds(left, top, mark.cx, mark.cy);
}

TRect TKxCheckItem::CaptionRect(TCanvas& canvas, TSize mark, TSize& text) {
  TRect rect = ClientRect();
  if (MarkOnLeft()) {
    rect.Left += mark.cx + kCaptionGap;
  } else {
    rect.Right -= mark.cx + kCaptionGap;
  }
  rect.Top = 0;
  if (IsThemeApplied() && !html_) {
    canvas.Font.Assign(Font());
    TRect extent;
    ThemeLibrary().GetThemeTextExtent(ThemeHandle(), canvas, ThemePart(), ThemeState(), Caption(),
                                      0, nullptr, extent);
    text = {extent.Width(), extent.Height()};
  } else {
    text = MeasureText(canvas, false);
  }
  rect.Bottom = text.cy;
  rect.Offset(0, (ClientHeight() - text.cy) / 2);
  return rect;
}

int TKxCheckItem::ThemePart() const {
  return IsCheckBox() ? BP_CHECKBOX : BP_RADIOBUTTON;
}

int TKxCheckItem::ThemeState() const {
  int state = 1;
  if (!Enabled()) {
    state = 4;
  } else if (pressed_) {
    state = 3;
  } else if (mouse_in_) {
    state = 2;
  }
  if (GetChecked()) state += 4;
  if (IsGrayed()) state += 8;
  return state;
}

void TKxCheckItem::PaintBackground(TCanvas& canvas) {
  const TRect client = ClientRect();
  if (IsThemeApplied()) {
    ThemeLibrary().DrawThemeParentBackground(this, canvas, &client);
  } else if (Transparent()) {
    // The buffer already holds what the parent painted under the item.
  } else if (!image_form_) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(client);
  } else if (image_form_->GetRealControl() != this) {
    DrawImageFormBehind(*image_form_, *this, canvas, client);
  }
}

void TKxCheckItem::PaintThemedMark(TCanvas& canvas, TSize mark) {
  const TRect rect = MarkRect(mark, true);
  const TRect clip = canvas.ClipRect();
  ThemeLibrary().DrawThemeBackground(ThemeHandle(), canvas, ThemePart(), ThemeState(), rect, &clip);
}

// The flat form goes over the classic mark while SoftFlat, or while Flat and
// the item is idle (or always flat).
void TKxCheckItem::PaintClassicMark(TCanvas& canvas, TSize mark) {
  const TRect rect = MarkRect(mark, false);
  const bool dimmed = !Enabled() || (pressed_ && mouse_in_);
  const int cell = (IsGrayed() ? 4 : GetChecked() ? 2 : 0) + (dimmed ? 1 : 0);
  if (use_custom_glyphs_ && !glyph_.Empty()) {
    DrawGlyph(canvas, rect, TRect::Bounds(cell * mark.cx, 0, mark.cx, mark.cy));
    return;
  }
  if (use_image_list_ && images_) {
    images_->Draw(canvas, rect.Left, rect.Top, cell);
    return;
  }
  unsigned state = IsRadioButton() ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
  if (GetChecked() || IsGrayed()) state |= DFCS_CHECKED;
  if (IsGrayed()) state |= DFCS_BUTTON3STATE;
  if (dimmed) state |= DFCS_INACTIVE;
  DrawFrameControl(canvas, rect, DFC_BUTTON, state);
  const bool idle = !Focused() && !mouse_in_ && !pressed_;
  if (SoftFlat() || (flat_ && (idle || flat_always_))) DrawMark(canvas, rect);
}

void TKxCheckItem::PaintCaption(TCanvas& canvas, const TRect& rect) {
  if (html_) {
    const TColor text_color = IsThemeApplied()
                                  ? ThemeLibrary().GetThemeSysColor(ThemeHandle(), COLOR_BTNTEXT)
                                  : Font().Color();
    PrepareHTMLCaption(*html_, Caption(), Font(), text_color);
    html_->DrawText(canvas, {0, 0}, rect);
    return;
  }
  canvas.Font.Assign(Font());
  if (IsThemeApplied()) {
    ThemeLibrary().DrawThemeText(ThemeHandle(), canvas, ThemePart(), ThemeState(), Caption(), 0,
                                 Enabled() ? 0 : DTT_GRAYED, rect);
    return;
  }
  const unsigned flags = DT_VCENTER | (ShowAccelChar() ? 0 : DT_HIDEPREFIX);
  if (Enabled()) {
    DrawTypedText(canvas, rect, Caption(), flags, TextDrawType());
    return;
  }
  TRect lower = rect;
  lower.Offset(1, 1);
  canvas.Font.SetColor(clBtnHighlight);
  canvas.DrawText(Caption(), lower, flags);
  TRect upper = rect;
  canvas.Font.SetColor(clBtnShadow);
  canvas.DrawText(Caption(), upper, flags);
}

// The focus rectangle frames the text, one pixel out, shifted with the
// text effect.
void TKxCheckItem::PaintFocusRect(TCanvas& canvas, TRect rect, TSize text) {
  canvas.Brush.Style = bsSolid;
  TRect focus = TRect::Bounds(rect.Left, (ClientHeight() - text.cy) / 2, text.cx, text.cy);
  focus.Inflate(1, 1);
  if (!MarkOnLeft()) focus.Left += 1;
  switch (TextDrawType()) {
    case tdtNormal:
      focus.Offset(1, 0);
      break;
    case tdtShadowed:
      focus.Offset(1, 1);
      focus.Right += 1;
      break;
    case tdtRaised:
      focus.Offset(1, -1);
      break;
  }
  focus.Offset(-1, 0);
  canvas.DrawFocusRect(focus);
}

// Everything is drawn into a bitmap of the client size that starts as a
// copy of the screen under the item, and copied back in one go.
void TKxCheckItem::Paint() {
  TCanvas& screen = Canvas();
  TBitmap buffer(ClientWidth(), ClientHeight());
  TCanvas& canvas = buffer.Canvas();
  canvas.BitBlt(0, 0, ClientWidth(), ClientHeight(), screen, 0, 0, SRCCOPY);

  PaintBackground(canvas);
  const TSize mark = MarkSize();
  if (IsThemeApplied()) {
    PaintThemedMark(canvas, mark);
  } else {
    PaintClassicMark(canvas, mark);
  }
  TSize text;
  const TRect caption = CaptionRect(canvas, mark, text);
  canvas.Brush.Style = bsClear;
  PaintCaption(canvas, caption);
  if (Focused() && Enabled() && !Caption().empty() && ShowFocusRect())
    PaintFocusRect(canvas, caption, text);

  screen.BitBlt(0, 0, ClientWidth(), ClientHeight(), canvas, 0, 0, SRCCOPY);
}

void TKxCheckItem::DrawGlyph(TCanvas& canvas, const TRect& dest, const TRect& source) {
  DrawGlyphCell(canvas, glyph_, dest, source);
}

TColor TKxCheckItem::SoftFlatFrameColor() const {
  if (pressed_) return SoftFlatDownColor();
  if (!Focused() && !mouse_in_) return SoftFlatInactiveColor();
  return SoftFlatActiveColor();
}

TColor TKxCheckItem::MarkInsideColor() const {
  return Enabled() && !pressed_ ? clWindow : clBtnFace;
}

// ---- input -----------------------------------------------------------------

void TKxCheckItem::PlayCheckSound() {
  if (sound_map_) sound_map_->Play(check_sound_);
}

void TKxCheckItem::KeyDown(int& key, TShiftState shift) {
  TKxButtonControl::KeyDown(key, shift);
  if (key == VK_SPACE && NoShiftKeys(shift)) SpacePressed();
}

void TKxCheckItem::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (CanFocus()) SetFocus();
  pressed_ = true;
  TControl* previous = GetCapture();
  saved_capture_ = previous == this ? nullptr : previous;
  SetCapture(this);
  Invalidate();
  TKxButtonControl::MouseDown(button, shift, x, y);
}

// Every release hands the capture back, so no button (the right one
// included) can leave the mouse held by the item. Only a release inside
// sounds; the click itself follows from the window layer.
void TKxCheckItem::MouseUp(TMouseButton /*button*/, TShiftState /*shift*/, int x, int y) {
  pressed_ = false;
  RestoreCapture();
  if (ClientRect().Contains({x, y})) PlayCheckSound();
  Invalidate();
}

void TKxCheckItem::RestoreCapture() {
  if (GetCapture() != this) return;
  if (saved_capture_) {
    SetCapture(saved_capture_);
  } else {
    ReleaseCapture();
  }
  saved_capture_ = nullptr;
}

void TKxCheckItem::DoEnter() {
  if (OnEnter) OnEnter(this);
  Invalidate();
}

void TKxCheckItem::DoExit() {
  if (OnExit) OnExit(this);
  Invalidate();
}

bool TKxCheckItem::LookFollowsMouse() const {
  return SoftFlat() || (flat_ && !flat_always_ && !use_custom_glyphs_) || pressed_ ||
         IsThemeApplied();
}

void TKxCheckItem::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    case WM_GETDLGCODE:
      TKxButtonControl::WndProc(message);
      message.Result &= ~DLGC_WANTALLKEYS;
      if (handle_dialog_keys_) message.Result |= DLGC_WANTALLKEYS;
      return;
    case CM_TEXTCHANGED:
      if (auto_size_) AdjustSize();
      Invalidate();
      return;
    default:
      break;
  }
  TKxButtonControl::WndProc(message);
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      mouse_in_ = message.Msg == CM_MOUSEENTER;
      if (LookFollowsMouse()) Invalidate();
      break;
    case CM_FOCUSCHANGED:
      if (message.LParam == reinterpret_cast<intptr_t>(this)) Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    case KM_REPAINTCHILDREN:
      RepaintWithChildren(*this);
      break;
    default:
      break;
  }
}

// ---- check box -------------------------------------------------------------

void TKxCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  if (state == cbGrayed && !allow_grayed_) return;
  state_ = state;
  Invalidate();
}

void TKxCheckBox::SetAllowGrayed(bool allow) {
  allow_grayed_ = allow;
  if (!allow && state_ == cbGrayed) SetState(cbUnchecked);
}

void TKxCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked:
      SetState(allow_grayed_ ? cbGrayed : cbChecked);
      break;
    case cbGrayed:
      SetState(cbChecked);
      break;
    case cbChecked:
      SetState(cbUnchecked);
      break;
  }
}

void TKxCheckBox::Click() {
  switch (state_) {
    case cbUnchecked:
      if (allow_grayed_) {
        SetState(cbGrayed);
      } else {
        SetChecked(true);
      }
      break;
    case cbChecked:
      SetChecked(false);
      break;
    case cbGrayed:
      SetChecked(true);
      break;
  }
  TKxButtonControl::Click();
}

void TKxCheckBox::SpacePressed() {
  PlayCheckSound();
  Click();
}

void TKxCheckBox::DrawMark(TCanvas& canvas, const TRect& rect) {
  DrawFlatCheckMark(canvas, rect, SoftFlat(), SoftFlatFrameColor(), MarkInsideColor());
}

// ---- radio button ----------------------------------------------------------

void TKxRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  if (checked && Parent()) {
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TKxRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  Invalidate();
}

void TKxRadioButton::Click() {
  if (checked_) {
    Invalidate();
  } else {
    SetChecked(true);
  }
  TKxButtonControl::Click();
}

void TKxRadioButton::DrawMark(TCanvas& canvas, const TRect& rect) {
  SetRing(canvas, rect, kRadioInnerRing, MarkInsideColor());
  if (SoftFlat()) SetRing(canvas, rect, kRadioOuterRing, SoftFlatFrameColor());
}
