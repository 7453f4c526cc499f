#include "platform/components/control.h"

#include "platform/components/context_menu.h"
#include "platform/components/focus.h"
#include "platform/components/input_memory.h"
#include "platform/components/painting.h"
#include "platform/components/posted_messages.h"
#include "platform/components/win_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  MarkDestroying();
  ForgetInputOf(this);
  ForgetFocus(this);
  DropPostedMessages(this);
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_ || parent == this) return;
  if (parent_) {
    Invalidate();
    LoseInput();
    parent_->RemoveControl(this);
  }
  if (parent) parent->InsertControl(this);
  if (parent_) {
    ParentFontChanged();
    ParentColorChanged();
    Invalidate();
  }
}

// A control that is hidden, disabled or moved away gives up the mouse
// capture and the focus, so no pressed state outlives it.
void TControl::LoseInput() {
  ReleaseInputWithin(this);
  ForgetFocus(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Invalidate();
  if (resized) Resize();
  if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

TPoint TControl::ClientOrigin() const {
  const TPoint own{left_, top_};
  return parent_ ? parent_->ClientOrigin() + own : own;
}

TPoint TControl::ClientToScreen(TPoint point) const {
  return point + ClientOrigin();
}

TPoint TControl::ScreenToClient(TPoint point) const {
  return point - ClientOrigin();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  Invalidate();
  visible_ = visible;
  if (!visible) LoseInput();
  Perform(CM_VISIBLECHANGED, visible);
  Invalidate();
}

bool TControl::Showing() const {
  if (!visible_) return false;
  return parent_ ? parent_->Showing() : true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled) LoseInput();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
  parent_color_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parent_color) {
  if (parent_color == parent_color_) return;
  parent_color_ = parent_color;
  ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parent_color_ || !parent_ || parent_->Color() == color_) return;
  color_ = parent_->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool parent_font) {
  if (parent_font == parent_font_) return;
  parent_font_ = parent_font;
  ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parent_font_ || !parent_ || parent_->Font() == font_) return;
  adopting_parent_font_ = true;
  font_.Assign(parent_->Font());
  adopting_parent_font_ = false;
}

// A font set on the control itself stops it following its parent's font.
void TControl::FontChanged() {
  if (!adopting_parent_font_) parent_font_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

intptr_t TControl::Perform(uint32_t msg, intptr_t wparam, intptr_t lparam) {
  TMessage message{msg, wparam, lparam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      HandleMouseMessage(message);
      break;
    case CM_CAPTURECHANGED:
      clicked_ = false;
      break;
    case WM_CONTEXTMENU:
      ContextMenu(message);
      break;
    case CM_PARENTFONTCHANGED:
      ParentFontChanged();
      break;
    case CM_PARENTCOLORCHANGED:
      ParentColorChanged();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
}

namespace {

struct MouseMessageInfo {
  TMouseButton button;
  bool down;
  bool double_click;
};

MouseMessageInfo Describe(uint32_t msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      return {TMouseButton::mbLeft, true, false};
    case WM_LBUTTONDBLCLK:
      return {TMouseButton::mbLeft, true, true};
    case WM_LBUTTONUP:
      return {TMouseButton::mbLeft, false, false};
    case WM_RBUTTONDOWN:
      return {TMouseButton::mbRight, true, false};
    case WM_RBUTTONDBLCLK:
      return {TMouseButton::mbRight, true, true};
    case WM_RBUTTONUP:
      return {TMouseButton::mbRight, false, false};
    case WM_MBUTTONDOWN:
      return {TMouseButton::mbMiddle, true, false};
    case WM_MBUTTONDBLCLK:
      return {TMouseButton::mbMiddle, true, true};
    default:
      return {TMouseButton::mbMiddle, false, false};
  }
}

}  // namespace

void TControl::HandleMouseMessage(TMessage& message) {
  const int x = PointX(message.LParam);
  const int y = PointY(message.LParam);
  const auto shift = static_cast<TShiftState>(message.WParam);
  if (message.Msg == WM_MOUSEMOVE) {
    MouseMove(shift, x, y);
    return;
  }
  const MouseMessageInfo info = Describe(message.Msg);
  if (info.down) {
    if (info.button == TMouseButton::mbLeft && (control_style_ & csClickEvents)) clicked_ = true;
    // The second press of a double click is still a press.
    if (info.double_click) DblClick();
    MouseDown(info.button, info.double_click ? (shift | ssDouble) : shift, x, y);
    return;
  }
  const bool was_clicked = clicked_ && info.button == TMouseButton::mbLeft;
  if (info.button == TMouseButton::mbLeft) clicked_ = false;
  MouseUp(info.button, shift, x, y);
  if (was_clicked && ReleaseIsClick(x, y)) Click();
  if (info.button == TMouseButton::mbRight) {
    const TPoint screen = ClientToScreen({x, y});
    Perform(WM_CONTEXTMENU, 0, PackPoint(screen.X, screen.Y));
  }
}

void TControl::SetPopupMenu(TContextMenu* menu) {
  if (menu == popup_menu_) return;
  if (popup_menu_) popup_menu_->RemoveFreeNotification(this);
  popup_menu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popup_menu_) popup_menu_ = nullptr;
}

// A control without a menu of its own passes the request to its parent, so
// that a form's menu serves the controls on it.
void TControl::ContextMenu(TMessage& message) {
  TContextMenu* menu = GetPopupMenu();
  if (!menu) {
    if (parent_) message.Result = parent_->Perform(WM_CONTEXTMENU, message.WParam, message.LParam);
    return;
  }
  menu->PopupComponent = this;
  menu->Popup(PointX(message.LParam), PointY(message.LParam));
  message.Result = 1;
}

bool TControl::ReleaseIsClick(int x, int y) const {
  return ClientRect().Contains({x, y});
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Invalidate() {
  TWinControl* root = RootOf(this);
  if (!root) return;
  const TPoint at = ClientOrigin() - root->ClientOrigin();
  InvalidateRootArea(*root, TRect::Bounds(at.X, at.Y, width_, height_));
}

void TControl::Update() {
  TWinControl* root = RootOf(this);
  if (!root) return;
  PaintInvalidArea(*root);
  PresentNow();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!parent_) return;
  TWinControl* parent = parent_;
  parent->RemoveControl(this);
  parent->InsertControl(this);
  Invalidate();
}

void TControl::SendToBack() {
  if (!parent_) return;
  parent_->MoveToBack(this);
  Invalidate();
}

void TControl::PaintAt(TBitmap& buffer, TPoint origin, const TRect& clip) {
  TCanvas& canvas = ControlCanvas();
  canvas.SetTarget(&buffer);
  canvas.SetOrigin(origin);
  canvas.ResetClip();
  canvas.IntersectClipRect(TRect(clip).Offset(-origin.X, -origin.Y));
  painting_ = true;
  struct EndPainting {
    bool& flag;
    ~EndPainting() { flag = false; }
  } end{painting_};
  EraseBackground(canvas);
  Paint();
}

TCanvas& TControl::ControlCanvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>();
  if (painting_) return *canvas_;
  TWinControl* root = RootOf(this);
  TBitmap* buffer = root ? root->BackBuffer() : nullptr;
  canvas_->SetTarget(buffer);
  if (buffer) {
    const TPoint at = ClientOrigin() - root->ClientOrigin();
    canvas_->SetOrigin(at);
    canvas_->ResetClip();
    canvas_->IntersectClipRect(VisibleRectIn(*this, *root).Offset(-at.X, -at.Y));
    MarkBufferDrawn();
  }
  return *canvas_;
}

bool IsWithin(const TControl* control, const TControl* ancestor) {
  for (const TControl* c = control; c; c = c->Parent()) {
    if (c == ancestor) return true;
  }
  return false;
}
