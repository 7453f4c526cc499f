#pragma once
// The control set's owner-drawn check items: a mark (the square check box or
// the round radio mark, drawn classically, through the theme, from a strip
// of six glyph cells or from an image list) beside a caption (plain text
// with an effect, or HTML). Each item tracks the mouse itself, so that its
// flat look can light up under the pointer.
//
// A radio item is checked by a click (a release inside it, the space key,
// its accelerator) or by code, never by receiving the focus alone: what the
// player sees checked is always what the dialog's handlers recorded.
#include <memory>
#include <string>

#include "platform/controls/caption_text.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/bitmap.h"
#include "widgets/button_base.h"
#include "widgets/html_renderer.h"
#include "widgets/image_form.h"
#include "widgets/sound_map.h"

// A sound event name of the sound map: at most 255 characters.
using TKxSoundName = std::string;
constexpr std::size_t kKxSoundNameLength = 255;

// Theme parts of the button class.
constexpr int BP_RADIOBUTTON = 2;
constexpr int BP_CHECKBOX = 3;
constexpr int BP_GROUPBOX = 4;

enum TCheckBoxState { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };

class TKxCheckItem : public TKxButtonControl {
 public:
  explicit TKxCheckItem(TComponent* owner);
  ~TKxCheckItem() override;

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool FlatAlways() const { return flat_always_; }
  void SetFlatAlways(bool flat_always);
  TKxSoundMap* SoundMap() const { return sound_map_; }
  void SetSoundMap(TKxSoundMap* sound_map);
  const TKxSoundName& CheckSound() const { return check_sound_; }
  void SetCheckSound(const TKxSoundName& name) {
    check_sound_ = name.substr(0, kKxSoundNameLength);
  }
  bool UseCustomGlyphs() const { return use_custom_glyphs_; }
  void SetUseCustomGlyphs(bool use);
  TBitmap& Glyph() { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  // taRightJustify puts the mark left of the caption, taLeftJustify right of it.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TKxImageForm* ImageForm() const { return image_form_; }
  void SetImageForm(TKxImageForm* image_form);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  bool IsHTML() const { return html_ != nullptr; }
  void SetIsHTML(bool is_html);
  TKxHTMLRender* HTMLRender() const { return html_.get(); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool UseImageList() const { return use_image_list_; }
  void SetUseImageList(bool use);
  bool HandleDialogKeys() const { return handle_dialog_keys_; }
  void SetHandleDialogKeys(bool handle) { handle_dialog_keys_ = handle; }
  using TKxButtonControl::SetChecked;
  using TKxButtonControl::SetTransparent;

  bool MouseInControl() const { return mouse_in_; }
  bool Pressed() const { return pressed_; }

  // The height the item needs for its mark and caption.
  virtual int MeasureCaption(bool multiline);
  // Fits the item to its mark and caption.
  void AdjustSize();

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  virtual void GlyphChanged();
  // Paints the flat form of the mark into `rect`.
  virtual void DrawMark(TCanvas& canvas, const TRect& rect) = 0;
  virtual void DrawGlyph(TCanvas& canvas, const TRect& dest, const TRect& source);

  // What kind of item this is, for the shared drawing.
  virtual bool IsCheckBox() const { return false; }
  virtual bool IsRadioButton() const { return false; }
  virtual bool IsGrayed() const { return false; }
  // The item's reaction to the space key, after OnKeyDown.
  virtual void SpacePressed() { Click(); }

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void CreateWnd() override;
  void Paint() override;
  void EraseBackground(TCanvas& /*canvas*/) override {}
  void WndProc(TMessage& message) override;
  void KeyDown(int& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual void DoEnter();
  virtual void DoExit();

  void PlayCheckSound();
  // The frame colour of the SoftFlat look in the item's present state.
  TColor SoftFlatFrameColor() const;
  // The inside of the flat mark: the window colour while usable and not
  // pressed, the face colour otherwise.
  TColor MarkInsideColor() const;

 private:
  TSize MarkSize();
  TSize StandardMarkSize();
  TSize MeasureText(TCanvas& canvas, bool single_line);
  int ItemHeight(TSize mark, TSize text) const;
  bool HasLineBreak() const;
  bool MarkOnLeft() const { return alignment_ != TAlignment::taLeftJustify; }
  TRect MarkRect(TSize mark, bool themed);
  TRect CaptionRect(TCanvas& canvas, TSize mark, TSize& text);
  int ThemePart() const;
  int ThemeState() const;
  void PaintBackground(TCanvas& canvas);
  void PaintThemedMark(TCanvas& canvas, TSize mark);
  void PaintClassicMark(TCanvas& canvas, TSize mark);
  void PaintCaption(TCanvas& canvas, const TRect& rect);
  void PaintFocusRect(TCanvas& canvas, TRect rect, TSize text);
  bool LookFollowsMouse() const;
  void RestoreCapture();

  bool flat_ = false;
  TKxSoundMap* sound_map_ = nullptr;
  TKxSoundName check_sound_;
  bool use_custom_glyphs_ = false;
  TBitmap glyph_;
  TAlignment alignment_ = TAlignment::taRightJustify;
  bool mouse_in_ = false;
  bool pressed_ = false;
  TControl* saved_capture_ = nullptr;
  TChangeLink image_list_link_;
  TKxImageForm* image_form_ = nullptr;
  TImgFormChangeLink image_form_link_;
  bool auto_size_ = true;
  std::unique_ptr<TKxHTMLRender> html_;
  TImageList* images_ = nullptr;
  bool use_image_list_ = false;
  bool flat_always_ = false;
  bool handle_dialog_keys_ = false;
  TBitmap measure_bitmap_;
};

class TKxCheckBox : public TKxCheckItem {
 public:
  explicit TKxCheckBox(TComponent* owner) : TKxCheckItem(owner) {}

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState state);
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool allow);

  bool GetChecked() const override { return state_ == cbChecked; }
  void SetChecked(bool checked) override { SetState(checked ? cbChecked : cbUnchecked); }
  virtual void Toggle();
  void Click() override;

 protected:
  void DrawMark(TCanvas& canvas, const TRect& rect) override;
  bool IsCheckBox() const override { return true; }
  bool IsGrayed() const override { return state_ == cbGrayed; }
  void SpacePressed() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allow_grayed_ = false;
};

class TKxRadioButton : public TKxCheckItem {
 public:
  explicit TKxRadioButton(TComponent* owner) : TKxCheckItem(owner) {}

  bool GetChecked() const override { return checked_; }
  // Checking unchecks every other radio item of the same parent; setting it
  // from code never raises OnClick.
  void SetChecked(bool checked) override;
  void Click() override;

 protected:
  void DrawMark(TCanvas& canvas, const TRect& rect) override;
  bool IsRadioButton() const override { return true; }

 private:
  bool checked_ = false;
};
