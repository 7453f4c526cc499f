#pragma once
// The control set's spin button: two halves, one stepping a value up and one
// stepping it down. It owns no value: a press fires the half's event at
// once, again 400 ms later and every 100 ms after that until the button is
// released. With dragging allowed, a press on the seam between the halves
// starts a drag that reports a continuous distance instead.
#include <functional>
#include <memory>
#include <string>

#include "platform/components/cursor.h"
#include "platform/forms/timer.h"
#include "widgets/themed_control.h"

class TKxSpinButton;

using TKxSpinEvent = std::function<void(TComponent* sender, double distance)>;
using TKxSpinStartEvent = std::function<void(TComponent* sender, double& initial_distance)>;

enum TKxSpinBtnDir { sbdUpDown, sbdLeftRight };
enum TKxSpinBtnType { sbtUpDown, sbtLeftRight };

class TKxSpinButton : public TKxXPThemedControl {
 public:
  explicit TKxSpinButton(TComponent* owner);
  ~TKxSpinButton() override;

  double Increment() const { return increment_; }
  void SetIncrement(double increment) { increment_ = increment; }
  bool UseDrag() const { return use_drag_; }
  virtual void SetUseDrag(bool use_drag);
  bool Flat() const { return flat_; }
  virtual void SetFlat(bool flat);
  TKxSpinBtnDir ButtonDirection() const { return direction_; }
  void SetButtonDirection(TKxSpinBtnDir direction);
  TKxSpinBtnType ButtonType() const { return type_; }
  void SetButtonType(TKxSpinBtnType type);
  bool UpArrowEnabled() const { return up_arrow_enabled_; }
  void SetUpArrowEnabled(bool enabled);
  bool DownArrowEnabled() const { return down_arrow_enabled_; }
  void SetDownArrowEnabled(bool enabled);
  bool SoftFlat() const { return soft_flat_; }
  void SetSoftFlat(bool soft_flat);
  TColor SoftFlatActiveColor() const { return soft_flat_active_; }
  void SetSoftFlatActiveColor(TColor color);
  TColor SoftFlatDownColor() const { return soft_flat_down_; }
  void SetSoftFlatDownColor(TColor color);
  TColor SoftFlatInactiveColor() const { return soft_flat_inactive_; }
  void SetSoftFlatInactiveColor(TColor color);

  // The two halves, for painting and for the mouse alike; the row (or
  // column pair) between them is the seam.
  TRect FirstHalfRect() const;
  TRect SecondHalfRect() const;

  TKxSpinEvent OnUpClick;
  TKxSpinEvent OnDownClick;
  TKxSpinEvent OnSpinDrag;
  TKxSpinStartEvent OnSpinStart;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  std::wstring GetThemedClassName() const override { return L"SPIN"; }
  TContextMenu* GetPopupMenu() override;

 private:
  enum class THalf { First, Second, Seam };
  THalf HalfAt(int x, int y) const;
  bool OnSeamLine(int x, int y) const;
  void Step(THalf half);
  void RepeatStep();
  // Ends a press: the repeat stops, the halves come up, the mouse is let go.
  void StopRepeat();
  void EndDrag();
  void LetGoOfMouse();
  void ShowResizeCursor();
  void RestoreCursor();
  TCursor ResizeCursor() const;
  void FollowHotHalf(THalf half);

  void DrawHalf(TCanvas& canvas, const TRect& rect, bool first);
  void DrawArrow(TCanvas& canvas, TRect rect, bool first);
  int ThemePart(bool first) const;
  int ThemeState(bool first) const;

  double increment_ = 0;
  bool use_drag_ = true;
  bool flat_ = false;
  TKxSpinBtnDir direction_ = sbdUpDown;
  TKxSpinBtnType type_ = sbtUpDown;
  bool up_arrow_enabled_ = true;
  bool down_arrow_enabled_ = true;
  bool soft_flat_ = false;
  TColor soft_flat_active_ = clBlack;
  TColor soft_flat_down_ = clBlack;
  TColor soft_flat_inactive_ = clBlack;

  bool first_pressed_ = false;
  bool second_pressed_ = false;
  bool first_hot_ = false;
  bool second_hot_ = false;
  bool dragging_ = false;
  double drag_start_ = 0;
  TCursor saved_cursor_ = crDefault;
  std::unique_ptr<TTimer> repeat_timer_;
};
