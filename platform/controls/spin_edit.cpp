#include "platform/controls/spin_edit.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "platform/controls/button.h"
#include "platform/graphics/arrow_head.h"
#include "platform/graphics/canvas.h"
#include "platform/input/key_codes.h"

namespace {
constexpr int kButtonWidth = 15;
constexpr int kBorder = 2;
}  // namespace

TSpinEdit::TSpinEdit(TComponent* owner) : TEdit(owner) {
  SetText("0");
}

int TSpinEdit::Clamp(int value) const {
  return std::max(min_value_, std::min(value, max_value_));
}

// Text that is no number reads as the lowest value.
int TSpinEdit::Value() const {
  long long parsed = 0;
  const std::string& text = Text();
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || text.empty()) return Clamp(min_value_);
  const long long bounded =
      std::clamp<long long>(parsed, min_value_, std::max(min_value_, max_value_));
  return static_cast<int>(bounded);
}

void TSpinEdit::SetValue(int value) {
  SetText(std::to_string(Clamp(value)));
}

bool TSpinEdit::Accepts(char ch) const {
  if (std::isdigit(static_cast<unsigned char>(ch))) return true;
  return ch == '-' && SelStart() == 0 && Text().find('-') == std::string::npos;
}

TRect TSpinEdit::TextArea() const {
  TRect area = TEdit::TextArea();
  area.Right -= kButtonWidth;
  return area;
}

TRect TSpinEdit::UpButton() const {
  const int middle = Height() / 2;
  return {Width() - kBorder - kButtonWidth, kBorder, Width() - kBorder, middle};
}

TRect TSpinEdit::DownButton() const {
  const int middle = Height() / 2;
  return {Width() - kBorder - kButtonWidth, middle, Width() - kBorder, Height() - kBorder};
}

void TSpinEdit::Step(int direction) {
  if (ReadOnly()) return;
  SetValue(Value() + direction * increment_);
}

void TSpinEdit::WndProc(TMessage& message) {
  if (message.Msg == WM_KILLFOCUS && std::to_string(Value()) != Text()) SetValue(Value());
  TEdit::WndProc(message);
}

void TSpinEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TEdit::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  if (UpButton().Contains({x, y})) Step(1);
  if (DownButton().Contains({x, y})) Step(-1);
}

void TSpinEdit::KeyDown(int& key, TShiftState shift) {
  if (key == VK_UP || key == VK_DOWN) {
    Step(key == VK_UP ? 1 : -1);
    key = 0;
  }
  TEdit::KeyDown(key, shift);
}

void TSpinEdit::Paint() {
  TEdit::Paint();
  TCanvas& canvas = Canvas();
  const TColor arrow = Enabled() ? clBtnText : clGrayText;
  DrawButtonFace(canvas, UpButton(), false, false);
  DrawButtonArrow(canvas, UpButton(), TArrowDirection::adUp, arrow);
  DrawButtonFace(canvas, DownButton(), false, false);
  DrawButtonArrow(canvas, DownButton(), TArrowDirection::adDown, arrow);
}
