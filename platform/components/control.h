#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/components/component.h"
#include "platform/components/cursor.h"
#include "platform/components/events.h"
#include "platform/components/messages.h"
#include "platform/graphics/types.h"
#include "platform/text/font.h"

class TBitmap;
class TCanvas;
class TContextMenu;
class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// What a kind of control is, fixed by its constructor.
using TControlStyle = uint32_t;
constexpr TControlStyle csAcceptsControls = 1u << 0;
constexpr TControlStyle csCaptureMouse = 1u << 1;  // holds the mouse while a button is down
constexpr TControlStyle csClickEvents = 1u << 2;   // a press and release inside is a click
constexpr TControlStyle csSetCaption = 1u << 3;
constexpr TControlStyle csOpaque = 1u << 4;        // paints every pixel of its rectangle
constexpr TControlStyle csDoubleClicks = 1u << 5;  // a quick second press is a double click

// A window procedure: receives every message sent or posted to a control.
using TWndMethod = std::function<void(TMessage&)>;

// Anything that sits on a form: a rectangle in its parent with a caption,
// colour and font, that is told about input and changes through messages.
// Windowless controls (TGraphicControl) paint on their parent; windowed ones
// (TWinControl) hold children and can take the focus.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return TRect::Bounds(left_, top_, width_, height_); }
  virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }

  // The screen is the game's frame; a point on it is a frame pixel.
  TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint point) const;
  TPoint ScreenToClient(TPoint point) const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to a shown form visible too.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool parent_color);

  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);

  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& caption) { SetText(caption); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show_hint) { show_hint_ = show_hint; }

  // The menu a right click on the control opens (WM_CONTEXTMENU); without one
  // the request goes on to the parent.
  TContextMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TContextMenu* menu);

  TControlStyle ControlStyle() const { return control_style_; }
  void SetControlStyle(TControlStyle style) { control_style_ = style; }
  // A transparent control leaves what lies behind it to be painted first.
  void SetOpaque(bool opaque) {
    control_style_ = opaque ? (control_style_ | csOpaque) : (control_style_ & ~csOpaque);
  }

  // Sends a message and returns the handler's answer.
  intptr_t Perform(uint32_t msg, intptr_t wparam = 0, intptr_t lparam = 0);
  // The procedure Perform calls; replacing it lets a watcher see every
  // message first. Its starting value calls WndProc.
  TWndMethod WindowProc;

  // Marks the control's rectangle for repainting at the next pump.
  void Invalidate();
  // Paints what is invalid now, instead of at the next pump.
  void Update();
  void Repaint();
  void Refresh() { Repaint(); }

  void BringToFront();
  void SendToBack();

  // The user's click, also callable from code.
  virtual void Click();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnResize;

  // Painting: the form's painter calls this with the place of the control's
  // top-left corner on the form's back buffer and the part it may draw.
  void PaintAt(TBitmap& buffer, TPoint origin, const TRect& clip);

 protected:
  virtual void WndProc(TMessage& message);
  // Fills the background before Paint; windowless controls fill nothing.
  virtual void EraseBackground(TCanvas& /*canvas*/) {}
  virtual void Paint() {}
  // The control's canvas: drawing lands on its form's back buffer, shifted
  // to the control's place and clipped to the part of it that is visible.
  TCanvas& ControlCanvas();

  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Called for a left release that ends a press on this control; a control
  // with its own idea of "inside" overrides it.
  virtual bool ReleaseIsClick(int x, int y) const;

  virtual void Resize();
  // The menu a context-menu request opens now; a control may settle its own
  // state before answering.
  virtual TContextMenu* GetPopupMenu() { return popup_menu_; }
  void Notification(TComponent* component, TOperation operation) override;
  // Called by the parent's font and colour changes.
  void ParentFontChanged();
  void ParentColorChanged();

  TControlStyle control_style_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;

 private:
  friend class TWinControl;
  void HandleMouseMessage(TMessage& message);
  void ContextMenu(TMessage& message);
  void LoseInput();
  void FontChanged();

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parent_color_ = true;
  TFont font_;
  bool parent_font_ = true;
  bool adopting_parent_font_ = false;
  std::string text_;
  TAlign align_ = TAlign::alNone;
  TCursor cursor_ = crDefault;
  std::string hint_;
  bool show_hint_ = false;
  TContextMenu* popup_menu_ = nullptr;
  bool clicked_ = false;  // a left press began here and has not been released
  bool painting_ = false;
  std::unique_ptr<TCanvas> canvas_;
};

// True when `control` is `ancestor` or lies inside it.
bool IsWithin(const TControl* control, const TControl* ancestor);
