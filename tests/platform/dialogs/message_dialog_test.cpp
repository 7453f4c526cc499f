#include <gtest/gtest.h>

#include "platform/backend/headless_backend.h"
#include "platform/controls/button.h"
#include "platform/dialogs/message_dialog.h"
#include "platform/forms/screen.h"
#include "platform/graphics/canvas.h"
#include "platform/input/key_codes.h"

namespace {

class MessageDialogTest : public ::testing::Test {
 protected:
  TModalResult AnswerWithKey(TMsgDlgButtons buttons, int key) {
    session.Backend().SetModalHook([&](TForm&) { session.Backend().PressKey(key); });
    return MessageDlg("No free corps slot.", TMsgDlgType::mtWarning, buttons);
  }
  THeadlessSession session;
};

TEST_F(MessageDialogTest, EnterChoosesOkAndEscapeCancelsAWarningWithTwoButtons) {
  EXPECT_EQ(AnswerWithKey(mbOKCancel, VK_RETURN), mrOk);
  EXPECT_EQ(AnswerWithKey(mbOKCancel, VK_ESCAPE), mrCancel);
}

TEST_F(MessageDialogTest, EscapeClosesAnInformationBoxWithOnlyOk) {
  EXPECT_EQ(AnswerWithKey(mbOK, VK_ESCAPE), mrOk);
}

TEST_F(MessageDialogTest, TheBoxIsModalCentredAndShowsItsTextAndButtons) {
  session.Backend().SetModalHook([&](TForm& form) {
    EXPECT_EQ(form.Name(), "MessageDialog");
    const TRect frame = form.FrameRect();
    EXPECT_LE(std::abs(frame.Left + frame.Right - Screen.Width()), 1);
    EXPECT_LE(std::abs(frame.Top + frame.Bottom - Screen.Height()), 1);
    EXPECT_EQ(FindOwned<TControl>(form, "Message")->Caption(), "Not enough supplies.");
    EXPECT_EQ(FindOwned<TButton>(form, "Cancel"), nullptr);
    session.Backend().Click(*FindOwned<TButton>(form, "OK"));
  });
  EXPECT_EQ(MessageDlg("Not enough supplies.", TMsgDlgType::mtInformation, mbOK), mrOk);
  EXPECT_EQ(session.Backend().ModalCount(), 1);
}

// Every message fits the game's frame with its OK button on it: a word wider
// than a line of the box (a long file name) is broken where it stops fitting,
// one that fits is not, and a text taller than the frame is cut at the foot.
TEST_F(MessageDialogTest, EveryMessageFitsTheFrameWithItsOkButtonOnIt) {
  constexpr int kLineWidth = 360;  // the room of the box's lines
  TFont font;
  int line_height = 0;
  session.Backend().SetModalHook([&](TForm& form) {
    const TControl* message = FindOwned<TControl>(form, "Message");
    font.Assign(message->Font());
    line_height = message->Height();
    session.Backend().Click(*FindOwned<TButton>(form, "OK"));
  });
  MessageDlg("m", TMsgDlgType::mtInformation, mbOK);
  // The widest word of "m" and "i" that a line holds.
  TCanvas measure;
  measure.Font.Assign(font);
  std::string widest;
  for (const char c : {'m', 'i'}) {
    while (measure.TextWidth(widest + c) <= kLineWidth) widest += c;
  }
  const std::string long_name(260, 'x');
  std::string tall;
  for (int i = 0; i < 1000; ++i) tall += "word ";

  struct Row {
    const char* case_name;
    std::string text;
    int lines;  // 0: as many as the frame holds
  };
  const Row rows[] = {
      {"a short message", "No free supplies.", 1},
      {"the widest word a line holds", widest, 1},
      {"one letter wider", widest + "i", 2},
      {"a long file name", long_name, 0},
      {"a sentence naming it", "The game /tmp/" + long_name + " was not saved: it is too long.", 0},
      {"a text taller than the frame", tall, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.case_name);
    session.Backend().SetModalHook([&](TForm& form) {
      const TRect frame = form.FrameRect();
      EXPECT_GE(frame.Left, 0);
      EXPECT_GE(frame.Top, 0);
      EXPECT_LE(frame.Right, Screen.Width());
      EXPECT_LE(frame.Bottom, Screen.Height());
      const TControl* message = FindOwned<TControl>(form, "Message");
      EXPECT_LE(message->Width(), kLineWidth);
      if (row.lines > 0) {
        EXPECT_EQ(message->Height(), row.lines * line_height);
      }
      const auto* ok = FindOwned<TButton>(form, "OK");
      const TPoint top_left = ok->ClientToScreen({0, 0});
      const TPoint bottom_right = ok->ClientToScreen({ok->Width(), ok->Height()});
      EXPECT_GE(top_left.Y, message->ClientToScreen({0, message->Height()}).Y);
      EXPECT_TRUE(top_left.X >= frame.Left && top_left.Y >= frame.Top);
      EXPECT_TRUE(bottom_right.X <= frame.Right && bottom_right.Y <= frame.Bottom);
      session.Backend().Click(*ok);
    });
    EXPECT_EQ(MessageDlg(row.text, TMsgDlgType::mtWarning, mbOK), mrOk);
  }
}

}  // namespace
