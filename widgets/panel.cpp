#include "widgets/panel.h"

#include <algorithm>

#include "platform/graphics/edges.h"
#include "platform/input/mouse.h"
#include "widgets/background.h"
#include "widgets/image_form_link.h"

namespace {

// The theme's bevel part and the edge flags that shrink the rectangle.
constexpr int kThemeBevelPart = 32;
constexpr unsigned kThemeEdgeFlags = BF_RECT | BF_ADJUST;

bool IsPictureType(TKxBkGndType type) {
  return type == bgtTileBitmap || type == bgtStretchBitmap || type == bgtCenterBitmap;
}

bool IsCachedType(TKxBkGndType type) {
  return type == bgtTileBitmap || type == bgtStretchBitmap || type == bgtTopLeftBitmap;
}

// The strip of `size` pixels along one edge of `rect`.
TRect EdgeStrip(const TRect& rect, TKxPanelEdge edge, int size) {
  switch (edge) {
    case kxeLeft:
      return {rect.Left, rect.Top, rect.Left + size, rect.Bottom};
    case kxeTop:
      return {rect.Left, rect.Top, rect.Right, rect.Top + size};
    case kxeRight:
      return {rect.Right - size, rect.Top, rect.Right, rect.Bottom};
    case kxeBottom:
      return {rect.Left, rect.Bottom - size, rect.Right, rect.Bottom};
  }
  return {};
}

void CutEdge(TRect& rect, TKxPanelEdge edge, int size) {
  switch (edge) {
    case kxeLeft:
      rect.Left += size;
      break;
    case kxeTop:
      rect.Top += size;
      break;
    case kxeRight:
      rect.Right -= size;
      break;
    case kxeBottom:
      rect.Bottom -= size;
      break;
  }
}

int ResizeCode(TKxPanelEdge edge) {
  switch (edge) {
    case kxeLeft:
      return HTLEFT;
    case kxeTop:
      return HTTOP;
    case kxeRight:
      return HTRIGHT;
    case kxeBottom:
      return HTBOTTOM;
  }
  return HTCLIENT;
}

// Handles are looked up and painted left, right, top, bottom.
constexpr TKxPanelEdge kHandleOrder[] = {kxeLeft, kxeRight, kxeTop, kxeBottom};

}  // namespace

// ---- grab handles ----------------------------------------------------------

void TKxPanelGrabHandle::Assign(const TKxPanelGrabHandle& source) {
  enabled_ = source.enabled_;
  size_ = source.size_;
  kind_ = source.kind_;
  bevel_kind_ = source.bevel_kind_;
  visible_ = source.visible_;
  if (!panel_->Loading()) panel_->Invalidate();
}

void TKxPanelGrabHandle::Realigned(bool needs_window) {
  panel_->Realign();
  if (!needs_window || panel_->Parent()) panel_->Invalidate();
}

void TKxPanelGrabHandle::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Realigned(false);
}

void TKxPanelGrabHandle::SetSize(int size) {
  size_ = size;
  Realigned(true);
}

void TKxPanelGrabHandle::SetVisible(bool visible) {
  visible_ = visible;
  Realigned(true);
}

void TKxPanelGrabHandle::SetBevelKind(TPanelBevel bevel_kind) {
  if (bevel_kind == bevel_kind_) return;
  bevel_kind_ = bevel_kind;
  if (panel_->Parent()) panel_->Invalidate();
}

// ---- the panel -------------------------------------------------------------

TCustomKxPanel::TCustomKxPanel(TComponent* owner) : TCustomPanel(owner) {
  image_form_link_.OnChange = [this](TComponent*) { Invalidate(); };
  for (auto& handle : grab_handles_) handle = std::make_unique<TKxPanelGrabHandle>(this);
  control_style_ |= csOpaque;
  background_.OnChange = [this] { BackgroundChanged(); };
}

TCustomKxPanel::~TCustomKxPanel() {
  SetImageForm(nullptr);
  if (size_moving_ || saved_capture_) ReleaseCaptureWithin(this);
}

void TCustomKxPanel::Loaded() {
  TCustomPanel::Loaded();
  if (owner_draw_) Invalidate();
}

void TCustomKxPanel::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == TOperation::opRemove && component == image_form_) {
    image_form_ = nullptr;
    if (Parent()) Invalidate();
  }
}

void TCustomKxPanel::SetImageForm(TKxImageForm* image_form) {
  if (image_form == image_form_) return;
  SwitchImageForm(*this, image_form_, image_form, image_form_link_);
  Invalidate();
}

// A picture drawn from the top left leaves the rest of the panel in the
// colour of its bottom-right pixel, which becomes the panel's own colour.
void TCustomKxPanel::TakeCornerColour() {
  if (background_type_ == bgtTopLeftBitmap && !background_.Empty())
    SetColor(background_.Pixel(background_.Width() - 1, background_.Height() - 1));
}

// A picture without a size leaves nothing to draw but the colour.
void TCustomKxPanel::BackgroundChanged() {
  TakeCornerColour();
  if (background_.Empty()) {
    background_type_ = bgtColorFill;
    RebuildCachedBackground();
  } else if (background_type_ != bgtColorFill && background_type_ != bgtCenterBitmap) {
    RebuildCachedBackground();
  }
  Invalidate();
}

void TCustomKxPanel::SetBackgroundType(TKxBkGndType type) {
  if (type == background_type_) return;
  background_type_ = background_.Empty() && IsPictureType(type) ? bgtColorFill : type;
  TakeCornerColour();
  RebuildCachedBackground();
  Invalidate();
}

void TCustomKxPanel::RebuildCachedBackground() {
  if (!IsCachedType(background_type_) || Width() <= 0 || Height() <= 0) {
    cached_background_.SetSize(0, 0);
    return;
  }
  const TRect area = GetBackgroundRect();
  cached_background_.SetSize(area.Width(), area.Height());
  DrawBackgroundBitmapEx(cached_background_.Canvas(), {0, 0, area.Width(), area.Height()},
                         background_type_, background_, false, clNone, Color(), false, {0, 0},
                         {0, 0, area.Width(), area.Height()});
}

void TCustomKxPanel::SetGradientSteps(int steps) {
  if (steps <= 0 || steps == gradient_steps_) return;
  gradient_steps_ = steps;
  if (IsGradientType(background_type_)) Invalidate();
}

void TCustomKxPanel::SetGradientStartColor(TColor color) {
  if (color == gradient_start_) return;
  gradient_start_ = color;
  if (IsGradientType(background_type_)) Invalidate();
}

void TCustomKxPanel::SetGradientEndColor(TColor color) {
  if (color == gradient_end_) return;
  gradient_end_ = color;
  if (IsGradientType(background_type_)) Invalidate();
}

void TCustomKxPanel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  SetOpaque(!transparent);
  Invalidate();
}

void TCustomKxPanel::SetAlphaLevel(int level) {
  level = std::clamp(level, 0, 255);
  if (level == alpha_level_) return;
  alpha_level_ = level;
  if (transparent_) Invalidate();
}

void TCustomKxPanel::SetOwnerDraw(bool owner_draw) {
  if (owner_draw == owner_draw_) return;
  owner_draw_ = owner_draw;
  if (!Loading()) Invalidate();
}

void TCustomKxPanel::SetAlwaysPaintBackground(bool always) {
  if (always == always_paint_background_) return;
  always_paint_background_ = always;
  if (owner_draw_) Invalidate();
}

void TCustomKxPanel::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  if (!caption_.empty()) Invalidate();
}

void TCustomKxPanel::SetTransparentXPThemes(bool transparent) {
  if (transparent == transparent_xp_themes_) return;
  transparent_xp_themes_ = transparent;
  Invalidate();
}

void TCustomKxPanel::SetCaption(const std::string& caption) {
  caption_ = caption;
  SetText(caption);
}

// ---- themes ----------------------------------------------------------------

// A panel's window exists while it has a parent: that is when its theme
// data is opened, and when it leaves its parent the data is closed.
void TCustomKxPanel::SetParent(TWinControl* parent) {
  TCustomPanel::SetParent(parent);
  if (parent && use_xp_themes_ && !IsThemeApplied()) CreateThemeHandle();
  if (!parent && IsThemeApplied()) FreeThemeHandle();
}

void TCustomKxPanel::CreateThemeHandle() {
  theme_ = ThemesAvailable ? ThemeLibrary().OpenThemeData(this, GetThemedClassName()) : 0;
}

void TCustomKxPanel::FreeThemeHandle() {
  if (ThemesAvailable) ThemeLibrary().CloseThemeData(theme_);
  theme_ = 0;
}

void TCustomKxPanel::SetUseXPThemes(bool use) {
  if (use == use_xp_themes_) return;
  use_xp_themes_ = use;
  if (!ThemesAvailable || !Parent()) return;
  if (use) {
    CreateThemeHandle();
  } else {
    FreeThemeHandle();
  }
  Invalidate();
}

void TCustomKxPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_THEMECHANGED) {
    if (ThemesAvailable && use_xp_themes_) {
      FreeThemeHandle();
      CreateThemeHandle();
      Invalidate();
    }
    message.Result = 1;
    return;
  }
  TCustomPanel::WndProc(message);
  switch (message.Msg) {
    case CM_MOUSEENTER:
      DoMouseEnter();
      break;
    case CM_MOUSELEAVE:
      DoMouseLeave();
      break;
    case KM_REPAINTCHILDREN:
      RepaintWithChildren(*this);
      break;
    default:
      break;
  }
}

// ---- geometry --------------------------------------------------------------

void TCustomKxPanel::AdjustClientRect(TRect& rect) const {
  for (const TKxPanelEdge edge : kHandleOrder) {
    const TKxPanelGrabHandle& handle = GrabHandle(edge);
    if (handle.TakesRoom()) CutEdge(rect, edge, handle.Size());
  }
}

void TCustomKxPanel::AlignControls(TRect& rect) {
  AdjustClientRect(rect);
  TCustomPanel::AlignControls(rect);
}

// Moving the panel changes what lies under its children.
void TCustomKxPanel::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  const bool changed = resized || left != Left() || top != Top();
  TCustomPanel::SetBounds(left, top, width, height);
  if (resized) RebuildCachedBackground();
  if (changed) Perform(KM_REPAINTCHILDREN);
}

void TCustomKxPanel::Resize() {
  Invalidate();
  TCustomPanel::Resize();
}

// ---- painting --------------------------------------------------------------

// Only a themed panel erases: the parent's themed background, or its colour.
void TCustomKxPanel::EraseBackground(TCanvas& canvas) {
  if (!IsThemeApplied()) return;
  if (transparent_xp_themes_) {
    ThemeLibrary().DrawThemeParentBackground(this, canvas, nullptr);
  } else {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
  }
}

bool TCustomKxPanel::ImageFormPaints() const {
  return image_form_ && image_form_->GetRealControl() != this;
}

void TCustomKxPanel::PaintTint(TCanvas& canvas) {
  if (alpha_level_ != 0) AlphaFillRect(canvas, ClientRect(), Color(), alpha_level_);
}

void TCustomKxPanel::PaintBackground(TCanvas& canvas) {
  const TRect client = ClientRect();
  if (image_form_) {
    if (!ImageFormPaints()) return;
    DrawImageFormBehind(*image_form_, *this, canvas, client);
    PaintTint(canvas);
    return;
  }
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = Color();
  switch (background_type_) {
    case bgtTileBitmap:
    case bgtStretchBitmap:
      canvas.Draw(client.Left, client.Top, cached_background_);
      break;
    case bgtColorFill:
      canvas.FillRect(client);
      break;
    case bgtCenterBitmap: {
      canvas.FillRect(client);
      const TRect centre =
          CenterRect(background_.Width(), client.Width(), background_.Height(), client.Height());
      canvas.CopyRect(centre, background_.Canvas(),
                      {0, 0, background_.Width(), background_.Height()});
      break;
    }
    case bgtHorzGradient:
    case bgtVertGradient:
      GradientFill(canvas, client, gradient_start_, gradient_end_, gradient_steps_,
                   background_type_ == bgtVertGradient);
      break;
    case bgtTopLeftBitmap:
      if (background_.Empty()) {
        canvas.FillRect(client);
        break;
      }
      DrawBackgroundBitmap(canvas, client, bgtTopLeftBitmap, background_, Color(), {0, 0}, client);
      break;
  }
}

void TCustomKxPanel::PaintBevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel) {
  if (bevel == TPanelBevel::bvNone) return;
  const bool raised = bevel == TPanelBevel::bvRaised;
  if (IsThemeApplied()) {
    ThemeLibrary().DrawThemeEdge(theme_, canvas, kThemeBevelPart, raised ? 2 : 3, rect,
                                 raised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, kThemeEdgeFlags,
                                 &rect);
    return;
  }
  Frame3D(canvas, rect, raised ? clBtnHighlight : clBtnShadow,
          raised ? clBtnShadow : clBtnHighlight, BevelWidth());
}

// Each handle: a strip in the panel's colour with two lines along its middle.
void TCustomKxPanel::PaintGrabHandles(TCanvas& canvas, TRect& rect) {
  for (const TKxPanelEdge edge : kHandleOrder) {
    const TKxPanelGrabHandle& handle = GrabHandle(edge);
    if (!handle.TakesRoom() || handle.BevelKind() == TPanelBevel::bvNone) continue;
    const TRect strip = EdgeStrip(rect, edge, handle.Size());
    CutEdge(rect, edge, handle.Size());
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(strip);
    const bool raised = handle.BevelKind() == TPanelBevel::bvRaised;
    const TColor first = raised ? clBtnHighlight : clBtnShadow;
    const TColor second = raised ? clBtnShadow : clBtnHighlight;
    const bool vertical = edge == kxeLeft || edge == kxeRight;
    const int middle = vertical ? (strip.Left + strip.Right) / 2 : (strip.Top + strip.Bottom) / 2;
    for (int line = 0; line < 2; ++line) {
      canvas.Pen.Color = line == 0 ? first : second;
      if (vertical) {
        canvas.MoveTo(middle + line, strip.Top + 1);
        canvas.LineTo(middle + line, strip.Bottom - 1);
      } else {
        canvas.MoveTo(strip.Left + 1, middle + line);
        canvas.LineTo(strip.Right - 1, middle + line);
      }
    }
  }
}

void TCustomKxPanel::PaintCaption(TCanvas& canvas, TRect rect) {
  canvas.Brush.Style = bsClear;
  canvas.Font.Assign(Font());
  const unsigned alignment = AlignmentFlags(Alignment());
  if (layout_ != TTextLayout::tlTop) {
    TRect measured = rect;
    AdjustClientRect(measured);
    canvas.DrawText(caption_, measured, DT_CALCRECT | DT_EXPANDTABS | alignment);
    const int shift = layout_ == TTextLayout::tlBottom
                          ? Height() + measured.Top - measured.Bottom
                          : (Height() - measured.Bottom) / 2 + measured.Top;
    rect.Offset(0, shift);
  }
  canvas.DrawText(caption_, rect, DT_EXPANDTABS | alignment);
}

// Background, bevels, border, handles, then the caption or the owner's
// drawing.
void TCustomKxPanel::Paint() {
  TCanvas& canvas = Canvas();
  TCanvasStateGuard keep(canvas);
  const bool themed = IsThemeApplied();
  bool painted_background = false;
  if (themed) {
    DrawThemedBackground(canvas);
  } else if (transparent_) {
    PaintTint(canvas);
  } else if (!owner_draw_ || always_paint_background_) {
    PaintBackground(canvas);
    painted_background = true;
  }

  TRect rect = ClientRect();
  PaintBevel(canvas, rect, BevelOuter());
  if (themed) {
    rect.Inflate(-BevelWidth(), -BevelWidth());
  } else if (!painted_background) {
    Frame3D(canvas, rect, Color(), Color(), BorderWidth());
  }
  PaintBevel(canvas, rect, BevelInner());
  PaintGrabHandles(canvas, rect);

  if (owner_draw_) {
    DoPaint();
    return;
  }
  PaintCaption(canvas, rect);
}

void TCustomKxPanel::DoPaint() {
  if (OnPaint) OnPaint(this);
}

// ---- mouse -----------------------------------------------------------------

void TCustomKxPanel::DoMouseEnter() {
  mouse_in_ = true;
  if (OnMouseEnter) OnMouseEnter(this);
}

void TCustomKxPanel::DoMouseLeave() {
  mouse_in_ = false;
  if (OnMouseLeave) OnMouseLeave(this);
}

void TCustomKxPanel::DoMove() {
  if (OnMove) OnMove(this);
}

int TCustomKxPanel::BevelRoom() const {
  int room = 0;
  if (BevelOuter() != TPanelBevel::bvNone) room += BevelWidth();
  if (BevelInner() != TPanelBevel::bvNone) room += BevelWidth();
  return room;
}

const TKxPanelGrabHandle* TCustomKxPanel::GrabHandleAt(TPoint point, const TRect& rect) const {
  for (const TKxPanelEdge edge : kHandleOrder) {
    const TKxPanelGrabHandle& handle = GrabHandle(edge);
    if (handle.Enabled() && EdgeStrip(rect, edge, handle.Size()).Contains(point)) return &handle;
  }
  return nullptr;
}

int TCustomKxPanel::HitTest(TPoint client) const {
  if (resizable_)
    return BorderHitTest({0, 0, Width(), Height()}, client, Height() / 8, BevelWidth());
  const int room = std::max(1, BevelRoom());
  const TRect rect = TRect(ClientRect()).Inflate(-room, -room);
  for (const TKxPanelEdge edge : kHandleOrder) {
    const TKxPanelGrabHandle& handle = GrabHandle(edge);
    if (!handle.Enabled() || !EdgeStrip(rect, edge, handle.Size()).Contains(client)) continue;
    if (handle.Kind() == ghkMove) return HTCAPTION;
    if (handle.Kind() == ghkResize) return ResizeCode(edge);
    return HTCLIENT;
  }
  return HTCLIENT;
}

void TCustomKxPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPanel::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  const int hit = HitTest({x, y});
  if (hit != HTCLIENT && hit != HTNOWHERE) {
    BeginSizeMove(this, hit);
    return;
  }
  button_down_ = true;
  if (movable_) {
    TControl* previous = SetCapture(this);
    saved_capture_ = previous == this ? nullptr : previous;
  }
}

void TCustomKxPanel::MouseMove(TShiftState shift, int x, int y) {
  TCustomPanel::MouseMove(shift, x, y);
  if (!mouse_in_) DoMouseEnter();
  if (size_moving_) {
    TrackSizeMove();
    return;
  }
  if (!button_down_) return;
  const int room = BevelRoom();
  const TKxPanelGrabHandle* handle =
      GrabHandleAt({x, y}, TRect(ClientRect()).Inflate(-room, -room));
  if (handle && handle->Kind() == ghkMoveParent && Parent()) {
    button_down_ = false;
    BeginSizeMove(Parent(), HTCAPTION);
  } else if (movable_) {
    button_down_ = false;
    DoMouseLeave();
    BeginSizeMove(this, HTCAPTION);
  }
}

void TCustomKxPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (size_moving_ && button == TMouseButton::mbLeft) {
    EndSizeMove();
  } else if (button == TMouseButton::mbLeft) {
    EndButtonDown();
  }
  TCustomPanel::MouseUp(button, shift, x, y);
}

void TCustomKxPanel::EndButtonDown() {
  if (!button_down_) return;
  button_down_ = false;
  if (saved_capture_) {
    SetCapture(saved_capture_);
  } else if (GetCapture() == this) {
    ReleaseCapture();
  }
  saved_capture_ = nullptr;
}

// The window layer has no move-and-size loop of its own, so the panel runs
// one while the button is held: the target (the panel or its parent) follows
// the pointer, moved for HTCAPTION, sized along the edge of a sizing code.
void TCustomKxPanel::BeginSizeMove(TControl* target, int hit_code) {
  saved_capture_ = nullptr;
  SetCapture(this);
  size_move_ = {target, hit_code, CursorPos(), target->BoundsRect()};
  size_moving_ = true;
}

void TCustomKxPanel::TrackSizeMove() {
  const TPoint delta = CursorPos() - size_move_.StartCursor;
  TRect bounds = size_move_.StartBounds;
  const int hit = size_move_.HitCode;
  if (hit == HTCAPTION) {
    bounds.Offset(delta.X, delta.Y);
  } else {
    if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT) bounds.Left += delta.X;
    if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT) bounds.Right += delta.X;
    if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT) bounds.Top += delta.Y;
    if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT) bounds.Bottom += delta.Y;
    bounds.Right = std::max(bounds.Right, bounds.Left);
    bounds.Bottom = std::max(bounds.Bottom, bounds.Top);
  }
  size_move_.Target->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

// A drag that moved the panel, or left its size alone, reports a move.
void TCustomKxPanel::EndSizeMove() {
  size_moving_ = false;
  if (GetCapture() == this) ReleaseCapture();
  const TRect before = size_move_.StartBounds;
  const TRect after = size_move_.Target->BoundsRect();
  const bool same_size = before.Width() == after.Width() && before.Height() == after.Height();
  if (size_move_.Target == this && (same_size || before.TopLeft() != after.TopLeft())) DoMove();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}
