#include <gtest/gtest.h>

#include "platform/backend/headless_backend.h"
#include "platform/controls/button.h"
#include "platform/dialogs/message_dialog.h"
#include "platform/forms/screen.h"
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

}  // namespace
