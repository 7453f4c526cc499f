#include "platform/components/win_control.h"

#include <algorithm>

#include "platform/components/focus.h"
#include "platform/graphics/canvas.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  // Owned components go first, while this control is still whole; then any
  // child owned elsewhere goes with its parent.
  DestroyComponents();
  while (!controls_.empty()) delete controls_.back();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  return IsWithin(control, this);
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) tab_list_.push_back(windowed);
  if (control->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), control), tab_list_.end());
  control->parent_ = nullptr;
  if (control->Align() != TAlign::alNone) Realign();
}

void TWinControl::MoveToBack(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it != controls_.end()) std::rotate(controls_.begin(), it, it + 1);
}

void TWinControl::Broadcast(TMessage& message) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    controls_[i]->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NoticeChildren(uint32_t msg) {
  TMessage message{msg, 0, 0, 0};
  Broadcast(message);
}

TControl* TWinControl::ChildAt(TPoint point, bool allow_disabled, bool windowed) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* child = *it;
    auto* container = dynamic_cast<TWinControl*>(child);
    if ((container != nullptr) != windowed) continue;
    if (!child->Visible() || (!allow_disabled && !child->Enabled())) continue;
    if (!child->BoundsRect().Contains(point)) continue;
    if (container) {
      TControl* deeper =
          container->ControlAtPos(point - TPoint{child->Left(), child->Top()}, allow_disabled);
      if (deeper) return deeper;
    }
    return child;
  }
  return nullptr;
}

// Windowed children always lie above the windowless ones of the same parent.
TControl* TWinControl::ControlAtPos(TPoint point, bool allow_disabled) const {
  if (TControl* hit = ChildAt(point, allow_disabled, true)) return hit;
  return ChildAt(point, allow_disabled, false);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tab_list_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->tab_list_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  const int at = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + at, this);
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  FocusControl(this);
}

bool TWinControl::Focused() const {
  return FocusedControl() == this;
}

void TWinControl::SetActiveControl(TWinControl* control) {
  active_control_ = control;
}

void TWinControl::TabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : tab_list_) {
    list.push_back(child);
    child->TabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward,
                                          bool check_tab_stop) const {
  std::vector<TWinControl*> list;
  TabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  const auto found = std::find(list.begin(), list.end(), current);
  // Without a current control the search starts just outside the list, so
  // the first (or last) candidate comes first.
  int index = found == list.end() ? (forward ? -1 : count) : static_cast<int>(found - list.begin());
  for (int step = 0; step < count; ++step) {
    index = ((forward ? index + 1 : index - 1) + count) % count;
    TWinControl* candidate = list[index];
    if (candidate == current) break;
    if (candidate->CanFocus() && (!check_tab_stop || candidate->TabStop())) return candidate;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool check_tab_stop) {
  if (TWinControl* next = FindNextControl(current, forward, check_tab_stop)) next->SetFocus();
}

void TWinControl::Realign() {
  if (aligning_) return;
  aligning_ = true;
  TRect rect = ClientRect();
  AlignControls(rect);
  aligning_ = false;
}

void TWinControl::AlignControls(TRect& rect) {
  auto place = [&](TAlign align) {
    for (TControl* child : controls_) {
      if (child->Align() != align || !child->Visible()) continue;
      switch (align) {
        case TAlign::alTop:
          child->SetBounds(rect.Left, rect.Top, rect.Width(), child->Height());
          rect.Top += child->Height();
          break;
        case TAlign::alBottom:
          child->SetBounds(rect.Left, rect.Bottom - child->Height(), rect.Width(), child->Height());
          rect.Bottom -= child->Height();
          break;
        case TAlign::alLeft:
          child->SetBounds(rect.Left, rect.Top, child->Width(), rect.Height());
          rect.Left += child->Width();
          break;
        case TAlign::alRight:
          child->SetBounds(rect.Right - child->Width(), rect.Top, child->Width(), rect.Height());
          rect.Right -= child->Width();
          break;
        case TAlign::alClient:
          child->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
          break;
        case TAlign::alNone:
          break;
      }
    }
  };
  for (TAlign align :
       {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    place(align);
  }
}

void TWinControl::Resize() {
  TControl::Resize();
  Realign();
}

void TWinControl::EraseBackground(TCanvas& canvas) {
  canvas.Brush.Color = Color();
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(ClientRect());
}

void TWinControl::KeyDown(int& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(int& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP: {
      int key = static_cast<int>(message.WParam);
      const auto shift = static_cast<TShiftState>(message.LParam);
      if (message.Msg == WM_KEYDOWN) {
        KeyDown(key, shift);
      } else {
        KeyUp(key, shift);
      }
      message.WParam = key;
      return;
    }
    case WM_CHAR: {
      char key = static_cast<char>(message.WParam);
      KeyPress(key);
      message.WParam = static_cast<unsigned char>(key);
      return;
    }
    case CM_ENTER:
      if (OnEnter) OnEnter(this);
      return;
    case CM_EXIT:
      if (OnExit) OnExit(this);
      return;
    case CM_FOCUSCHANGED:
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      Broadcast(message);
      return;
    case CM_FONTCHANGED:
      TControl::WndProc(message);
      NoticeChildren(CM_PARENTFONTCHANGED);
      return;
    case CM_COLORCHANGED:
      TControl::WndProc(message);
      NoticeChildren(CM_PARENTCOLORCHANGED);
      return;
    case CM_ENABLEDCHANGED:
      TControl::WndProc(message);
      NoticeChildren(CM_PARENTENABLEDCHANGED);
      return;
    default:
      TControl::WndProc(message);
  }
}

TWinControl* RootOf(const TControl* control) {
  if (!control) return nullptr;
  while (control->Parent()) control = control->Parent();
  return dynamic_cast<TWinControl*>(const_cast<TControl*>(control));
}
