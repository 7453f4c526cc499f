#pragma once
// Window hooks: a TKxHook sees every message of another control before and
// after the control handles it, and may stop a message, without the
// control's class knowing. The hooks on one control share one record that
// stands in for the control's window procedure; the hook added last sees
// each message first.
#include <functional>

#include "platform/components/component.h"
#include "platform/components/control.h"
#include "widgets/pointer_list.h"

using TKxHookEvent = std::function<void(TComponent* sender, TMessage& msg, bool& handled)>;

class TKxHook : public TComponent {
 public:
  explicit TKxHook(TComponent* owner = nullptr);
  ~TKxHook() override;

  bool Active() const { return active_; }
  void SetActive(bool active);
  // Whether the hook works while its form is designed; forms are never
  // designed in the game, so this is only kept.
  bool DesignActive() const { return design_active_; }
  void SetDesignActive(bool design_active) { design_active_ = design_active; }
  TControl* Control() const { return control_; }
  void SetControl(TControl* control);

  TKxHookEvent OnBeforeProcess;
  TKxHookEvent OnAfterProcess;

 protected:
  friend class TCtlHook;
  virtual void DoBeforeProcess(TMessage& msg, bool& handled);
  virtual void DoAfterProcess(TMessage& msg, bool& handled);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool active_ = false;
  bool design_active_ = false;
  TControl* control_ = nullptr;
};

// The record of one hooked control: its hooks and the window procedure it
// had before the first of them came.
class TCtlHook {
 public:
  explicit TCtlHook(TControl* control);
  ~TCtlHook();
  TCtlHook(const TCtlHook&) = delete;
  TCtlHook& operator=(const TCtlHook&) = delete;

  TControl* Control() const { return control_; }
  void AddHook(TKxHook* hook);
  void RemoveHook(TKxHook* hook);

 private:
  void HandleMessage(TMessage& msg);
  void RestoreWindowProc();

  TKxList hooks_;
  TControl* control_;
  TWndMethod previous_;
  bool installed_ = false;
  bool destroying_ = false;
};

// Every hooked control's record, made when the first hook becomes active.
// A record stays while its control lives, and goes with it.
class TKxHookList : public TComponent {
 public:
  TKxHookList();
  TCtlHook* Find(const TControl* control) const;
  TCtlHook* FindOrAdd(TControl* control);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TKxList records_;
};
