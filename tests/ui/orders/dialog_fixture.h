#pragma once
// A blank game with the headless backend and a recording window installed,
// the Union giving orders, and the player's hand scripted per modal form; the
// order dialogs come with it.
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/graphics/canvas.h"
#include "support/overlapping_controls.h"
#include "support/window_fixture.h"
#include "ui/orders/order_dialogs.h"
#include "widgets/spin_button.h"
#include "world/codes.h"
#include "world/vardecl.h"

class OrderDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    CurrentSide = TNation::Union;
  }

  // What the player does in each form that becomes modal, nested ones included,
  // once the form has been looked at for controls drawn over one another.
  void OnModal(std::function<void(TForm&)> answer) {
    session.Backend().SetModalHook([answer = std::move(answer)](TForm& form) {
      ExpectControlsApart(form);
      answer(form);
    });
  }
  void Click(const TControl& control) { session.Backend().Click(control); }
  void ClickRow(const TListBox& list, int row) {
    const TRect r = list.ItemRect(row);
    session.Backend().Click(list.ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
  }

  // The player holds a spin button's up or down half for a while, the
  // button repeating as it does under a finger.
  void Hold(const TKxSpinButton& spin, bool up, int ms) {
    const TRect half = up ? spin.FirstHalfRect() : spin.SecondHalfRect();
    const TPoint at =
        spin.ClientToScreen({(half.Left + half.Right) / 2, (half.Top + half.Bottom) / 2});
    session.Backend().MouseDown(at);
    session.Backend().Advance(static_cast<std::uint64_t>(ms));
    session.Backend().MouseUp(at);
  }

  // The height on the screen of the middle of the line a control's caption is
  // drawn on: a label's first line where its layout puts it; a mark button,
  // edit or spinner draws its own in its middle.
  static int CaptionMiddle(const TControl& control) {
    const int top = control.ClientToScreen({0, 0}).Y;
    const auto* label = dynamic_cast<const TLabel*>(&control);
    if (label == nullptr || label->Layout() == TTextLayout::tlCenter)
      return top + control.Height() / 2;
    TCanvas measure;
    measure.Font.Assign(label->Font());
    const int line = measure.TextHeight("Ag");
    return label->Layout() == TTextLayout::tlTop ? top + line / 2 : top + control.Height() - line / 2;
  }
  // Whether two controls stand on one row: their captions level, within 2 px.
  static bool OnOneRow(const TControl& a, const TControl& b) {
    return std::abs(CaptionMiddle(a) - CaptionMiddle(b)) <= 2;
  }
  // Whether a figure (or a control) stands beside its caption: on its row and
  // to its right, no further off than a figure still reads as the caption's.
  static constexpr int kFarthestBeside = 24;
  static bool Beside(const TControl& figure, const TControl& caption) {
    const int gap = figure.ClientToScreen({0, 0}).X -
                    (caption.ClientToScreen({0, 0}).X + caption.Width());
    return OnOneRow(figure, caption) && gap >= 0 && gap <= kFarthestBeside;
  }

  // The rightmost column of the frame within the control where ink is
  // drawn: black text, not the paper or the pale pictures printed on it.
  int RightmostInk(const TControl& control) {
    Application.ProcessMessages();
    const TBitmap& frame = session.Backend().Frame();
    const TPoint origin = control.ClientToScreen({0, 0});
    for (int x = control.Width() - 1; x >= 0; --x) {
      for (int y = 0; y < control.Height(); ++y) {
        const TColor pixel = frame.Pixel(origin.X + x, origin.Y + y);
        if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 96) return origin.X + x;
      }
    }
    return -1;
  }

  // A control the form must have, by name.
  template <typename T>
  static T& Owned(const TForm& form, const std::string& name) {
    T* found = FindOwned<T>(form, name);
    if (!found) throw std::logic_error("no control " + name);
    return *found;
  }

  // The design's labels LabelN of the form, for each N of `numbers`, that
  // are missing, or shown with a caption wider than the label.
  static std::vector<std::string> MissingOrCutLabels(const TForm& form,
                                                     std::initializer_list<int> numbers) {
    std::vector<std::string> faults;
    for (int n : numbers) {
      const std::string name = "Label" + std::to_string(n);
      const TLabel* label = FindOwned<TLabel>(form, name);
      if (label == nullptr) {
        faults.push_back(name + " missing");
        continue;
      }
      if (label->Visible() && Cut(*label)) faults.push_back(name + " cut: " + label->Caption());
    }
    return faults;
  }
  // Whether the label's caption is wider than the label.
  static bool Cut(const TLabel& label) {
    TCanvas measure;
    measure.Font.Assign(label.Font());
    return measure.TextWidth(label.Caption()) > label.Width();
  }

  THeadlessSession session;
};
