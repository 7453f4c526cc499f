#pragma once
// Which form shows a notice of each kind: its design name, caption line, OK
// button and how the player answers. The main window builds its forms from
// this table, and the rules ask it whether a kind is shown and takes a pick,
// so the two can never disagree.
#include <string_view>

// How the player answers a notice.
enum class NoticeAnswer {
  kNone,       // the lines only
  kOptions,    // one of up to six radio-button options
  kOneOption,  // option 1 alone, ticked or not
  kButtons,    // one of up to five buttons, each closing the form
};

// What the OK button says: text line 66, the "OK" of the form's design, or
// there is no OK button (the buttons of the answer close the form).
enum class NoticeOk { kTextLine66, kDesign, kNone };

struct NoticeForm {
  int kind;
  std::string_view form;  // the design's class name
  int caption_line;       // text line of the caption; 0 for none
  NoticeOk ok;
  NoticeAnswer answer;
  bool transparent_lines;  // the four lines are drawn straight on the picture
  bool hourglass_after;    // the hourglass returns once the form is closed
};

// The form of the kind; nothing for kinds 12, 13, 16, those above 25 and
// below 0, which are shown to no one.
const NoticeForm* NoticeFormOf(int kind);

// The form the monthly riot check shows, whatever the notice's kind.
const NoticeForm& DraftRiotingForm();
