#pragma once

#include "platform/controls/edit.h"

// A number box with up and down buttons at its right. Value stays within
// MinValue..MaxValue: the buttons and the up and down arrow keys step it by
// Increment, only digits and a leading minus can be typed, and a typed
// number is brought into range when the box loses the focus. Reading Value
// while a typed number is out of range gives the nearest bound.
class TSpinEdit : public TEdit {
 public:
  explicit TSpinEdit(TComponent* owner);

  int MinValue() const { return min_value_; }
  void SetMinValue(int value) { min_value_ = value; }
  int MaxValue() const { return max_value_; }
  void SetMaxValue(int value) { max_value_ = value; }
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment; }

  int Value() const;
  void SetValue(int value);

 protected:
  bool Accepts(char ch) const override;
  TRect TextArea() const override;
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int& key, TShiftState shift) override;

 private:
  int Clamp(int value) const;
  TRect UpButton() const;
  TRect DownButton() const;
  void Step(int direction);

  int min_value_ = 0;
  int max_value_ = 0;
  int increment_ = 1;
};
