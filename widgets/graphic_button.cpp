#include "widgets/graphic_button.h"

#include <exception>

#include "platform/components/posted_messages.h"
#include "platform/components/win_control.h"
#include "platform/controls/parent_form.h"
#include "platform/forms/application.h"
#include "platform/graphics/system_colours.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"
#include "platform/input/mouse.h"
#include "widgets/draw_utils.h"
#include "widgets/image_form_link.h"
#include "widgets/sound_map.h"
#include "widgets/tools.h"

namespace {

constexpr int kClassicArrowWidth = 13;
// The part of the right edge where a press opens the menu: the arrow's
// drawing plus the frame that a button that is not flat has around it.
constexpr int kArrowPressWidth = 11;
constexpr int kArrowFrameWidth = 4;
constexpr int kMaxLightness = 239;

// A colour of the same hue and saturation with another lightness.
TColor WithLightness(TColor hls, int lightness) {
  const int clamped = lightness < kMaxLightness ? lightness : kMaxLightness;
  return HLSToRGB(PackHLS(GetRValue(hls), clamped, GetBValue(hls)));
}

}  // namespace

uint32_t ButtonPressedMessage() {
  static const uint32_t message = RegisterWindowMessage("Kx - Graphic button pressed");
  return message;
}

uint32_t CancelMenuMessage() {
  static const uint32_t message = RegisterWindowMessage("Kx - Cancel pulldown menu");
  return message;
}

TCustomKxGraphicButton::TCustomKxGraphicButton(TComponent* owner) : TGraphicControl(owner) {
  // The button decides for itself which release is a click.
  control_style_ = csCaptureMouse | csSetCaption | csOpaque | csDoubleClicks;
  SetBounds(0, 0, 75, 25);
  SetColor(clBtnFace);
  SetParentFont(true);
  Font().SetColor(clBtnText);
  glyph_.OnChange = [this] {
    if (!Loading() && !glyph_.UseIcon() && !use_image_list_) Invalidate();
  };
  images_link_.OnChange = [this] { ImagesChanged(images_); };
  hot_link_.OnChange = [this] { ImagesChanged(hot_images_); };
  down_link_.OnChange = [this] { ImagesChanged(down_images_); };
  disabled_link_.OnChange = [this] { ImagesChanged(disabled_images_); };
  // A new face picture repaints only while no image list gives the glyph.
  background_.OnChange = [this] {
    if (!use_image_list_) Invalidate();
  };
  down_background_.OnChange = [this] {
    if (!use_image_list_ && Pressed()) Invalidate();
  };
  image_form_link_.OnChange = [this](TComponent*) { Invalidate(); };
  SetUseXPThemes(true);
}

TCustomKxGraphicButton::~TCustomKxGraphicButton() {
  use_arrow_ = false;
  SetImageForm(nullptr);
  background_.OnChange = nullptr;
  down_background_.OnChange = nullptr;
  glyph_.OnChange = nullptr;
  SetUseXPThemes(false);
}

void TCustomKxGraphicButton::SetCaption(const std::string& caption) {
  if (caption == Caption()) return;
  SetText(caption);
}

void TCustomKxGraphicButton::PlaySound(const std::string& event) {
  if (sound_map_) sound_map_->Play(event);
}

// The form learns the result first, so that a click handler already sees
// it and may still take it back.
void TCustomKxGraphicButton::Click(bool arrow_part) {
  if (TForm* form = GetParentForm(this)) form->SetModalResult(modal_result_);
  if (arrow_part) {
    PlaySound(ArrowClickSound);
    if (OnArrowClick) OnArrowClick(this);
  } else {
    PlaySound(ClickSound);
    TGraphicControl::Click();
    Invalidate();
  }
  if (pull_down_menu_ && !disable_auto_popup_ && (arrow_part || !use_arrow_)) DropDownMenu();
}

void TCustomKxGraphicButton::DropDownMenu() {
  pull_down_menu_->PopupComponent = this;
  const TPoint corner = ClientToScreen({0, 0});
  TPoint at;
  switch (popup_place_) {
    case ppDown:
      at = {corner.X - 1, corner.Y + Height()};
      break;
    case ppRight:
      at = {corner.X + Width(), corner.Y - 1};
      break;
    case ppTop:
      at = {corner.X - 1,
            corner.Y - GetSystemMetrics(SM_CYMENU) * pull_down_menu_->Items().Count()};
      break;
  }
  at = {Max(at.X, 0), Max(at.Y, 0)};
  menu_dropped_ = true;
  pull_down_menu_->Popup(at.X, at.Y);
  // The menu has closed: the face resets once the menu's loop is over, and
  // a press that closed it on the arrow must not open it again.
  dragging_ = true;
  PostMessage(this, CancelMenuMessage());
  if (InArrowZone(ScreenToClient(CursorPos()).X)) menu_closed_on_arrow_ = true;
}

void TCustomKxGraphicButton::CancelMenu() {
  menu_dropped_ = false;
  dragging_ = false;
  SetState(bsUp);
  mouse_in_control_ = false;
  mouse_in_arrow_ = false;
  Invalidate();
}

bool TCustomKxGraphicButton::Usable() const {
  if (!Showing()) return false;
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Enabled()) return false;
  }
  return true;
}

bool TCustomKxGraphicButton::TakesEscape(TShiftState shift) const {
  return cancel_ && NoShiftKeys(shift) && Usable();
}

void TCustomKxGraphicButton::WndProc(TMessage& message) {
  try {
    if (message.Msg == CancelMenuMessage()) {
      CancelMenu();
      return;
    }
    if (message.Msg == ButtonPressedMessage()) {
      ButtonPressed(static_cast<int>(message.WParam),
                    reinterpret_cast<TCustomKxGraphicButton*>(message.LParam));
      return;
    }
    switch (message.Msg) {
      case CM_DIALOGKEY:
        if (message.WParam == VK_ESCAPE && TakesEscape(static_cast<TShiftState>(message.LParam))) {
          Click(false);
          message.Result = 1;
        }
        return;
      case CM_DIALOGCHAR:
        if (Usable() && IsAccel(static_cast<char>(message.WParam), Caption())) {
          Click(false);
          message.Result = 1;
        }
        return;
      case CM_ENABLEDCHANGED:
        TGraphicControl::WndProc(message);
        EnabledChanged();
        return;
      case CM_PARENTENABLEDCHANGED:
        FollowEnabled();
        Invalidate();
        return;
      case CM_MOUSEENTER:
        TGraphicControl::WndProc(message);
        MouseEnter();
        return;
      case CM_MOUSELEAVE:
        TGraphicControl::WndProc(message);
        MouseLeave();
        return;
      case CM_COLORCHANGED:
        TGraphicControl::WndProc(message);
        ColorChanged();
        return;
      case WM_THEMECHANGED:
        if (ThemesAvailable && use_xp_themes_) {
          CloseThemes();
          OpenThemes();
        }
        message.Result = 1;
        Invalidate();
        return;
      case CM_TEXTCHANGED:
        multi_line_ = Caption().find("\r\n") != std::string::npos;
        break;
      default:
        break;
    }
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED ||
        message.Msg == KM_REPAINTCHILDREN) {
      Invalidate();
    }
  } catch (...) {
    Application.HandleException(std::current_exception());
  }
}

bool TCustomKxGraphicButton::ThemeApplies() const {
  return use_xp_themes_ && button_theme_ != 0 && arrow_theme_ != 0;
}

void TCustomKxGraphicButton::SetUseXPThemes(bool use) {
  if (use == use_xp_themes_) return;
  use_xp_themes_ = use;
  if (use) {
    OpenThemes();
  } else {
    CloseThemes();
  }
  Invalidate();
}

int TCustomKxGraphicButton::GetThemeStateID() const {
  if (!Enabled()) return 4;
  if (Pressed()) return 3;
  if (Hot()) return 2;
  return 1;
}

int TCustomKxGraphicButton::GetArrowThemeStateID() const {
  if (!Enabled()) return 4;
  if (state_ == bsExclusive || state_ == bsArrowDown) return 3;
  if (Hot()) return 2;
  return 1;
}

// ---- Pressing, moving and releasing ----

// A release on the bottom edge still counts as inside; one on the right
// edge does not.
bool TCustomKxGraphicButton::IsInside(int x, int y) const {
  return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

bool TCustomKxGraphicButton::InArrowZone(int x) {
  return x >= ClientWidth() - GetArrowWidth() && x <= ClientWidth();
}

bool TCustomKxGraphicButton::PressesArrow(int x) const {
  const int zone = kArrowPressWidth + (flat_ ? 0 : kArrowFrameWidth);
  return use_arrow_ && Width() - zone <= x && x <= Width();
}

bool TCustomKxGraphicButton::Pressed() const {
  return (down_ && is_switch_) || state_ == bsDown || state_ == bsExclusive;
}

void TCustomKxGraphicButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  pressed_part_ = kPressedFace;
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) {
    menu_closed_on_arrow_ = false;
    return;
  }
  if (!Enabled()) return;
  const bool on_arrow = PressesArrow(x);
  if (!down_ && !on_arrow) {
    SetState(bsDown);
    PlaySound(DownSound);
    Invalidate();
    dragging_ = true;
    mouse_in_control_ = true;
  } else if (on_arrow) {
    PlaySound(DownSound);
    if (menu_closed_on_arrow_) {
      menu_closed_on_arrow_ = false;
      return;
    }
    SetState(bsArrowDown);
    Invalidate();
    pressed_part_ = kPressedArrow;
    Click(true);
    if (!menu_dropped_) dragging_ = true;
  } else {
    dragging_ = true;
    mouse_in_control_ = true;
  }
}

void TCustomKxGraphicButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (dragging_) {
    TKxButtonState next = down_ ? bsExclusive : bsUp;
    if (IsInside(x, y)) {
      if (!down_) next = use_arrow_ && InArrowZone(x) ? bsArrowDown : bsDown;
    } else if (use_arrow_) {
      mouse_in_arrow_ = false;
      Invalidate();
    }
    if (next == state_) return;
    SetState(next);
    if (next == bsDown) PlaySound(DownSound);
    if (next == bsUp) PlaySound(UpSound);
    UpdateTracking();
    Invalidate();
    return;
  }
  if (!use_arrow_) return;
  const bool was_in_control = mouse_in_control_;
  mouse_in_arrow_ = ClientWidth() - GetArrowWidth() < x;
  mouse_in_control_ = !mouse_in_arrow_;
  if (mouse_in_control_ != was_in_control) Invalidate();
}

void TCustomKxGraphicButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!dragging_ || button != TMouseButton::mbLeft) return;
  dragging_ = false;
  bool do_click = IsInside(x, y);
  const bool in_arrow = PressesArrow(x);
  if (group_index_ == 0) {
    if (is_switch_ && !in_arrow) {
      if (pressed_part_ == kPressedArrow) {
        SetState(bsUp);
        PlaySound(UpSound);
      } else {
        down_ = !down_;
        SetState(down_ ? bsDown : bsUp);
        PlaySound(down_ ? DownSound : UpSound);
      }
    } else if (in_arrow && menu_dropped_) {
      do_click = false;
    } else {
      SetState(bsUp);
      PlaySound(UpSound);
    }
    mouse_in_control_ = ClientRect().Contains({x, y});
    if (!mouse_in_control_) MouseLeave();
    if (state_ != bsDown && state_ != bsExclusive && state_ != bsArrowDown) Invalidate();
  } else if (do_click) {
    SetDown(!down_);
    if (down_) Invalidate();
  } else {
    if (down_) SetState(bsExclusive);
    Invalidate();
  }
  if (do_click) Click(in_arrow);
}

// A flat button asks which control is under the pointer and sends itself
// the matching notice, whose handler repaints.
void TCustomKxGraphicButton::UpdateTracking() {
  if (!Enabled()) mouse_in_control_ = false;
  if (!flat_ || !Enabled()) return;
  mouse_in_control_ = ControlUnderMouse() != this;
  Perform(mouse_in_control_ ? CM_MOUSELEAVE : CM_MOUSEENTER);
}

void TCustomKxGraphicButton::MouseEnter() {
  if (!Enabled()) {
    if (ThemeApplies()) Invalidate();
    return;
  }
  if (use_arrow_) {
    mouse_in_arrow_ = ScreenToClient(CursorPos()).X > ClientWidth() - GetArrowWidth();
    mouse_in_control_ = !mouse_in_arrow_;
  } else {
    mouse_in_control_ = true;
  }
  if (ShowsImageLists()) {
    glyph_.SetImages(hot_images_ ? hot_images_ : images_);
    if (hot_images_ == images_) return;
  }
  Invalidate();
}

void TCustomKxGraphicButton::MouseLeave() {
  bool repaint = ThemeApplies() || mouse_in_arrow_;
  if (Enabled() && !dragging_) {
    if (ShowsImageLists() && hot_images_) {
      glyph_.SetImages(images_);
      repaint = hot_images_ != images_;
    } else if (!glyph_.UseIcon()) {
      repaint = NumGlyphs() > 2;
    }
    repaint = repaint || flat_ || (!old_styled_ && !thin_frame_);
  }
  mouse_in_control_ = false;
  mouse_in_arrow_ = false;
  if (repaint) Invalidate();
}

void TCustomKxGraphicButton::EnabledChanged() {
  FollowEnabled();
  glyph_.CreateButtonGlyph(Enabled() ? bsUp : bsDisabled);
  if (ShowsImageLists()) {
    glyph_.SetImages(!Enabled() && disabled_images_ ? disabled_images_ : images_);
  }
  UpdateTracking();
  Invalidate();
}

void TCustomKxGraphicButton::ColorChanged() {
  if (!shadows_use_custom_) {
    const TColor hls = RGBToHLS(ColorToRGB(Color()));
    const int lightness = static_cast<int>((hls >> 8) & 0xFF);
    shadow_highlight_ = WithLightness(hls, lightness + lightness / 3);
    shadow_shadow_ = WithLightness(hls, lightness - lightness / 3);
    shadow_dk_shadow_ = WithLightness(hls, lightness - lightness / 2);
  }
  Invalidate();
}

bool TCustomKxGraphicButton::ShowsDisabled() const {
  return !Enabled() || (Parent() && !Parent()->Enabled());
}

// The state a press, a release or the group asks for; a button that shows
// disabled stays so until it is enabled again.
void TCustomKxGraphicButton::SetState(TKxButtonState state) {
  state_ = ShowsDisabled() ? bsDisabled : state;
}

// The button shows disabled while it or its parent is disabled, and lets go
// of a drag; enabled again it comes up, or down as its group's choice.
void TCustomKxGraphicButton::FollowEnabled() {
  if (ShowsDisabled()) {
    state_ = bsDisabled;
    dragging_ = false;
  } else if (state_ == bsDisabled) {
    state_ = down_ && group_index_ != 0 ? bsExclusive : bsUp;
  }
}

void TCustomKxGraphicButton::SetParent(TWinControl* parent) {
  TGraphicControl::SetParent(parent);
  FollowEnabled();
}

// ---- Down, groups and switches ----

void TCustomKxGraphicButton::SetDown(bool down) {
  if (Loading()) {
    down_ = down;
    return;
  }
  if (group_index_ == 0 && !is_switch_) down = false;
  if (down_ && !allow_all_up_ && !is_switch_) return;
  down_ = down;
  if (down) {
    PlaySound(DownSound);
    SetState(is_switch_ ? bsDown : bsExclusive);
    Invalidate();
    AnnounceGroup();
  } else {
    PlaySound(UpSound);
    SetState(bsUp);
    Invalidate();
  }
}

void TCustomKxGraphicButton::SetGroupIndex(int index) {
  if (index == group_index_) return;
  group_index_ = index;
  AnnounceGroup();
}

void TCustomKxGraphicButton::SetAllowAllUp(bool allow) {
  if (allow == allow_all_up_) return;
  allow_all_up_ = allow;
  AnnounceGroup();
}

void TCustomKxGraphicButton::AnnounceGroup() {
  if (group_index_ == 0 || !Parent()) return;
  TMessage message{ButtonPressedMessage(), group_index_, reinterpret_cast<intptr_t>(this), 0};
  Parent()->Broadcast(message);
}

// Another button of the group went down: this one comes up, and the group
// shares one AllowAllUp.
void TCustomKxGraphicButton::ButtonPressed(int group_index, TCustomKxGraphicButton* sender) {
  if (group_index != group_index_ || sender == this || !sender) return;
  if (sender->down_ && down_) {
    down_ = false;
    PlaySound(UpSound);
    SetState(bsUp);
    Invalidate();
  }
  allow_all_up_ = sender->allow_all_up_;
}

// ---- Setters ----

void TCustomKxGraphicButton::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  SetOpaque(!transparent);
  Repaint();
}

void TCustomKxGraphicButton::SetUseArrow(bool use_arrow) {
  Store(use_arrow_, use_arrow);
}

void TCustomKxGraphicButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  if (flat) old_styled_ = false;
  Invalidate();
}

void TCustomKxGraphicButton::SetOldStyled(bool old_styled) {
  if (old_styled == old_styled_ || (old_styled && flat_)) return;
  old_styled_ = old_styled;
  Repaint();
}

void TCustomKxGraphicButton::SetThinFrame(bool thin_frame) {
  if (thin_frame == thin_frame_) return;
  thin_frame_ = thin_frame;
  if (thin_frame) old_styled_ = false;
  const bool shows_pressed = state_ == bsDown || state_ == bsExclusive;
  if (!old_styled_ && (!mouse_in_control_ || shows_pressed)) return;
  Repaint();
}

void TCustomKxGraphicButton::SetBackgroundDrawBorder(bool draw) {
  if (draw == background_draw_border_) return;
  background_draw_border_ = draw;
  if (!background_.Empty()) Invalidate();
}

void TCustomKxGraphicButton::SetGlyph(const TBitmap& glyph) {
  glyph_.SetGlyph(glyph);
  Invalidate();
}

void TCustomKxGraphicButton::SetNumGlyphs(int count) {
  count = Min(count, 4);
  if (count == glyph_.NumGlyphs()) return;
  glyph_.SetNumGlyphs(count);
  Invalidate();
}

void TCustomKxGraphicButton::SetUseIcon(bool use) {
  if (use == glyph_.UseIcon()) return;
  glyph_.SetUseIcon(use);
  if (!use_image_list_) Invalidate();
}

void TCustomKxGraphicButton::SwitchList(TImageList*& stored, TImageList* images,
                                        TChangeLink& link) {
  if (images == stored) return;
  if (stored) {
    stored->UnRegisterChanges(link);
    RemoveFreeNotification(stored);
  }
  stored = images;
  if (stored) {
    stored->RegisterChanges(link);
    FreeNotification(stored);
  }
  Invalidate();
}

// Setting a list where there was none switches the button to image lists;
// taking it away switches them off.
void TCustomKxGraphicButton::SetImages(TImageList* images) {
  if (images == images_) return;
  const bool had_list = images_ != nullptr;
  SwitchList(images_, images, images_link_);
  glyph_.SetImages(images);
  if (!images) {
    SetUseImageList(false);
  } else if (!had_list && !Loading()) {
    SetUseImageList(true);
  }
}

void TCustomKxGraphicButton::SetUseImageList(bool use) {
  if (use == use_image_list_) return;
  use_image_list_ = use;
  if (Loading()) return;
  glyph_.SetUseImageList(use);
  Invalidate();
}

void TCustomKxGraphicButton::SetImageIndex(int index) {
  if (index == glyph_.ImageIndex()) return;
  glyph_.SetImageIndex(index);
  if (glyph_.UseImageList()) Invalidate();
}

// A change of the hot list alone shows only at the next hover.
void TCustomKxGraphicButton::ImagesChanged(const TImageList* changed) {
  if (!use_image_list_) return;
  const bool shown = changed == images_ || (changed == disabled_images_ && !Enabled()) ||
                     (changed == down_images_ && Pressed());
  if (shown) Invalidate();
}

void TCustomKxGraphicButton::SetMargin(int margin) {
  if (margin < -1) return;
  Store(margin_, margin);
}

void TCustomKxGraphicButton::SetPullDownMenu(TPopupMenu* menu) {
  if (menu == pull_down_menu_) return;
  if (pull_down_menu_) RemoveFreeNotification(pull_down_menu_);
  pull_down_menu_ = menu;
  if (menu) FreeNotification(menu);
  disable_auto_popup_ = menu == nullptr;
}

void TCustomKxGraphicButton::SetImageForm(TKxImageForm* image_form) {
  if (image_form == image_form_) return;
  SwitchImageForm(*this, image_form_, image_form, image_form_link_);
  Invalidate();
}

void TCustomKxGraphicButton::SetSoundMap(TKxSoundMap* sound_map) {
  if (sound_map == sound_map_) return;
  if (sound_map_) RemoveFreeNotification(sound_map_);
  sound_map_ = sound_map;
  if (sound_map) FreeNotification(sound_map);
}

void TCustomKxGraphicButton::Loaded() {
  TGraphicControl::Loaded();
  glyph_.SetUseImageList(use_image_list_);
  glyph_.CreateButtonGlyph(Enabled() ? bsUp : bsDisabled);
  // A button designed down goes down again now, to show it and tell its group.
  if (down_) {
    down_ = false;
    SetDown(true);
  }
  Invalidate();
}

void TCustomKxGraphicButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == sound_map_) sound_map_ = nullptr;
  if (component == pull_down_menu_) pull_down_menu_ = nullptr;
  if (component == image_form_) image_form_ = nullptr;
  // A freed list may be the one the face shows: the face is drawn again without it.
  for (TImageList** list : {&images_, &hot_images_, &down_images_, &disabled_images_}) {
    if (component != *list) continue;
    *list = nullptr;
    Invalidate();
  }
  if (!images_) glyph_.SetImages(nullptr);
}

// ---- Painting ----

void TCustomKxGraphicButton::Paint() {
  const TRect client = ClientRect();
  TBitmap face(client.Width(), client.Height());
  TCanvas& canvas = face.Canvas();
  canvas.CopyRect(client, Canvas(), client);
  canvas.Font.Assign(Font());
  const bool pressed = Pressed();
  const int arrow = use_arrow_ ? GetArrowWidth() : 0;
  TRect content = client;
  if (ThemeApplies()) {
    PaintThemedFace(canvas, arrow);
  } else {
    PaintBackground(face, pressed);
    content = PaintFrame(canvas, arrow, pressed);
  }
  PaintContent(canvas, content, arrow, pressed);
  Canvas().Draw(0, 0, face);
}

// The theme draws the face and the arrow part, each in its state.
void TCustomKxGraphicButton::PaintThemedFace(TCanvas& canvas, int arrow) {
  DrawThemedBackground(canvas);
  TRect face = ClientRect();
  face.Right -= arrow;
  const TRect clip = canvas.ClipRect();
  ThemeLibrary().DrawThemeBackground(button_theme_, canvas, GetThemePartID(), GetThemeStateID(),
                                     face, &clip);
  if (use_arrow_) {
    ThemeLibrary().DrawThemeBackground(
        arrow_theme_, canvas, GetArrowThemePartID(), GetArrowThemeStateID(),
        {face.Right, face.Top, face.Right + arrow, face.Bottom}, &clip);
  }
}

// The classic frame around the face and the arrow part; returns the rectangle
// left inside it for the glyph and caption, the arrow part included.
TRect TCustomKxGraphicButton::PaintFrame(TCanvas& canvas, int arrow, bool pressed) {
  const TColor face_color = shadow_follows_color_ ? Color() : clBtnFace;
  TRect face = ClientRect();
  face.Right -= arrow;
  if (FrameShown()) {
    if (soft_flat_) {
      TCanvasStateGuard guard(canvas);
      canvas.Brush.Color = SoftFlatColour(pressed);
      canvas.FrameRect(face);
      face.Inflate(-1, -1);
    } else if (!flat_) {
      const bool deep = (old_styled_ || (mouse_in_control_ && !pressed)) && !thin_frame_;
      PaintFaceFrame(canvas, face, deep, pressed, face_color);
    } else if (pressed || (Hot() && state_ != bsDisabled)) {
      PaintFaceFrame(canvas, face, false, pressed, face_color);
    }
  }
  if (use_arrow_) PaintArrowPart(canvas, {face.Right, 0, face.Right + arrow, Height()}, face_color);
  face.Right += arrow;
  return face;
}

// The glyph and the caption, from the image list that fits the state.
void TCustomKxGraphicButton::PaintContent(TCanvas& canvas, TRect r, int arrow, bool pressed) {
  // A pressed face draws from the down list without handing it to the glyph,
  // whose list stays the one the hover and the enabled state chose.
  TImageList* const shown_list = pressed && down_images_ ? down_images_ : glyph_.Images();
  const bool shows_disabled_list = disabled_images_ && shown_list == disabled_images_;
  if (adjust_space_for_glyph_) {
    const int inset = thin_frame_ ? 1 : 2;
    r.Inflate(-inset, -inset);
  }
  TKxFaceDrawing drawing;
  drawing.Client = r;
  drawing.Offset = ContentOffset(pressed);
  drawing.Caption = Caption();
  drawing.Layout = layout_;
  drawing.Margin = margin_;
  drawing.Spacing = spacing_;
  drawing.State = state_;
  drawing.GlyphState = state_ == bsDisabled && shows_disabled_list ? bsUp : state_;
  drawing.ShowGlyph = show_glyph_;
  drawing.ShowText = show_text_;
  drawing.MultiLine = multi_line_;
  drawing.ArrowWidth = arrow;
  drawing.TextDrawType = text_draw_type_;
  drawing.Background = Color();
  drawing.Transparent = true;
  drawing.Images = shown_list;
  if (ThemeApplies()) {
    drawing.Theme = button_theme_;
    drawing.ThemePart = GetThemePartID();
    drawing.ThemeState = GetThemeStateID();
  }
  glyph_.Draw(canvas, drawing);
}

// A pressed face moves its content one pixel right and down, unless its
// glyph has a pressed image of its own.
TPoint TCustomKxGraphicButton::ContentOffset(bool pressed) const {
  if (!pressed) return {0, 0};
  bool moves = state_ == bsExclusive;
  if (use_image_list_) {
    moves = moves || !down_images_ || down_images_ == images_;
  } else if (glyph_.UseIcon()) {
    moves = true;
  } else {
    moves = moves || NumGlyphs() < 2;
  }
  return moves ? TPoint{1, 1} : TPoint{0, 0};
}

void TCustomKxGraphicButton::PaintBackground(TBitmap& face, bool pressed) {
  if (transparent_) return;
  TCanvas& canvas = face.Canvas();
  const TRect client = ClientRect();
  if (image_form_) {
    const TWinControl* real = image_form_->GetRealControl();
    const TPoint offset = real ? ClientOrigin() - real->ClientOrigin() : TPoint{};
    image_form_->DrawBackgroundPart(canvas, client, false, offset);
    return;
  }
  const TBitmap& picture = pressed && !down_background_.Empty() ? down_background_ : background_;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = Color();
  const bool client_sized =
      picture.Width() == client.Width() && picture.Height() == client.Height();
  if (background_.Empty() || client_sized) canvas.FillRect(client);
  if (!picture.Empty()) {
    canvas.StretchBlt(client, picture.Canvas(), {0, 0, picture.Width() - 1, picture.Height() - 1},
                      SRCCOPY);
  }
}

// The one-pixel frame of the soft flat look: pressed, under the pointer, idle.
TColor TCustomKxGraphicButton::SoftFlatColour(bool held) const {
  if (held) return soft_flat_down_;
  if (Hot() && state_ != bsDisabled) return soft_flat_active_;
  return soft_flat_inactive_;
}

bool TCustomKxGraphicButton::FrameShown() const {
  return show_border_ && (background_.Empty() || background_draw_border_);
}

void TCustomKxGraphicButton::PaintFaceFrame(TCanvas& canvas, TRect rect, bool deep, bool down,
                                            TColor face_color) {
  if (shadows_use_custom_) {
    DrawButtonFrameCustom(canvas, rect, deep, down, thin_frame_, shadow_highlight_,
                          shadow_dk_shadow_, Color(), shadow_shadow_);
  } else {
    DrawButtonFrameFromColor(canvas, rect, deep, down, face_color, thin_frame_);
  }
}

void TCustomKxGraphicButton::PaintArrowPart(TCanvas& canvas, const TRect& arrow,
                                            TColor face_color) {
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Color = Color();
  if (FrameShown()) {
    const bool arrow_held = state_ == bsDown || state_ == bsArrowDown;
    if (soft_flat_) {
      canvas.Brush.Color = SoftFlatColour(arrow_held);
      canvas.FrameRect(arrow);
    } else if (!flat_ || Hot() || state_ == bsExclusive || state_ == bsArrowDown) {
      const bool deep = old_styled_ && !thin_frame_ && !down_;
      PaintFaceFrame(canvas, arrow, deep, arrow_held, face_color);
    }
  }
  DrawArrow(canvas, kArrowDown, arrow, Font().Color(), state_ != bsDisabled);
}

int TCustomKxGraphicButton::GetArrowWidth() {
  if (arrow_theme_ == 0) return kClassicArrowWidth;
  TSize size;
  GetClassThemePartSize(GetArrowThemedClassName(), &Canvas(), GetArrowThemePartID(),
                        GetArrowThemeStateID(), nullptr, TS_TRUE, size);
  return size.cx;
}

void TCustomKxGraphicButton::DrawThemedBackground(TCanvas& canvas) {
  ThemeLibrary().DrawThemeBackground(button_theme_, canvas, 1, 0, ClientRect(), nullptr);
}

void TCustomKxGraphicButton::OpenThemes() {
  if (!ThemesAvailable) return;
  button_theme_ = ThemeLibrary().OpenThemeData(Parent(), GetThemedClassName());
  arrow_theme_ = ThemeLibrary().OpenThemeData(Parent(), GetArrowThemedClassName());
}

void TCustomKxGraphicButton::CloseThemes() {
  if (ThemesAvailable) {
    if (button_theme_ != 0) ThemeLibrary().CloseThemeData(button_theme_);
    if (arrow_theme_ != 0) ThemeLibrary().CloseThemeData(arrow_theme_);
  }
  button_theme_ = 0;
  arrow_theme_ = 0;
}
