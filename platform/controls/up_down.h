#pragma once

#include <functional>

#include "platform/components/custom_control.h"

class TTimer;

enum class TUDBtnType { btNext, btPrev };
enum class TUDOrientation { udVertical, udHorizontal };
using TUDClickEvent = std::function<void(TComponent* sender, TUDBtnType button)>;

// A pair of arrow buttons that move Position by Increment within
// Min..Max: the upper (or right) one up, the other down. A press steps
// once, and while the button stays held over the same arrow, again after
// 400 ms and then every 100 ms; each step runs OnClick. Releasing the
// mouse, losing the capture, being disabled or hidden, or going away stops
// the repeat. OnMouseUp runs on the release as for any control.
class TUpDown : public TCustomControl {
 public:
  explicit TUpDown(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int position);
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment; }
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation orientation);

  TUDClickEvent OnClick;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  TRect NextRect() const;
  TRect PrevRect() const;
  void Step(TUDBtnType button);
  void RepeatTick();
  void StopRepeat();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  bool held_ = false;
  TUDBtnType held_button_ = TUDBtnType::btNext;
  bool over_held_button_ = false;
  TTimer* repeat_ = nullptr;
};
