#include "widgets/window_hooks.h"

#include <memory>

namespace {

std::unique_ptr<TKxHookList> hook_list;

}  // namespace

TKxHook::TKxHook(TComponent* owner) : TComponent(owner) {}

TKxHook::~TKxHook() {
  SetControl(nullptr);
}

void TKxHook::SetActive(bool active) {
  if (active == active_) return;
  if (!active && hook_list) {
    if (TCtlHook* record = hook_list->Find(control_)) record->RemoveHook(this);
  }
  if (active && control_) {
    if (!hook_list) hook_list = std::make_unique<TKxHookList>();
    hook_list->FindOrAdd(control_)->AddHook(this);
  }
  active_ = active;
}

void TKxHook::SetControl(TControl* control) {
  if (control == control_) return;
  const bool was_active = active_;
  SetActive(false);
  if (control_) RemoveFreeNotification(control_);
  control_ = control;
  if (!control_) return;
  SetActive(was_active);
  FreeNotification(control_);
}

void TKxHook::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == control_) SetControl(nullptr);
}

void TKxHook::DoBeforeProcess(TMessage& msg, bool& handled) {
  if (OnBeforeProcess) OnBeforeProcess(this, msg, handled);
}

void TKxHook::DoAfterProcess(TMessage& msg, bool& handled) {
  if (OnAfterProcess) OnAfterProcess(this, msg, handled);
}

TCtlHook::TCtlHook(TControl* control) : control_(control) {}

// A control that is itself going away keeps no window procedure to restore.
TCtlHook::~TCtlHook() {
  destroying_ = true;
  hooks_.Clear();
  RestoreWindowProc();
}

void TCtlHook::RestoreWindowProc() {
  if (!installed_) return;
  if (!control_->Destroying()) control_->WindowProc = previous_;
  previous_ = nullptr;
  installed_ = false;
}

void TCtlHook::AddHook(TKxHook* hook) {
  hooks_.Add(hook);
  if (installed_) return;
  previous_ = control_->WindowProc;
  control_->WindowProc = [this](TMessage& msg) { HandleMessage(msg); };
  installed_ = true;
}

void TCtlHook::RemoveHook(TKxHook* hook) {
  hooks_.Remove(hook);
  if (hooks_.Count() == 0) RestoreWindowProc();
}

// The newest hook looks first; the first to handle a message stops the
// others and the control, but every hook's after-handler still runs.
void TCtlHook::HandleMessage(TMessage& msg) {
  bool handled = false;
  if (!destroying_) {
    for (int i = hooks_.Count() - 1; i >= 0 && !handled; --i) {
      if (i < hooks_.Count()) static_cast<TKxHook*>(hooks_[i])->DoBeforeProcess(msg, handled);
    }
  }
  const TWndMethod previous = previous_;
  if (!handled && previous) previous(msg);
  handled = false;
  for (int i = hooks_.Count() - 1; i >= 0 && !handled; --i) {
    if (i < hooks_.Count()) static_cast<TKxHook*>(hooks_[i])->DoAfterProcess(msg, handled);
  }
}

TKxHookList::TKxHookList() : TComponent(nullptr) {
  records_.FreeItemsAs<TCtlHook>();
}

TCtlHook* TKxHookList::Find(const TControl* control) const {
  for (int i = 0; i < records_.Count(); ++i) {
    auto* record = static_cast<TCtlHook*>(records_[i]);
    if (record->Control() == control) return record;
  }
  return nullptr;
}

TCtlHook* TKxHookList::FindOrAdd(TControl* control) {
  if (TCtlHook* record = Find(control)) return record;
  auto* record = new TCtlHook(control);
  records_.Add(record);
  FreeNotification(control);
  return record;
}

void TKxHookList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  for (int i = records_.Count() - 1; i >= 0; --i) {
    if (static_cast<TCtlHook*>(records_[i])->Control() == component) records_.Delete(i);
  }
}
