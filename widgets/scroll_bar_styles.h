#pragma once
// Scroll-bar styles: a set of properties that stands for those of a scroll
// bar of the control set, and the rules of that bar which they reach: the
// size of its arrow buttons, the size of its thumb and the thumb's place.
// The styles keep no values of their own; every property is the bar's.
//
// TCustomKxScrollBar is the owner the styles talk to. It holds the bar's
// range, page and position, the style values and the setter rules; how a
// bar is painted and handled with the mouse is its descendants' business.
#include <memory>
#include <string>

#include "platform/components/events.h"
#include "platform/controls/scroll_bar.h"
#include "widgets/image_form.h"
#include "widgets/themed_control.h"

enum TKxSecButtonsKind { sbkOpposite, sbkPage, sbkCustom };
enum TKxScrollThumbMode { etmFixed, etmAuto };

class TKxScrollBarStyles;

class TCustomKxScrollBar : public TKxXPThemedControl {
 public:
  TCustomKxScrollBar(TComponent* owner, TScrollBarKind kind);
  ~TCustomKxScrollBar() override;

  TKxScrollBarStyles& Styles() { return *styles_; }

  TScrollBarKind Kind() const { return kind_; }
  bool Horizontal() const { return kind_ == TScrollBarKind::sbHorizontal; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int Page() const { return page_; }
  // Range, page and position together; the thumb follows.
  void SetParams(int min, int max, int page, int position);

  // The length of the bar along its kind: the client width of a horizontal
  // bar, the client height of a vertical one.
  int Length() const;
  // The bar's thickness across its kind.
  int Thickness() const { return Horizontal() ? Height() : Width(); }
  void SetThickness(int thickness);
  // Arrow buttons at the left (top) end, and at both ends together.
  int LeftButtonCount() const;
  int ButtonCount() const;
  // The sizes in use, after fitting the buttons into the bar.
  int EffectiveButtonSize() const;
  int EffectiveThumbSize() const;
  // Pixels from the start of the bar to the thumb, as last recomputed.
  int ThumbPosition() const { return thumb_position_; }

  bool ActiveFlat() const { return active_flat_; }
  void SetActiveFlat(bool value);
  bool BlendBackground() const { return blend_background_; }
  void SetBlendBackground(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  int MinThumbSize() const { return min_thumb_size_; }
  void SetMinThumbSize(int value);
  bool NoDisableButtons() const { return no_disable_buttons_; }
  void SetNoDisableButtons(bool value);
  bool NoSunkenThumb() const { return no_sunken_thumb_; }
  void SetNoSunkenThumb(bool value);
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool value);
  bool SecondaryButtons() const { return secondary_buttons_; }
  void SetSecondaryButtons(bool value);
  TKxSecButtonsKind SecondBtnKind() const { return second_btn_kind_; }
  void SetSecondBtnKind(TKxSecButtonsKind value);
  bool ShowLeftArrows() const { return show_left_arrows_; }
  void SetShowLeftArrows(bool value);
  bool ShowRightArrows() const { return show_right_arrows_; }
  void SetShowRightArrows(bool value);
  TKxScrollThumbMode ThumbMode() const { return thumb_mode_; }
  void SetThumbMode(TKxScrollThumbMode value);
  int StoredThumbSize() const { return thumb_size_; }
  void SetThumbSize(int value);
  int StoredButtonSize() const { return button_size_; }
  void SetButtonSize(int value);
  bool UseSystemMetrics() const { return use_system_metrics_; }
  void SetUseSystemMetrics(bool value);
  TColor ArrowColor() const { return arrow_color_; }
  void SetArrowColor(TColor value);
  TColor ArrowHotTrackColor() const { return arrow_hot_track_color_; }
  void SetArrowHotTrackColor(TColor value);
  bool DrawFrames() const { return draw_frames_; }
  void SetDrawFrames(bool value);
  bool DrawArrowFrames() const { return draw_arrow_frames_; }
  void SetDrawArrowFrames(bool value);
  bool DrawBars() const { return draw_bars_; }
  void SetDrawBars(bool value);
  unsigned BarOffset() const { return bar_offset_; }
  void SetBarOffset(unsigned value);
  TColor BarColor() const { return bar_color_; }
  void SetBarColor(TColor value);
  bool ThinFrames() const { return thin_frames_; }
  void SetThinFrames(bool value);
  bool SystemBkColor() const { return system_bk_color_; }
  void SetSystemBkColor(bool value);
  TKxImageForm* ImageForm() const { return image_form_; }
  virtual void SetImageForm(TKxImageForm* form);

  // The track hint's settings, used by the bar's painting alone.
  bool ShowTrackHint = false;
  TColor HintColor = clInfoBk;
  TColor HintTextColor = clInfoText;

  bool MouseOver() const { return mouse_over_; }

 protected:
  std::wstring GetThemedClassName() const override { return L"SCROLLBAR"; }
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void CreateWnd() override;
  void Resize() override;
  // The state in which the thumb is drawn sunk in, which the bar's own
  // mouse handling decides; NoSunkenThumb matters only then.
  virtual bool ThumbSunken() const { return false; }

 private:
  bool Painted() const { return HandleAllocated() && !Loading(); }
  void RepaintIfPainted();
  // Recomputes the thumb's place and repaints, while the bar is painted.
  void Recompute();
  int SystemThumbSize() const;
  int SystemButtonSize() const;
  void TakeSystemSizes();

  TScrollBarKind kind_;
  std::unique_ptr<TKxScrollBarStyles> styles_;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int page_ = 0;
  int thumb_position_ = 0;
  bool mouse_over_ = false;

  bool active_flat_ = false;
  bool blend_background_ = true;
  bool flat_ = true;
  int min_thumb_size_ = 4;
  bool no_disable_buttons_ = false;
  bool no_sunken_thumb_ = false;
  bool owner_draw_ = false;
  bool secondary_buttons_ = false;
  TKxSecButtonsKind second_btn_kind_ = sbkOpposite;
  bool show_left_arrows_ = true;
  bool show_right_arrows_ = true;
  TKxScrollThumbMode thumb_mode_ = etmAuto;
  int thumb_size_ = 0;
  int button_size_ = 0;
  bool use_system_metrics_ = true;
  TColor arrow_color_ = clBtnText;
  TColor arrow_hot_track_color_ = clHighlight;
  bool draw_frames_ = true;
  bool draw_arrow_frames_ = true;
  bool draw_bars_ = true;
  unsigned bar_offset_ = 2;
  TColor bar_color_ = clBtnShadow;
  bool thin_frames_ = false;
  bool system_bk_color_ = true;
  TKxImageForm* image_form_ = nullptr;
};

class TKxScrollBarStyles {
 public:
  explicit TKxScrollBarStyles(TCustomKxScrollBar& bar) : bar_(bar) {}

  // Copies the look and thumb settings of another bar's styles.
  void Assign(const TKxScrollBarStyles& source);

  bool ActiveFlat() const { return bar_.ActiveFlat(); }
  void SetActiveFlat(bool value) { bar_.SetActiveFlat(value); }
  bool BlendBackground() const { return bar_.BlendBackground(); }
  void SetBlendBackground(bool value) { bar_.SetBlendBackground(value); }
  TColor Color() const { return bar_.Color(); }
  void SetColor(TColor value) { bar_.SetColor(value); }
  bool Flat() const { return bar_.Flat(); }
  void SetFlat(bool value) { bar_.SetFlat(value); }
  int MinThumbSize() const { return bar_.MinThumbSize(); }
  void SetMinThumbSize(int value) { bar_.SetMinThumbSize(value); }
  bool NoDisableButtons() const { return bar_.NoDisableButtons(); }
  void SetNoDisableButtons(bool value) { bar_.SetNoDisableButtons(value); }
  bool NoSunkenThumb() const { return bar_.NoSunkenThumb(); }
  void SetNoSunkenThumb(bool value) { bar_.SetNoSunkenThumb(value); }
  bool OwnerDraw() const { return bar_.OwnerDraw(); }
  void SetOwnerDraw(bool value) { bar_.SetOwnerDraw(value); }
  bool SecondaryButtons() const { return bar_.SecondaryButtons(); }
  void SetSecondaryButtons(bool value) { bar_.SetSecondaryButtons(value); }
  TKxSecButtonsKind SecondBtnKind() const { return bar_.SecondBtnKind(); }
  void SetSecondBtnKind(TKxSecButtonsKind value) { bar_.SetSecondBtnKind(value); }
  bool ShowLeftArrows() const { return bar_.ShowLeftArrows(); }
  void SetShowLeftArrows(bool value) { bar_.SetShowLeftArrows(value); }
  bool ShowRightArrows() const { return bar_.ShowRightArrows(); }
  void SetShowRightArrows(bool value) { bar_.SetShowRightArrows(value); }
  bool ShowTrackHint() const { return bar_.ShowTrackHint; }
  void SetShowTrackHint(bool value) { bar_.ShowTrackHint = value; }
  TKxScrollThumbMode ThumbMode() const { return bar_.ThumbMode(); }
  void SetThumbMode(TKxScrollThumbMode value) { bar_.SetThumbMode(value); }
  int ThumbSize() const { return bar_.EffectiveThumbSize(); }
  void SetThumbSize(int value) { bar_.SetThumbSize(value); }
  int Width() const { return bar_.Thickness(); }
  void SetWidth(int value);
  int ButtonSize() const { return bar_.EffectiveButtonSize(); }
  void SetButtonSize(int value) { bar_.SetButtonSize(value); }
  bool UseSystemMetrics() const { return bar_.UseSystemMetrics(); }
  void SetUseSystemMetrics(bool value);
  TColor ArrowColor() const { return bar_.ArrowColor(); }
  void SetArrowColor(TColor value) { bar_.SetArrowColor(value); }
  TColor ArrowHotTrackColor() const { return bar_.ArrowHotTrackColor(); }
  void SetArrowHotTrackColor(TColor value) { bar_.SetArrowHotTrackColor(value); }
  bool DrawFrames() const { return bar_.DrawFrames(); }
  void SetDrawFrames(bool value) { bar_.SetDrawFrames(value); }
  bool DrawArrowFrames() const { return bar_.DrawArrowFrames(); }
  void SetDrawArrowFrames(bool value) { bar_.SetDrawArrowFrames(value); }
  bool DrawBars() const { return bar_.DrawBars(); }
  void SetDrawBars(bool value) { bar_.SetDrawBars(value); }
  unsigned BarOffset() const { return bar_.BarOffset(); }
  void SetBarOffset(unsigned value) { bar_.SetBarOffset(value); }
  TColor BarColor() const { return bar_.BarColor(); }
  void SetBarColor(TColor value) { bar_.SetBarColor(value); }
  bool ThinFrames() const { return bar_.ThinFrames(); }
  void SetThinFrames(bool value) { bar_.SetThinFrames(value); }
  TColor HintColor() const { return bar_.HintColor; }
  void SetHintColor(TColor value) { bar_.HintColor = value; }
  TColor HintTextColor() const { return bar_.HintTextColor; }
  void SetHintTextColor(TColor value) { bar_.HintTextColor = value; }
  bool SystemBkColor() const { return bar_.SystemBkColor(); }
  void SetSystemBkColor(bool value) { bar_.SetSystemBkColor(value); }
  TKxImageForm* ImageForm() const { return bar_.ImageForm(); }
  void SetImageForm(TKxImageForm* form) { bar_.SetImageForm(form); }
  bool UseXPThemes() const { return bar_.UseXPThemes(); }
  void SetUseXPThemes(bool value) { bar_.SetUseXPThemes(value); }

  // Fired after UseSystemMetrics or Width is set.
  TNotifyEvent OnChange;

 private:
  void Changed();

  TCustomKxScrollBar& bar_;
};
