#pragma once

#include <memory>
#include <string>

#include "platform/components/win_control.h"
#include "platform/graphics/bitmap.h"

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

enum class TFormBorderStyle { bsNone, bsSingle, bsDialog, bsSizeable };
enum class TPosition { poDesigned, poScreenCenter };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TCloseAction { caNone, caHide };

using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 1;
constexpr TBorderIcons biMinimize = 2;
constexpr TBorderIcons biMaximize = 4;
constexpr TBorderIcons biHelp = 8;

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

// A form: a top-level control shown as a layer of the game's window, with
// its own back buffer. Width and Height are the client area; a bordered
// form draws its frame and caption bar around it.
class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner = nullptr);
  ~TForm() override;

  // Shows the form centred and runs a message loop until ModalResult is set
  // and OnClose lets it close; returns the result. Loops nest to any depth.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  bool Modal() const { return modal_; }

  // A modal form closes with mrCancel; another one hides after OnClose, and
  // the main form's closing ends the application.
  void Close();

  void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = TPosition::poDesigned;
  TFormStyle FormStyle = TFormStyle::fsNormal;
  bool StaysOnTop() const { return FormStyle == TFormStyle::fsStayOnTop; }
  void SetKeyPreview(bool preview) { key_preview_ = preview; }
  bool KeyPreview() const override { return key_preview_; }

  // Puts the whole form, frame included, in the middle of the screen.
  void CenterOnScreen();
  // The form on the screen, frame and caption bar included.
  TRect FrameRect() const;
  void PaintNonClient(TCanvas& frame) const;

  TCanvas& Canvas() { return ControlCanvas(); }
  TBitmap* BackBuffer() override { return &buffer_; }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;

 protected:
  void WndProc(TMessage& message) override;
  void Paint() override;
  void Resize() override;

  // Makes a named control, owned by this form, and places it on the form.
  template <class T>
  T* AddControl(const std::string& name, int left, int top, int width, int height) {
    auto* control = new T(this);
    control->SetName(name);
    control->SetParent(this);
    control->SetBounds(left, top, width, height);
    return control;
  }

 private:
  void VisibleChanged();
  TCloseAction AskClose();
  bool CloseQueryOnResult();
  int BorderWidth() const;
  int CaptionHeight() const;

  TBitmap buffer_;
  TModalResult modal_result_ = mrNone;
  bool modal_ = false;
  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  bool key_preview_ = false;
};
