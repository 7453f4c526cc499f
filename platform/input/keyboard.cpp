#include "platform/input/keyboard.h"

#include <cctype>

#include "platform/components/focus.h"
#include "platform/components/win_control.h"
#include "platform/input/key_codes.h"

namespace {

// The control that receives the keys of `root`: its focused control, or the
// form itself when nothing inside has the focus.
TWinControl& KeyTarget(TWinControl& root) {
  TWinControl* focused = FocusedControl();
  return IsWithin(focused, &root) ? *focused : root;
}

// Sends a key message and returns the key as the handler left it (0: eaten).
int SendKey(TWinControl& control, uint32_t msg, int key, TShiftState shift) {
  TMessage message{msg, key, static_cast<intptr_t>(shift), 0};
  control.WindowProc(message);
  return static_cast<int>(message.WParam);
}

bool IsArrow(int key) {
  return key >= VK_LEFT && key <= VK_DOWN;
}

bool Wants(TWinControl& target, int key) {
  const intptr_t code = target.Perform(WM_GETDLGCODE, key);
  if (code & DLGC_WANTALLKEYS) return true;
  if (key == VK_TAB) return (code & DLGC_WANTTAB) != 0;
  if (IsArrow(key)) return (code & DLGC_WANTARROWS) != 0;
  return false;
}

// Tab, the arrows, Escape and Enter as the form uses them; true when used.
bool HandleDialogKey(TWinControl& root, TWinControl& target, int key, TShiftState shift) {
  TWinControl* current = &target == &root ? nullptr : &target;
  if (key == VK_TAB && !(shift & (ssCtrl | ssAlt))) {
    root.SelectNext(current, !(shift & ssShift), true);
    return true;
  }
  // The arrows move within the focused control's own group (its parent),
  // as they move among the radio buttons of one box.
  if (IsArrow(key) && current && current->Parent()) {
    current->Parent()->SelectNext(current, key == VK_RIGHT || key == VK_DOWN, false);
    return true;
  }
  if (key == VK_ESCAPE || key == VK_RETURN) {
    return root.Perform(CM_DIALOGKEY, key, static_cast<intptr_t>(shift)) != 0;
  }
  return false;
}

bool Previews(TWinControl& root, TWinControl& target) {
  return &target != &root && root.KeyPreview();
}

}  // namespace

void DispatchKeyDown(TWinControl& root, int key, TShiftState shift) {
  SetShiftState(shift);
  TWinControl& target = KeyTarget(root);
  if (Previews(root, target)) key = SendKey(root, WM_KEYDOWN, key, shift);
  if (key == 0) return;
  if (!Wants(target, key) && HandleDialogKey(root, target, key, shift)) return;
  SendKey(target, WM_KEYDOWN, key, shift);
}

void DispatchKeyUp(TWinControl& root, int key, TShiftState shift) {
  SetShiftState(shift);
  TWinControl& target = KeyTarget(root);
  if (Previews(root, target)) key = SendKey(root, WM_KEYUP, key, shift);
  if (key != 0) SendKey(target, WM_KEYUP, key, shift);
}

void DispatchChar(TWinControl& root, char ch, TShiftState shift) {
  TWinControl& target = KeyTarget(root);
  const auto code = static_cast<unsigned char>(ch);
  const bool takes_chars =
      (target.Perform(WM_GETDLGCODE, code) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) != 0;
  if ((shift & ssAlt) || !takes_chars) {
    if (root.Perform(CM_DIALOGCHAR, code, static_cast<intptr_t>(shift)) != 0) return;
    if (shift & ssAlt) return;
  }
  if (Previews(root, target)) ch = static_cast<char>(SendKey(root, WM_CHAR, code, shift));
  if (ch != 0) SendKey(target, WM_CHAR, static_cast<unsigned char>(ch), shift);
}

bool IsAccel(char ch, const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return std::toupper(static_cast<unsigned char>(caption[i + 1])) ==
           std::toupper(static_cast<unsigned char>(ch));
  }
  return false;
}
