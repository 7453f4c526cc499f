#pragma once
// A group frame with its caption set into the top edge. The frame runs on
// any of its four sides, etched, plain, flat in one colour or themed; the
// caption is text or HTML, on an optional band of colour; an optional check
// box in front of the caption switches the group's contents on and off. The
// game's radio groups are silver group boxes with an etched frame.
#include <memory>
#include <string>

#include "platform/controls/image_list.h"
#include "widgets/check_item.h"
#include "widgets/panel.h"

class TCustomKxGroupBox : public TCustomKxPanel {
 public:
  explicit TCustomKxGroupBox(TComponent* owner);
  ~TCustomKxGroupBox() override;

  bool IsHTML() const { return html_ != nullptr; }
  virtual void SetIsHTML(bool is_html);
  TKxHTMLRender* HTMLRender() const { return html_.get(); }
  TKxBorderSides BorderSides() const { return border_sides_; }
  void SetBorderSides(TKxBorderSides sides);
  const TKxSoundName& CheckSound() const { return check_sound_; }
  virtual void SetCheckSound(const TKxSoundName& name);
  TBitmap& Glyph() { return glyph_; }
  virtual void SetGlyph(const TBitmap& glyph);
  TImageList* Images() const { return images_; }
  virtual void SetImages(TImageList* images);
  TKxSoundMap* SoundMap() const { return sound_map_; }
  virtual void SetSoundMap(TKxSoundMap* sound_map);
  bool UseCustomGlyphs() const { return use_custom_glyphs_; }
  virtual void SetUseCustomGlyphs(bool use);
  bool UseImageList() const { return use_image_list_; }
  virtual void SetUseImageList(bool use);
  bool ShowCheckBox() const { return show_check_box_; }
  void SetShowCheckBox(bool show);
  bool CheckBoxChecked() const { return check_box_checked_; }
  virtual void SetCheckBoxChecked(bool checked);
  bool ShowFocus() const { return show_focus_; }
  void SetShowFocus(bool show);
  TColor CaptionColor() const { return caption_color_; }
  void SetCaptionColor(TColor color);
  bool Flat() const { return flat_; }
  virtual void SetFlat(bool flat);
  bool FlatAlways() const { return flat_always_; }
  void SetFlatAlways(bool flat_always) { flat_always_ = flat_always; }
  bool SoftFlat() const { return soft_flat_; }
  void SetSoftFlat(bool soft_flat);
  TColor SoftFlatInactiveColor() const { return soft_flat_inactive_; }
  virtual void SetSoftFlatInactiveColor(TColor color);
  TColor SoftFlatActiveColor() const { return soft_flat_active_; }
  virtual void SetSoftFlatActiveColor(TColor color);
  TColor SoftFlatDownColor() const { return soft_flat_down_; }
  virtual void SetSoftFlatDownColor(TColor color);
  // The etched (3-D) look of the classic frame; a plain line without it.
  bool Ctl3D() const { return ctl3d_; }
  void SetCtl3D(bool ctl3d);

  // The caption band's height: the caption text, or the check box if that is
  // taller, so never below the height of a check mark.
  int CaptionHeight() const;
  // Where the caption check box stands, measured from the caption's font and
  // the mark's size as they are now; empty without one.
  TRect CheckBoxRect() const;
  bool CheckBoxHot() const { return check_box_hot_; }

  void AdjustClientRect(TRect& rect) const override;

 protected:
  // Whether a radio item of the group may change; every change is allowed.
  virtual bool CanChange() { return true; }
  virtual void GlyphChanged();
  virtual void DrawGlyph(TCanvas& canvas, const TRect& dest, const TRect& source);
  // Keeps the flag without repainting, for a descendant that repaints
  // something else.
  void StoreFlat(bool flat) { flat_ = flat; }
  // True while the group is built from its design (between BeginLoad and
  // EndLoad).
  bool Reading() const { return Loading(); }

  void Notification(TComponent* component, TOperation operation) override;
  std::wstring GetThemedClassName() const override { return L"BUTTON"; }
  void Paint() override;
  void EraseBackground(TCanvas& canvas) override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int& key, TShiftState shift) override;

 private:
  int CaptionTextHeight() const;
  TSize StandardCheckBoxSize() const;
  TSize CheckBoxSize() const;
  TRect CheckBoxPlace(int text_height) const;
  TRect CaptionPlace(TCanvas& canvas, const TRect& check_box);
  void ToggleCheckBox();
  bool ButtonDownOverCheckBox() const { return ButtonDown() && check_box_hot_; }
  void PaintCheckBox(TCanvas& canvas, const TRect& rect);
  void PaintCaptionText(TCanvas& canvas, const TRect& rect);
  void PaintFrame(TCanvas& canvas, TRect frame);
  template <class T>
  void SetAndRepaint(T& stored, T value, bool repaint);

  std::unique_ptr<TKxHTMLRender> html_;
  TKxBorderSides border_sides_ = kKxAllSides;
  TKxSoundName check_sound_;
  TBitmap glyph_;
  TImageList* images_ = nullptr;
  TKxSoundMap* sound_map_ = nullptr;
  bool use_custom_glyphs_ = false;
  bool use_image_list_ = false;
  TChangeLink image_list_link_;
  bool show_check_box_ = false;
  bool check_box_checked_ = true;
  bool show_focus_ = false;
  TColor caption_color_ = clNone;
  bool check_box_hot_ = false;
  bool flat_ = false;
  bool flat_always_ = false;
  bool soft_flat_ = false;
  TColor soft_flat_inactive_ = 0;
  TColor soft_flat_active_ = 0;
  TColor soft_flat_down_ = 0;
  bool ctl3d_ = true;
  mutable TBitmap measure_bitmap_;  // measuring only
};

class TKxGroupBox : public TCustomKxGroupBox {
 public:
  explicit TKxGroupBox(TComponent* owner) : TCustomKxGroupBox(owner) {}
};
