#include "platform/controls/edit.h"

#include <algorithm>

#include "platform/controls/parent_form.h"
#include "platform/graphics/edges.h"
#include "platform/input/key_codes.h"
#include "platform/input/mouse.h"

namespace {
constexpr int kBorder = 2;
constexpr int kTextIndent = 1;
}  // namespace

TEdit::TEdit(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
  SetCursor(crIBeam);
  control_style_ = csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
}

void TEdit::SetMaxLength(int length) {
  max_length_ = std::max(0, length);
  if (max_length_ > 0 && static_cast<int>(Text().size()) > max_length_) {
    ReplaceText(Text().substr(0, max_length_), caret_);
  }
}

void TEdit::SetSelStart(int position) {
  Select(position, position);
}

void TEdit::SelectAll() {
  Select(0, static_cast<int>(Text().size()));
}

void TEdit::Select(int anchor, int caret) {
  const int length = static_cast<int>(Text().size());
  anchor = std::clamp(anchor, 0, length);
  caret = std::clamp(caret, 0, length);
  if (anchor == anchor_ && caret == caret_) return;
  anchor_ = anchor;
  caret_ = caret;
  ScrollToCaret();
  Invalidate();
}

void TEdit::MoveCaret(int position, TShiftState shift) {
  Select((shift & ssShift) ? anchor_ : position, position);
}

// As little as brings the caret into the text area, and no further than
// leaves the end of the text at the area's right edge.
void TEdit::ScrollToCaret() {
  const int room = CaretRoom();
  const int caret = TextWidthTo(caret_);
  const int end = TextWidthTo(static_cast<int>(Text().size()));
  scroll_ = std::clamp(scroll_, caret - room, caret);
  scroll_ = std::clamp(scroll_, 0, std::max(0, end - room));
}

bool TEdit::DeleteSelection() {
  if (SelLength() == 0) return false;
  const int start = SelStart();
  ReplaceText(std::string(Text()).erase(start, SelLength()), start);
  return true;
}

void TEdit::ReplaceText(const std::string& text, int caret) {
  SetText(text);
  SetSelStart(caret);
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

bool TEdit::Accepts(char ch) const {
  return static_cast<unsigned char>(ch) >= 32 && ch != 127;
}

TRect TEdit::TextArea() const {
  return {kBorder, kBorder, Width() - kBorder, Height() - kBorder};
}

void TEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case CM_TEXTCHANGED:
      caret_ = anchor_ = std::min(caret_, static_cast<int>(Text().size()));
      ScrollToCaret();
      TCustomControl::WndProc(message);
      Change();
      return;
    case CM_FONTCHANGED:
      ScrollToCaret();
      break;
    case WM_SETFOCUS:
      SelectAll();
      Invalidate();
      break;
    case WM_KILLFOCUS:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TEdit::Resize() {
  ScrollToCaret();
  TCustomControl::Resize();
}

int TEdit::TextX() const {
  return TextArea().Left + kTextIndent - scroll_;
}

// The caret is a line one pixel wide, so it may stand up to the area's last column.
int TEdit::CaretRoom() const {
  return std::max(0, TextArea().Width() - kTextIndent - 1);
}

int TEdit::TextWidthTo(int position) const {
  TCanvas measure;
  measure.Font.Assign(Font());
  return measure.TextWidth(std::string_view(Text()).substr(0, position));
}

int TEdit::CaretAt(int x) const {
  const int length = static_cast<int>(Text().size());
  int left = 0;
  for (int i = 0; i < length; ++i) {
    const int right = TextWidthTo(i + 1);
    if (x - TextX() < (left + right) / 2) return i;
    left = right;
  }
  return length;
}

void TEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    FocusOnPress(*this);
    MoveCaret(CaretAt(x), shift);
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

// A drag selects from where the press put the caret.
void TEdit::MouseMove(TShiftState shift, int x, int y) {
  if ((shift & ssLeft) && GetCapture() == this) MoveCaret(CaretAt(x), ssShift);
  TCustomControl::MouseMove(shift, x, y);
}

void TEdit::KeyDown(int& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  const int length = static_cast<int>(Text().size());
  switch (key) {
    case VK_LEFT:
      MoveCaret(caret_ - 1, shift);
      break;
    case VK_RIGHT:
      MoveCaret(caret_ + 1, shift);
      break;
    case VK_HOME:
      MoveCaret(0, shift);
      break;
    case VK_END:
      MoveCaret(length, shift);
      break;
    case VK_DELETE:
      if (read_only_ || DeleteSelection()) break;
      if (caret_ < length) ReplaceText(std::string(Text()).erase(caret_, 1), caret_);
      break;
    default:
      break;
  }
}

void TEdit::KeyPress(char& key) {
  TCustomControl::KeyPress(key);
  if (key == 0 || read_only_) return;
  if (key == '\b') {
    if (!DeleteSelection() && caret_ > 0)
      ReplaceText(std::string(Text()).erase(caret_ - 1, 1), caret_ - 1);
    return;
  }
  if (!Accepts(key)) return;
  DeleteSelection();
  if (max_length_ > 0 && static_cast<int>(Text().size()) >= max_length_) return;
  ReplaceText(std::string(Text()).insert(caret_, 1, key), caret_ + 1);
}

void TEdit::Paint() {
  TCanvas& canvas = Canvas();
  TRect frame = ClientRect();
  DrawEdge(canvas, frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = Enabled() ? Color() : clBtnFace;
  canvas.FillRect(frame);
  const TRect area = TextArea();
  TCanvasStateGuard guard(canvas);
  canvas.IntersectClipRect(area);
  canvas.Font.Assign(Font());
  if (!Enabled()) canvas.Font.SetColor(clGrayText);
  const int top = area.Top + std::max(0, (area.Height() - canvas.TextHeight("0")) / 2);
  canvas.Brush.Style = bsClear;
  canvas.TextOut(TextX(), top, Text());
  if (Focused() && SelLength() > 0) PaintSelection(canvas, top);
  if (Focused()) {
    const int x = TextX() + TextWidthTo(caret_);
    canvas.Pen.Color = clWindowText;
    canvas.MoveTo(x, top);
    canvas.LineTo(x, top + canvas.TextHeight("0"));
  }
}

// The selected run of the text, light on the highlight colour.
void TEdit::PaintSelection(TCanvas& canvas, int top) {
  const std::string_view selected = std::string_view(Text()).substr(SelStart(), SelLength());
  const int left = TextX() + TextWidthTo(SelStart());
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = clHighlight;
  canvas.FillRect(TRect::Bounds(left, top, canvas.TextWidth(selected), canvas.TextHeight("0")));
  canvas.Brush.Style = bsClear;
  canvas.Font.SetColor(clHighlightText);
  canvas.TextOut(left, top, selected);
}
