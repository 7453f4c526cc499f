#include "ui/main/notices/notice_form.h"

#include <algorithm>

#include "platform/controls/button.h"
#include "platform/forms/screen.h"
#include "platform/graphics/canvas.h"
#include "ui/main/notices/notice_lines.h"
#include "widgets/graphic_button.h"
#include "world/game_window.h"
#include "world/text_table.h"

namespace {

struct Box {
  int left, top, width, height;
};

// Where a family of forms puts its controls.
struct NoticeLayout {
  TSize size;
  int line_left;
  std::array<int, 4> line_tops;
  int line_height;
  int option_left;  // the radio buttons; their captions follow option_gap to the right
  int option_gap;
  std::array<int, 6> option_tops;
  TSize radio_size;
  Box button;
};

// The standard dialog's text and buttons stand a few pixels further in than the
// others', clear of the thin rule round its picture.
constexpr NoticeLayout kStandardLayout{{387, 168}, 8,           {7, 20, 33, 46},
                                       13,         225,         13,
                                       {9, 22, 37, 50, 63, 76}, {12, 13},
                                       {286, 138, 93, 22}};
constexpr NoticeLayout kReportLayout{{389, 167}, 12,           {6, 26, 48, 68},
                                     18,         216,          14,
                                     {8, 28, 48, 68, 88, 108}, {13, 17},
                                     {270, 134, 113, 29}};
constexpr NoticeLayout kRebellionLayout{{479, 206}, 15,           {8, 34, 60, 86},
                                        20,         266,          20,
                                        {10, 34, 58, 82, 106, 130}, {13, 17},
                                        {335, 158, 139, 45}};
// The foreign-affairs form's answers, one button each, down its right side.
constexpr std::array<int, 5> kAnswerButtonTops = {3, 34, 64, 94, 124};
// The lines and the options' captions stop this short of the form's right edge,
// clear of the border of its picture, and the lines this short of the options
// or answer buttons beside them.
constexpr int kRightMargin = 4;
constexpr int kGap = 4;
constexpr int kNoAnswerGivenLine = 477;

const NoticeLayout& LayoutOf(const NoticeForm& row) {
  if (row.kind == 0) return kStandardLayout;
  if (row.form == "TRebellion") return kRebellionLayout;
  return kReportLayout;
}

// Where the lines end: before the options or answer buttons at their right.
int LinesRight(const NoticeForm& row) {
  const NoticeLayout& layout = LayoutOf(row);
  switch (row.answer) {
    case NoticeAnswer::kOptions:
    case NoticeAnswer::kOneOption:
      return layout.option_left - kGap;
    case NoticeAnswer::kButtons:
      return layout.button.left - kGap;
    case NoticeAnswer::kNone:
      break;
  }
  return layout.size.cx - kRightMargin;
}

// Where the lines end at the foot: above the closing button when they reach
// over its column, else at the form's border.
int LinesBottom(const NoticeForm& row) {
  const NoticeLayout& layout = LayoutOf(row);
  if (LinesRight(row) > layout.button.left) return layout.button.top - kGap;
  return layout.size.cy - kRightMargin;
}

void SetButtonCaption(TControl& button, const std::string& caption) {
  if (auto* graphic = dynamic_cast<TKxGraphicButton*>(&button))
    graphic->SetCaption(caption);
  else
    button.SetCaption(caption);
}

void UseNoticeFont(TControl& label) {
  label.Font().SetName("Times New Roman");
  label.Font().SetHeight(-11);
  label.Font().SetStyle(fsBold);
  label.Font().SetColor(clBlack);
}

}  // namespace

TNoticeForm::TNoticeForm(const NoticeForm& row, TEventMessage& notice,
                         const Table<TEventOption, 6>& options)
    : TOrderForm(std::string(row.form), LayoutOf(row).size.cx, LayoutOf(row).size.cy),
      row_(row),
      notice_(notice),
      options_(options) {
  const NoticeLayout& layout = LayoutOf(row);
  if (row.kind == 0) FormStyle = TFormStyle::fsStayOnTop;
  if (row.answer == NoticeAnswer::kOneOption) SetBorderStyle(TFormBorderStyle::bsDialog);
  const int right = layout.size.cx - kRightMargin;
  const int lines_right = LinesRight(row);
  for (int i = 0; i < 4; ++i) {
    Lines[i] = AddLabel(this, Numbered("Label", i + 1), layout.line_left, layout.line_tops[i],
                        lines_right - layout.line_left, layout.line_height);
    // A plate behind the text, as wide as the text, where the lines are not
    // drawn straight on the picture.
    Lines[i]->SetTransparent(row.transparent_lines);
    Lines[i]->SetAutoSize(!row.transparent_lines);
    UseNoticeFont(*Lines[i]);
  }
  for (int k = 0; k < 6; ++k) {
    const int top = layout.option_tops[k];
    Options[k] = AddControl<TRadioButton>(Numbered("RadioButton", k + 1), layout.option_left, top,
                                          layout.radio_size.cx, layout.radio_size.cy);
    const int caption_left = layout.option_left + layout.option_gap;
    OptionLabels[k] = AddLabel(this, Numbered("Label", k + 5), caption_left, top,
                               right - caption_left, layout.line_height);
    UseNoticeFont(*OptionLabels[k]);
  }
  AddButtons();
}

void TNoticeForm::AddButtons() {
  const Box& at = LayoutOf(row_).button;
  if (row_.answer == NoticeAnswer::kOneOption) {
    auto* button = AddControl<TButton>("Button1", at.left, at.top, at.width, at.height);
    button->SetCaption("Done");
    button->SetModalResult(mrOk);
    Buttons[0] = button;
    return;
  }
  const bool answers = row_.answer == NoticeAnswer::kButtons;
  const int count = answers ? 5 : 1;
  for (int b = 0; b < count; ++b) {
    const int top = answers ? kAnswerButtonTops[b] : at.top;
    auto* button = AddControl<TKxGraphicButton>(Numbered("Button", b + 1), at.left, top, at.width,
                                                at.height);
    button->SetCaption(answers ? "Done" : "OK");
    button->SetModalResult(mrOk);
    if (answers) button->OnClick = [this, b](TComponent*) { notice_.Choice = static_cast<std::uint16_t>(b + 1); };
    Buttons[b] = button;
  }
}

void TNoticeForm::Run() {
  if (row_.caption_line != 0) SetCaption(TextLine(row_.caption_line));
  if (row_.ok == NoticeOk::kTextLine66) SetButtonCaption(*Buttons[0], TextLine(66));
  FillLines();
  OfferOptions();
  if (row_.answer == NoticeAnswer::kButtons) OfferButtons();
  Screen.SetCursor(crDefault);
  ShowModal();
  if (row_.hourglass_after) Screen.SetCursor(crHourGlass);
  ReadChoice();
}

// A line too wide for its width goes on over further rows, the lines after it
// moving down, as far as the room above the closing button or the form's foot
// allows; past that the longest line is cut in its middle.
void TNoticeForm::FillLines() {
  const NoticeLayout& layout = LayoutOf(row_);
  const int width = LinesRight(row_) - layout.line_left;
  TCanvas measure;
  measure.Font.Assign(Lines[0]->Font());
  const int row_height = measure.TextHeight("Ag");
  const int last_line_bottom = layout.line_tops[3] + layout.line_height;
  const int spare_rows = std::max(0, (LinesBottom(row_) - last_line_bottom) / row_height);
  const std::array<std::string, 4> texts = {notice_.Line1.str(), notice_.Line2.str(),
                                            notice_.Line3.str(), notice_.Line4.str()};
  const auto rows = FitLines(measure, texts, width, spare_rows);
  int pushed_down = 0;
  for (int i = 0; i < 4; ++i) {
    const int count = static_cast<int>(rows[i].size());
    std::string shown;
    for (const std::string& row : rows[i]) shown += (shown.empty() ? "" : "\n") + row;
    // A line without words is hidden, or its plate would stand there empty.
    Lines[i]->SetVisible(count > 0);
    Lines[i]->SetAutoSize(false);
    Lines[i]->SetBounds(layout.line_left, layout.line_tops[i] + pushed_down, width,
                        layout.line_height + std::max(0, count - 1) * row_height);
    Lines[i]->SetCaption(shown);
    Lines[i]->SetAutoSize(!row_.transparent_lines);
    pushed_down += std::max(0, count - 1) * row_height;
  }
}

// An offered option shows its radio button and caption; the notice says which
// starts checked (option 1 unless it names another). The one-option form
// offers option 1 alone.
void TNoticeForm::OfferOptions() {
  const int offered = row_.answer == NoticeAnswer::kOptions     ? 6
                      : row_.answer == NoticeAnswer::kOneOption ? 1
                                                                : 0;
  for (int k = 0; k < 6; ++k) {
    const bool present = k < offered && options_[k + 1].Present != 0;
    Options[k]->SetChecked(false);
    Options[k]->SetVisible(present);
    OptionLabels[k]->SetVisible(present);
    if (present) OptionLabels[k]->SetCaption(options_[k + 1].Text.str());
  }
  const int start = OptionCheckedAtStart(notice_, options_);
  if (start != 0 && Options[start - 1]->Visible()) Options[start - 1]->SetChecked(true);
}

// Button 1 is always there, captioned by option 1 or a plain "go on"; the
// other buttons appear for their options. Option 6 is never a button.
void TNoticeForm::OfferButtons() {
  const bool first = options_[1].Present != 0;
  SetButtonCaption(*Buttons[0], first ? options_[1].Text.str() : TextLine(kNoAnswerGivenLine));
  for (int b = 1; b < 5; ++b) {
    const bool present = options_[b + 1].Present != 0;
    Buttons[b]->SetVisible(present);
    if (present) SetButtonCaption(*Buttons[b], options_[b + 1].Text.str());
  }
}

// The buttons answer as they are clicked; a checked radio button answers
// after the form has closed, and none checked is no answer.
void TNoticeForm::ReadChoice() {
  if (row_.answer == NoticeAnswer::kButtons) return;
  notice_.Choice = 0;
  for (int k = 0; k < 6; ++k) {
    if (Options[k]->Checked()) {
      notice_.Choice = static_cast<std::uint16_t>(k + 1);
      return;
    }
  }
}
