#pragma once
// The control set's container panel: it paints its own background (a colour,
// a picture tiled, stretched, centred or at the top-left, a gradient, the
// picture of an image form, or the parent showing through with a tint),
// draws the panel bevels, can carry grab handles on its four edges, can be
// moved or sized with the mouse and reports the mouse entering and leaving.
// The game's panels are plain raised frames around groups of radio buttons.
// The group box and the radio group are built on it.
#include <memory>
#include <string>

#include "platform/controls/caption_text.h"
#include "platform/controls/panel.h"
#include "platform/graphics/bitmap.h"
#include "widgets/draw_utils.h"
#include "widgets/image_form.h"
#include "widgets/theme.h"

class TCustomKxPanel;

// The hit-test answer by which the window system moves a window.
constexpr int HTCAPTION = 2;

enum TKxPanelGrabHandleKind { ghkNone = 0, ghkMove = 1, ghkResize = 2, ghkMoveParent = 3 };

// A strip along one edge of a panel that keeps aligned children off it and
// can move or size the panel, or move its parent.
class TKxPanelGrabHandle {
 public:
  explicit TKxPanelGrabHandle(TCustomKxPanel* panel) : panel_(panel) {}

  void Assign(const TKxPanelGrabHandle& source);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Size() const { return size_; }
  void SetSize(int size);
  TKxPanelGrabHandleKind Kind() const { return kind_; }
  void SetKind(TKxPanelGrabHandleKind kind) { kind_ = kind; }
  TPanelBevel BevelKind() const { return bevel_kind_; }
  void SetBevelKind(TPanelBevel bevel_kind);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Takes room from the panel's client area: visible and enabled.
  bool TakesRoom() const { return visible_ && enabled_; }

 private:
  void Realigned(bool needs_window);

  bool enabled_ = false;
  int size_ = 0;
  TKxPanelGrabHandleKind kind_ = ghkNone;
  TPanelBevel bevel_kind_ = TPanelBevel::bvNone;
  TCustomKxPanel* panel_;
  bool visible_ = false;
};

enum TKxPanelEdge { kxeLeft = 0, kxeTop = 1, kxeRight = 2, kxeBottom = 3 };

class TCustomKxPanel : public TCustomPanel {
 public:
  explicit TCustomKxPanel(TComponent* owner);
  ~TCustomKxPanel() override;

  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool owner_draw);
  bool AlwaysPaintBackground() const { return always_paint_background_; }
  void SetAlwaysPaintBackground(bool always);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  int GradientSteps() const { return gradient_steps_; }
  void SetGradientSteps(int steps);
  TColor GradientStartColor() const { return gradient_start_; }
  void SetGradientStartColor(TColor color);
  TColor GradientEndColor() const { return gradient_end_; }
  void SetGradientEndColor(TColor color);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);
  TBitmap& Background() { return background_; }
  void SetBackground(const TBitmap& picture) { background_.Assign(picture); }
  TKxBkGndType BackgroundType() const { return background_type_; }
  virtual void SetBackgroundType(TKxBkGndType type);
  TKxImageForm* ImageForm() const { return image_form_; }
  virtual void SetImageForm(TKxImageForm* image_form);
  bool Resizable() const { return resizable_; }
  void SetResizable(bool resizable) { resizable_ = resizable; }
  bool Movable() const { return movable_; }
  virtual void SetMovable(bool movable) { movable_ = movable; }
  TKxPanelGrabHandle& GrabHandle(TKxPanelEdge edge) { return *grab_handles_[edge]; }
  const TKxPanelGrabHandle& GrabHandle(TKxPanelEdge edge) const { return *grab_handles_[edge]; }
  TKxPanelGrabHandle& LeftGrabHandle() { return GrabHandle(kxeLeft); }
  TKxPanelGrabHandle& TopGrabHandle() { return GrabHandle(kxeTop); }
  TKxPanelGrabHandle& RightGrabHandle() { return GrabHandle(kxeRight); }
  TKxPanelGrabHandle& BottomGrabHandle() { return GrabHandle(kxeBottom); }
  void SetGrabHandle(TKxPanelEdge edge, const TKxPanelGrabHandle& handle) {
    GrabHandle(edge).Assign(handle);
  }
  bool UseXPThemes() const { return use_xp_themes_; }
  virtual void SetUseXPThemes(bool use);
  bool TransparentXPThemes() const { return transparent_xp_themes_; }
  virtual void SetTransparentXPThemes(bool transparent);
  int AlphaLevel() const { return alpha_level_; }
  void SetAlphaLevel(int level);
  bool MouseInControl() const { return mouse_in_; }
  bool ButtonDown() const { return button_down_; }

  // The panel keeps its caption in a string of its own and makes it the
  // window text as well.
  virtual void SetCaption(const std::string& caption);
  virtual std::string GetCaption() const { return caption_; }
  const std::string& Caption() const { return caption_; }

  // The client area left for aligned children: the grab handles' strips
  // are taken off it.
  virtual void AdjustClientRect(TRect& rect) const;
  bool IsThemeApplied() const { return use_xp_themes_ && theme_ != 0; }
  HTHEME Theme() const { return theme_; }

  // What the window system would answer for a point over the panel: a
  // sizing code while Resizable, HTCAPTION over a move handle, a sizing code
  // over a resize handle, HTCLIENT otherwise.
  int HitTest(TPoint client) const;

  TNotifyEvent OnPaint;
  TNotifyEvent OnMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void AlignControls(TRect& rect) override;
  void EraseBackground(TCanvas& canvas) override;
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  virtual void DoMove();
  virtual void DoPaint();
  virtual void DoMouseEnter();
  virtual void DoMouseLeave();
  virtual std::wstring GetThemedClassName() const { return L"GLOBALS"; }
  virtual void CreateThemeHandle();
  virtual void FreeThemeHandle();
  // Empty here; a descendant may draw its own themed background.
  virtual void DrawThemedBackground(TCanvas& /*canvas*/) {}
  virtual TRect GetBackgroundRect() const { return ClientRect(); }

  // The background under the panel, by its type or from its image form.
  void PaintBackground(TCanvas& canvas);
  // The parent already shows under a transparent panel; a tint is blended
  // over it.
  void PaintTint(TCanvas& canvas);
  bool ImageFormPaints() const;
  // Ends a left press on the panel: the flag clears and the capture goes
  // back to whoever held it.
  void EndButtonDown();

 private:
  struct TSizeMove {
    TControl* Target = nullptr;
    int HitCode = 0;
    TPoint StartCursor;
    TRect StartBounds;
  };

  void BackgroundChanged();
  void TakeCornerColour();
  void RebuildCachedBackground();
  void PaintBevel(TCanvas& canvas, TRect& rect, TPanelBevel bevel);
  void PaintGrabHandles(TCanvas& canvas, TRect& rect);
  void PaintCaption(TCanvas& canvas, TRect rect);
  int BevelRoom() const;
  const TKxPanelGrabHandle* GrabHandleAt(TPoint point, const TRect& rect) const;
  void BeginSizeMove(TControl* target, int hit_code);
  void TrackSizeMove();
  void EndSizeMove();

  bool owner_draw_ = false;
  bool always_paint_background_ = false;
  TTextLayout layout_ = TTextLayout::tlCenter;
  int gradient_steps_ = 16;
  TColor gradient_start_ = 0;
  TColor gradient_end_ = 0;
  TBitmap cached_background_;
  bool transparent_ = false;
  TBitmap background_;
  TKxBkGndType background_type_ = bgtColorFill;
  TImgFormChangeLink image_form_link_;
  TKxImageForm* image_form_ = nullptr;
  TControl* saved_capture_ = nullptr;
  bool resizable_ = false;
  bool movable_ = false;
  TSizeMove size_move_;
  bool size_moving_ = false;
  std::unique_ptr<TKxPanelGrabHandle> grab_handles_[4];
  bool mouse_in_ = false;
  HTHEME theme_ = 0;
  bool use_xp_themes_ = true;
  bool button_down_ = false;
  std::string caption_;
  int alpha_level_ = 0;
  bool transparent_xp_themes_ = true;
};

class TKxPanel : public TCustomKxPanel {
 public:
  explicit TKxPanel(TComponent* owner) : TCustomKxPanel(owner) {}
};
