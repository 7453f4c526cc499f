#pragma once
// The control set's push button: a windowless face with a caption and an
// optional glyph, an optional drop-down arrow part that opens a pull-down
// menu, switch and group behaviour, several frame looks, face pictures,
// text effects and sounds. Every dialog of the game closes through one: a
// click hands the button's modal result to its form before anything else.
#include <cstdint>
#include <string>

#include "platform/components/graphic_control.h"
#include "platform/controls/popup_menu.h"
#include "platform/forms/form.h"
#include "platform/graphics/bitmap.h"
#include "widgets/button_glyph.h"
#include "widgets/image_form.h"

class TKxSoundMap;

enum TPopupPlace : std::uint8_t { ppDown, ppRight, ppTop };

// Which part of the button a press began on.
constexpr std::uint8_t kPressedFace = 0;
constexpr std::uint8_t kPressedArrow = 4;

// The notice a group button sends its siblings when it goes down: WParam is
// the group index, LParam the button.
uint32_t ButtonPressedMessage();
// Posted by a button to itself when its pull-down menu has closed, so that
// its face resets after the menu's own loop has returned.
uint32_t CancelMenuMessage();

class TCustomKxGraphicButton : public TGraphicControl {
 public:
  explicit TCustomKxGraphicButton(TComponent* owner);
  ~TCustomKxGraphicButton() override;

  // A different text replaces the caption and repaints; the same text does
  // nothing. A caption with CR LF pairs is drawn on several lines.
  void SetCaption(const std::string& caption);
  const std::string& Caption() const { return TGraphicControl::Caption(); }

  // The button's click: the form gets the modal result first, then the
  // arrow-click or click handler runs, then the pull-down menu opens.
  void Click() override { Click(false); }
  void Click(bool arrow_part);

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }

  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool allow);
  bool IsSwitch() const { return is_switch_; }
  void SetIsSwitch(bool is_switch) { is_switch_ = is_switch; }

  bool Flat() const { return flat_; }
  virtual void SetFlat(bool flat);
  bool OldStyled() const { return old_styled_; }
  void SetOldStyled(bool old_styled);
  bool ThinFrame() const { return thin_frame_; }
  void SetThinFrame(bool thin_frame);
  bool ShowBorder() const { return show_border_; }
  void SetShowBorder(bool show) { Store(show_border_, show); }
  bool SoftFlat() const { return soft_flat_; }
  void SetSoftFlat(bool soft_flat) { Store(soft_flat_, soft_flat); }
  TColor SoftFlatInactiveColor() const { return soft_flat_inactive_; }
  void SetSoftFlatInactiveColor(TColor color) {
    StoreColour(soft_flat_inactive_, color, soft_flat_);
  }
  TColor SoftFlatActiveColor() const { return soft_flat_active_; }
  void SetSoftFlatActiveColor(TColor color) { StoreColour(soft_flat_active_, color, soft_flat_); }
  TColor SoftFlatDownColor() const { return soft_flat_down_; }
  void SetSoftFlatDownColor(TColor color) { StoreColour(soft_flat_down_, color, soft_flat_); }

  bool ShadowsUseCustom() const { return shadows_use_custom_; }
  void SetShadowsUseCustom(bool custom) { Store(shadows_use_custom_, custom); }
  TColor ShadowBtnHighlight() const { return shadow_highlight_; }
  void SetShadowBtnHighlight(TColor c) { StoreColour(shadow_highlight_, c, shadows_use_custom_); }
  TColor ShadowBtnShadow() const { return shadow_shadow_; }
  void SetShadowBtnShadow(TColor c) { StoreColour(shadow_shadow_, c, shadows_use_custom_); }
  TColor ShadowBtnDkShadow() const { return shadow_dk_shadow_; }
  void SetShadowBtnDkShadow(TColor c) { StoreColour(shadow_dk_shadow_, c, shadows_use_custom_); }
  bool ShadowFollowsColor() const { return shadow_follows_color_; }
  void SetShadowFollowsColor(bool follows) { Store(shadow_follows_color_, follows); }

  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);
  TKxTextDrawType TextDrawType() const { return text_draw_type_; }
  void SetTextDrawType(TKxTextDrawType type) { Store(text_draw_type_, type); }

  const TBitmap& Background() const { return background_; }
  void SetBackground(const TBitmap& picture) { background_.Assign(picture); }
  const TBitmap& DownBackground() const { return down_background_; }
  void SetDownBackground(const TBitmap& picture) { down_background_.Assign(picture); }
  bool BackgroundDrawBorder() const { return background_draw_border_; }
  void SetBackgroundDrawBorder(bool draw);

  const TBitmap& Glyph() const { return glyph_.Glyph(); }
  void SetGlyph(const TBitmap& glyph);
  int NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(int count);
  const TBitmap& Icon() const { return glyph_.Icon(); }
  void SetIcon(const TBitmap& icon) { glyph_.SetIcon(icon); }
  bool UseIcon() const { return glyph_.UseIcon(); }
  void SetUseIcon(bool use);

  // Glyphs from image lists: the normal list, and the ones shown while the
  // pointer is over the button, while it is pressed and while disabled.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  TImageList* HotImages() const { return hot_images_; }
  void SetHotImages(TImageList* images) { SwitchList(hot_images_, images, hot_link_); }
  TImageList* DownImages() const { return down_images_; }
  void SetDownImages(TImageList* images) { SwitchList(down_images_, images, down_link_); }
  TImageList* DisabledImages() const { return disabled_images_; }
  void SetDisabledImages(TImageList* images) {
    SwitchList(disabled_images_, images, disabled_link_);
  }
  int ImageIndex() const { return glyph_.ImageIndex(); }
  void SetImageIndex(int index);
  bool UseImageList() const { return use_image_list_; }
  void SetUseImageList(bool use);

  bool ShowGlyph() const { return show_glyph_; }
  void SetShowGlyph(bool show) { Store(show_glyph_, show); }
  bool ShowText() const { return show_text_; }
  void SetShowText(bool show) { Store(show_text_, show); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout) { Store(layout_, layout); }
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing) { Store(spacing_, spacing); }
  bool AdjustSpaceForGlyph() const { return adjust_space_for_glyph_; }
  void SetAdjustSpaceForGlyph(bool adjust) { Store(adjust_space_for_glyph_, adjust); }

  bool UseArrow() const { return use_arrow_; }
  virtual void SetUseArrow(bool use_arrow);
  TPopupMenu* PullDownMenu() const { return pull_down_menu_; }
  void SetPullDownMenu(TPopupMenu* menu);
  TPopupPlace PopupPlace() const { return popup_place_; }
  void SetPopupPlace(TPopupPlace place) { popup_place_ = place; }
  bool DisableAutoPopup() const { return disable_auto_popup_; }
  void SetDisableAutoPopup(bool disable) { disable_auto_popup_ = disable; }
  TNotifyEvent OnArrowClick;

  TKxImageForm* ImageForm() const { return image_form_; }
  void SetImageForm(TKxImageForm* image_form);

  TKxSoundMap* SoundMap() const { return sound_map_; }
  void SetSoundMap(TKxSoundMap* sound_map);
  std::string DownSound, UpSound, ClickSound, ArrowClickSound;

  bool UseXPThemes() const { return use_xp_themes_; }
  void SetUseXPThemes(bool use);

  // The face state and pointer tracking, for the form and for tests.
  TKxButtonState State() const { return state_; }
  bool MouseInControl() const { return mouse_in_control_; }
  bool MouseInArrow() const { return mouse_in_arrow_; }
  bool MultiLine() const { return multi_line_; }

  virtual bool GetChecked() const { return down_; }
  virtual void SetChecked(bool checked) { SetDown(checked); }
  virtual int GetThemePartID() const { return 1; }
  virtual int GetThemeStateID() const;
  virtual std::wstring GetThemedClassName() const { return L"BUTTON"; }
  virtual int GetArrowThemePartID() const { return 1; }
  virtual int GetArrowThemeStateID() const;
  virtual std::wstring GetArrowThemedClassName() const { return L"COMBOBOX"; }
  virtual int GetArrowWidth();

  void SetParent(TWinControl* parent) override;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void DrawThemedBackground(TCanvas& canvas);

 private:
  template <class T>
  void Store(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  void StoreColour(TColor& field, TColor value, bool shown) {
    if (field == value) return;
    field = value;
    if (shown) Invalidate();
  }

  void SwitchList(TImageList*& stored, TImageList* images, TChangeLink& link);
  void ImagesChanged(const TImageList* changed);
  bool ShowsImageLists() const { return use_image_list_ && images_; }
  bool ThemeApplies() const;
  void OpenThemes();
  void CloseThemes();
  void PlaySound(const std::string& event);
  bool IsInside(int x, int y) const;
  bool InArrowZone(int x);
  // A press here goes to the arrow rather than the face.
  bool PressesArrow(int x) const;
  bool Pressed() const;
  void AnnounceGroup();
  void ButtonPressed(int group_index, TCustomKxGraphicButton* sender);
  void UpdateTracking();
  void MouseEnter();
  void MouseLeave();
  void EnabledChanged();
  bool ShowsDisabled() const;
  void SetState(TKxButtonState state);
  void FollowEnabled();
  void ColorChanged();
  void CancelMenu();
  void DropDownMenu();
  bool TakesEscape(TShiftState shift) const;
  bool Usable() const;

  void PaintThemedFace(TCanvas& canvas, int arrow);
  TRect PaintFrame(TCanvas& canvas, int arrow, bool pressed);
  void PaintContent(TCanvas& canvas, TRect r, int arrow, bool pressed);
  void PaintBackground(TBitmap& face, bool pressed);
  void PaintFaceFrame(TCanvas& canvas, TRect rect, bool deep, bool down, TColor face_color);
  void PaintArrowPart(TCanvas& canvas, const TRect& arrow, TColor face_color);
  bool FrameShown() const;
  TColor SoftFlatColour(bool held) const;
  bool Hot() const { return mouse_in_control_ || mouse_in_arrow_; }
  TPoint ContentOffset(bool pressed) const;

  TModalResult modal_result_ = mrNone;
  bool cancel_ = false;
  bool down_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  bool is_switch_ = false;
  bool flat_ = false;
  bool old_styled_ = false;
  bool thin_frame_ = false;
  bool show_border_ = true;
  bool soft_flat_ = false;
  TColor soft_flat_inactive_ = 0;
  TColor soft_flat_active_ = 0;
  TColor soft_flat_down_ = 0;
  bool shadows_use_custom_ = false;
  TColor shadow_highlight_ = RGB(245, 247, 247);
  TColor shadow_shadow_ = RGB(96, 122, 118);
  TColor shadow_dk_shadow_ = RGB(72, 92, 89);
  bool shadow_follows_color_ = true;
  bool transparent_ = false;
  TKxTextDrawType text_draw_type_ = tdtNormal;
  TBitmap background_;
  TBitmap down_background_;
  bool background_draw_border_ = false;
  TKxButtonGlyph glyph_;
  TImageList* images_ = nullptr;
  TImageList* hot_images_ = nullptr;
  TImageList* down_images_ = nullptr;
  TImageList* disabled_images_ = nullptr;
  TChangeLink images_link_;
  TChangeLink hot_link_;
  TChangeLink down_link_;
  TChangeLink disabled_link_;
  bool use_image_list_ = false;
  bool show_glyph_ = true;
  bool show_text_ = true;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool adjust_space_for_glyph_ = true;
  bool use_arrow_ = false;
  TPopupMenu* pull_down_menu_ = nullptr;
  TPopupPlace popup_place_ = ppDown;
  bool disable_auto_popup_ = false;
  TKxImageForm* image_form_ = nullptr;
  TImgFormChangeLink image_form_link_;
  TKxSoundMap* sound_map_ = nullptr;
  bool use_xp_themes_ = false;
  HTHEME button_theme_ = 0;
  HTHEME arrow_theme_ = 0;

  TKxButtonState state_ = bsUp;
  bool mouse_in_control_ = false;
  bool mouse_in_arrow_ = false;
  bool dragging_ = false;
  std::uint8_t pressed_part_ = kPressedFace;
  bool menu_dropped_ = false;
  bool menu_closed_on_arrow_ = false;
  bool multi_line_ = false;
};

// The button as forms place it.
class TKxGraphicButton : public TCustomKxGraphicButton {
 public:
  explicit TKxGraphicButton(TComponent* owner) : TCustomKxGraphicButton(owner) {}
};
