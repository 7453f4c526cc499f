#include "platform/components/focus.h"

#include "platform/components/win_control.h"

namespace {

TWinControl* g_active_root = nullptr;
TWinControl* g_focused = nullptr;

void MoveFocus(TWinControl* root, TWinControl* to) {
  TWinControl* from = g_focused;
  if (from == to) return;
  if (from) {
    from->Perform(CM_EXIT);
    // An exit handler that moved the focus itself has the last word.
    if (g_focused != from) return;
    from->Perform(WM_KILLFOCUS);
  }
  g_focused = to;
  if (!to) return;
  if (to != root) root->SetActiveControl(to);
  to->Perform(CM_ENTER);
  to->Perform(WM_SETFOCUS);
  root->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(to));
}

TWinControl* FirstFocusable(TWinControl* root) {
  TWinControl* remembered = root->ActiveControl();
  if (remembered && remembered->CanFocus()) return remembered;
  TWinControl* first = root->FindNextControl(nullptr, true, true);
  return first ? first : root;
}

}  // namespace

TWinControl* FocusedControl() {
  return g_focused;
}

TWinControl* ActiveRoot() {
  return g_active_root;
}

void FocusControl(TWinControl* control) {
  TWinControl* root = RootOf(control);
  if (!root || !control->CanFocus()) return;
  if (root != g_active_root) {
    if (control != root) root->SetActiveControl(control);
    return;
  }
  MoveFocus(root, control);
}

void ActivateRoot(TWinControl* root) {
  if (root == g_active_root) return;
  if (g_focused) g_focused->Perform(WM_KILLFOCUS);
  g_focused = nullptr;
  g_active_root = root;
  if (root) MoveFocus(root, FirstFocusable(root));
}

void ForgetFocus(TControl* control) {
  if (IsWithin(g_active_root, control)) {
    g_active_root = nullptr;
    g_focused = nullptr;
    return;
  }
  TWinControl* root = RootOf(control);
  if (root && root != control && IsWithin(root->ActiveControl(), control)) {
    root->SetActiveControl(nullptr);
  }
  if (!IsWithin(g_focused, control)) return;
  g_focused = nullptr;
  if (!control->Destroying() && root == g_active_root) MoveFocus(root, FirstFocusable(root));
}
