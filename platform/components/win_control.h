#pragma once

#include <vector>

#include "platform/components/control.h"

// A control that holds other controls and can take the keyboard focus.
// Children are kept in painting order: the last one lies on top.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[index]; }
  bool ContainsControl(const TControl* control) const;

  // Sends a message to every child until one answers with a non-zero Result.
  void Broadcast(TMessage& message);

  // The deepest showing child under a client point, or nullptr; disabled
  // children count only when `allow_disabled`.
  TControl* ControlAtPos(TPoint point, bool allow_disabled) const;

  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop) { tab_stop_ = tab_stop; }
  int TabOrder() const;
  void SetTabOrder(int order);

  virtual bool CanFocus() const;
  void SetFocus();
  bool Focused() const;
  // Moves the focus to the next (or previous) control after `current` in
  // tab order within this control, wrapping round; `check_tab_stop` skips
  // controls that are not tab stops.
  void SelectNext(TWinControl* current, bool forward, bool check_tab_stop);
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool check_tab_stop) const;

  // The top-level control remembers which of its children has the focus.
  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);

  // A form that previews keys sees each key before its focused control.
  virtual bool KeyPreview() const { return false; }

  // Lays out the children with an Align other than alNone.
  void Realign();

  // A top-level control paints its tree into a back buffer (a form has one)
  // and keeps the part of it that waits for painting, in its own coordinates.
  virtual TBitmap* BackBuffer() { return nullptr; }
  const TRect& InvalidArea() const { return invalid_area_; }
  void SetInvalidArea(const TRect& area) { invalid_area_ = area; }

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  void WndProc(TMessage& message) override;
  virtual void KeyDown(int& key, TShiftState shift);
  virtual void KeyUp(int& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void AlignControls(TRect& rect);
  void Resize() override;
  // Windowed controls fill their client area with Color before painting.
  void EraseBackground(TCanvas& canvas) override;

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void MoveToBack(TControl* control);
  void TabOrderList(std::vector<TWinControl*>& list) const;
  void NoticeChildren(uint32_t msg);
  TControl* ChildAt(TPoint point, bool allow_disabled, bool windowed) const;

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  bool tab_stop_ = false;
  TWinControl* active_control_ = nullptr;
  TRect invalid_area_;
  bool aligning_ = false;
};

// The top-level control a control sits on (its form), or nullptr.
TWinControl* RootOf(const TControl* control);
