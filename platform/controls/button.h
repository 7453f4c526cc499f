#pragma once

#include "platform/controls/pressable_control.h"
#include "platform/forms/form.h"

// A push button. A click, from the mouse, from Space while it has the focus,
// from its accelerator, from Enter when it is the Default button or from
// Escape when it is the Cancel button, first hands ModalResult to its form
// and then runs OnClick. Keys click it only while it is visible and enabled.
class TButton : public TPressableControl {
 public:
  explicit TButton(TComponent* owner);

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  bool Default() const { return default_; }
  void SetDefault(bool is_default);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }

  void Click() override;

 protected:
  void Pressed() override { Click(); }
  void WndProc(TMessage& message) override;
  void Paint() override;

 private:
  bool TakesDialogKey(int key) const;

  TModalResult modal_result_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

// Draws the classic face of a push button in `rect`: raised, or pushed in,
// with a dark outline round a default button.
void DrawButtonFace(TCanvas& canvas, TRect rect, bool pressed, bool is_default);
// A push button's face over all of `button` with its caption centred, which
// moves one pixel down and right while the button is pushed in.
void DrawCaptionedButton(TCanvas& canvas, const TControl& button, bool pressed, bool is_default);
