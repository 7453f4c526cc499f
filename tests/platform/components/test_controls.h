#pragma once

#include <algorithm>
#include <vector>

#include "platform/components/custom_control.h"
#include "platform/components/graphic_control.h"
#include "platform/graphics/canvas.h"

// Controls for the platform's tests: each fills itself with its colour,
// counts its paints and keeps the messages it was sent.
template <class Base>
class TRecording : public Base {
 public:
  explicit TRecording(TComponent* owner) : Base(owner) {}

  std::vector<uint32_t> messages;
  int paints = 0;
  intptr_t dialog_code = 0;    // answer to WM_GETDLGCODE
  int takes_dialog_key = 0;    // key answered with 1 on CM_DIALOGKEY
  char takes_dialog_char = 0;  // character answered with 1 on CM_DIALOGCHAR
  bool takes_wheel = false;

  int Count(uint32_t msg) const {
    return static_cast<int>(std::count(messages.begin(), messages.end(), msg));
  }

 protected:
  void WndProc(TMessage& message) override {
    messages.push_back(message.Msg);
    switch (message.Msg) {
      case WM_GETDLGCODE:
        message.Result = dialog_code;
        return;
      case CM_DIALOGKEY:
        if (message.WParam == takes_dialog_key) {
          message.Result = 1;
          return;
        }
        break;
      case CM_DIALOGCHAR:
        if (message.WParam == static_cast<unsigned char>(takes_dialog_char)) {
          message.Result = 1;
          return;
        }
        break;
      case WM_MOUSEWHEEL:
        message.Result = takes_wheel ? 1 : 0;
        return;
      default:
        break;
    }
    Base::WndProc(message);
  }

  void Paint() override {
    ++paints;
    TCanvas& canvas = this->Canvas();
    canvas.Brush.Color = this->Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(this->ClientRect());
  }
};

using TProbe = TRecording<TCustomControl>;
using TGraphicProbe = TRecording<TGraphicControl>;

// Puts a control on a parent at a place, in one line.
template <class T>
T* Place(TWinControl* parent, int left, int top, int width, int height) {
  auto* control = new T(parent);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}
