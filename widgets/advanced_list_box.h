#pragma once
// The list box of every order and status dialog: the platform's list box,
// always drawing its own rows, with a colour and font of its own for the
// selected row, a tiled bitmap, the image form's background or the parent
// shown behind the rows, an optional flat frame, a horizontal extent that
// follows the widest row, and a line hint showing the whole text of a row
// that is cut off.
#include <memory>
#include <string>

#include "platform/controls/list_box.h"
#include "platform/forms/hint_window.h"
#include "platform/forms/timer.h"
#include "platform/graphics/bitmap.h"
#include "widgets/draw_utils.h"
#include "widgets/image_form.h"
#include "widgets/theme.h"

// The hint window of a row that does not fit; nothing of its own.
class TListBoxHintWindow : public THintWindow {
 public:
  explicit TListBoxHintWindow(TComponent* owner) : THintWindow(owner) {}
};

class TKxAdvancedListBox : public TListBox {
 public:
  explicit TKxAdvancedListBox(TComponent* owner);
  ~TKxAdvancedListBox() override;

  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle style);
  // A standard list box keeps its rows as high as its font's "0", whatever
  // height it is given.
  void SetItemHeight(int height);
  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;

  TKxFlatBorderType ActiveBorderType() const { return active_border_; }
  void SetActiveBorderType(TKxFlatBorderType type);
  TKxFlatBorderType InactiveBorderType() const { return inactive_border_; }
  void SetInactiveBorderType(TKxFlatBorderType type);
  TBitmap& Background() { return GetBackground(); }
  void SetBackground(const TBitmap& bitmap) { background_.Assign(bitmap); }
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool FlatFocusedScrollBars() const { return flat_focused_scroll_bars_; }
  void SetFlatFocusedScrollBars(bool flat);
  bool InvertSelection() const { return invert_selection_; }
  void SetInvertSelection(bool invert);
  TColor SelectedColor() const { return selected_color_; }
  void SetSelectedColor(TColor color);
  TFont& SelectedFont() { return selected_font_; }
  void SetSelectedFont(const TFont& font) { selected_font_.Assign(font); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool UseBackground() const { return use_background_; }
  void SetUseBackground(bool use);
  TKxImageForm* ImageForm() const { return image_form_; }
  void SetImageForm(TKxImageForm* form);
  bool TransparentSelection() const { return transparent_selection_; }
  void SetTransparentSelection(bool transparent);
  TKxBorderSides BorderSides() const { return border_sides_; }
  void SetBorderSides(TKxBorderSides sides);
  bool ShowLineHint() const { return show_line_hint_; }
  void SetShowLineHint(bool show) { show_line_hint_ = show; }
  bool HorizontalScroll() const { return horizontal_scroll_; }
  void SetHorizontalScroll(bool scroll);
  bool UseXPThemes() const { return use_xp_themes_; }
  void SetUseXPThemes(bool use);
  TColor LineBorderActiveColor() const { return line_border_active_; }
  void SetLineBorderActiveColor(TColor color);
  TColor LineBorderInactiveColor() const { return line_border_inactive_; }
  void SetLineBorderInactiveColor(TColor color);

  // The row whose line hint is armed or showing, -1 when none.
  int LineHintItem() const { return line_hint_item_; }
  // The hint window showing a row's whole text, or nullptr.
  THintWindow* LineHintWindow() const { return hint_window_; }

  bool IsThemeApplied() const { return use_xp_themes_ && theme_ != 0; }
  // The answer to the application's request for a hint at info.CursorPos.
  void HintShow(THintInfo& info);

  // A row's text with one "W" more, as wide as the canvas measures it; tabs
  // count when TabWidth is set.
  virtual int GetItemWidth(int index) const;

 protected:
  virtual int GetImageFormWidth() const;
  virtual int GetImageFormHeight() const;
  virtual TPoint ImageFormScreenToClient(TPoint point) const;
  virtual TBitmap& GetBackground() { return background_; }
  virtual THintWindow* CreateHintWindow();
  virtual void FreeThemeHandle();
  virtual void CreateThemeHandle();

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void Paint() override;
  void DrawItem(int index, TRect rect, TOwnerDrawState state) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  unsigned EdgeSides() const override;

 private:
  bool Active() const { return Focused() || mouse_over_; }
  bool HasSelection() const;
  // Takes the window's creation steps again: row height, theme, repaint.
  void RecreateWnd();
  void FollowFontHeight();
  bool ImageFormShows() const;
  bool BackgroundModeInForce() const;

  void PaintBackground(TCanvas& canvas, const TRect& rect);
  void PaintImageFormPart(TCanvas& canvas, const TRect& rect);
  void TileBackground(TCanvas& canvas, const TRect& clip);
  void PaintParent(TCanvas& canvas, const TRect& rect);
  void DrawFlatBorder(TCanvas& canvas);
  void DrawThemedFrame(TCanvas& canvas);
  TKxScrollBarWindow ScrollBarWindow() const;
  TRect FlatBarsRect() const;
  void RedrawFrameWhen(bool condition);
  // Flat bars follow a tracked thumb unless the list keeps its own bars now.
  bool FlatBarsFollowScrolling() const;
  void ScrollReported(bool vertical, int code);

  void RecomputeExtent();

  void ArmLineHint(int item);
  void LineHintTick();
  void ShowLineHintWindow(int item);
  void CancelLineHint();
  void HintWindowProc(TMessage& message);
  int RowUnder(TPoint client) const;

  TListBoxStyle style_ = TListBoxStyle::lbStandard;
  TKxFlatBorderType active_border_ = fbtSunken;
  TKxFlatBorderType inactive_border_ = fbtSunkenOuter;
  TBitmap background_;
  bool flat_ = false;
  bool flat_focused_scroll_bars_ = false;
  bool invert_selection_ = false;
  TColor selected_color_ = clHighlight;
  TFont selected_font_;
  bool holding_selected_font_ = false;
  bool transparent_ = false;
  bool use_background_ = false;
  TKxImageForm* image_form_ = nullptr;
  TImgFormChangeLink image_form_link_;
  bool transparent_selection_ = false;
  TKxBorderSides border_sides_ = kKxAllSides;
  bool show_line_hint_ = false;
  bool horizontal_scroll_ = false;
  bool use_xp_themes_ = true;
  TColor line_border_active_ = clBlack;
  TColor line_border_inactive_ = clBlack;

  bool mouse_over_ = false;
  bool horz_tracking_ = false;
  bool vert_tracking_ = false;
  int line_hint_item_ = -1;
  std::unique_ptr<TTimer> hint_timer_;
  THintWindow* hint_window_ = nullptr;
  TWndMethod saved_hint_proc_;
  TNotifyEvent items_changed_;
  HTHEME theme_ = 0;
};
