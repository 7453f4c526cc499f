#include "platform/dialogs/message_dialog.h"

#include <algorithm>

#include "platform/controls/button.h"
#include "platform/controls/label.h"
#include "platform/controls/paint_box.h"
#include "platform/forms/screen.h"

namespace {

constexpr int kMargin = 12;
constexpr int kSignSize = 32;
constexpr int kTextWidthLimit = 360;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;

const char* TitleOf(TMsgDlgType type) {
  return type == TMsgDlgType::mtWarning ? "Warning" : "Information";
}

// The sign beside the text: a yellow triangle with a black "!" for a
// warning, a white disc with a blue "i" for information.
void DrawSign(TCanvas& canvas, TMsgDlgType type) {
  const bool warning = type == TMsgDlgType::mtWarning;
  const TRect box{0, 0, kSignSize, kSignSize};
  canvas.Pen.Color = clBlack;
  if (warning) {
    canvas.Brush.Color = clYellow;
    const TPoint triangle[] = {
        {kSignSize / 2, 0}, {kSignSize - 1, kSignSize - 1}, {0, kSignSize - 1}};
    canvas.Polygon(triangle);
  } else {
    canvas.Brush.Color = clWhite;
    canvas.Ellipse(box);
  }
  canvas.Font.SetStyle(fsBold);
  canvas.Font.SetHeight(-16);
  canvas.Font.SetColor(warning ? clBlack : clBlue);
  canvas.Brush.Style = bsClear;
  TRect text = box;
  text.Top += 4;
  canvas.DrawText(warning ? "!" : "i", text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A word wider than the text's room (a long file name has no spaces to wrap
// at) is broken where it stops fitting, so that the box never grows wider.
std::string BreakLongWords(const std::string& text, const TFont& font, int room) {
  TCanvas measure;
  measure.Font.Assign(font);
  std::string broken;
  std::string piece;  // the word's characters since its last break
  for (const char c : text) {
    if (c == ' ' || c == '\n' || c == '\r') {
      piece.clear();
    } else {
      if (!piece.empty() && measure.TextWidth(piece + c) > room) {
        broken += '\n';
        piece.clear();
      }
      piece += c;
    }
    broken += c;
  }
  return broken;
}

class TMessageForm : public TForm {
 public:
  TMessageForm(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) : TForm(nullptr) {
    SetName("MessageDialog");
    SetCaption(TitleOf(type));
    SetBorderStyle(TFormBorderStyle::bsDialog);
    BorderIcons = biSystemMenu;
    Position = TPosition::poScreenCenter;

    auto* sign = AddControl<TPaintBox>("Sign", kMargin, kMargin, kSignSize, kSignSize);
    sign->OnPaint = [sign, type](TComponent*) { DrawSign(sign->Canvas(), type); };

    // Until it wraps, a label sizes itself to its text, so it is told to wrap
    // before it is given its width and text.
    auto* message = new TLabel(this);
    message->SetName("Message");
    message->SetParent(this);
    message->SetShowAccelChar(false);
    message->SetWordWrap(true);
    message->SetBounds(kMargin * 2 + kSignSize, kMargin, kTextWidthLimit, 0);
    message->SetCaption(BreakLongWords(text, message->Font(), kTextWidthLimit));
    // A text too long for the screen is cut at the foot of the box, which
    // keeps its OK button on the screen.
    const int chrome = FrameRect().Height() - Height();
    const int text_room = Screen.Height() - chrome - 3 * kMargin - kButtonHeight;
    if (message->Height() > text_room) {
      message->SetAutoSize(false);
      message->SetHeight(text_room);
    }

    const bool with_cancel = (buttons & mbCancel) != 0;
    const int count = with_cancel ? 2 : 1;
    const int row_width = count * kButtonWidth + (count - 1) * kButtonGap;
    const int text_right = message->Left() + message->Width();
    const int width = std::max(text_right + kMargin, row_width + 2 * kMargin);
    const int button_top =
        std::max(message->Top() + message->Height(), kMargin + kSignSize) + kMargin;
    SetClientSize(width, button_top + kButtonHeight + kMargin);

    int left = (width - row_width) / 2;
    auto* ok = AddButton("OK", mrOk, left, button_top);
    ok->SetDefault(true);
    ok->SetCancel(!with_cancel);
    if (with_cancel) {
      left += kButtonWidth + kButtonGap;
      AddButton("Cancel", mrCancel, left, button_top)->SetCancel(true);
    }
    SetActiveControl(ok);
  }

 private:
  TButton* AddButton(const std::string& caption, TModalResult result, int left, int top) {
    auto* button = AddControl<TButton>(caption, left, top, kButtonWidth, kButtonHeight);
    button->SetCaption(caption);
    button->SetModalResult(result);
    return button;
  }
};

}  // namespace

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  TMessageForm form(text, type, buttons);
  const TModalResult result = form.ShowModal();
  return result == mrOk ? mrOk : mrCancel;
}
