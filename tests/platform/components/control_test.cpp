#include <gtest/gtest.h>

#include "platform/backend/headless_backend.h"
#include "platform/components/posted_messages.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "test_controls.h"

namespace {

class ControlTest : public ::testing::Test {
 protected:
  THeadlessSession session;
  TForm form;
};

TEST_F(ControlTest, AChildFollowsItsParentsFontAndColourUntilGivenItsOwn) {
  auto* panel = Place<TProbe>(&form, 0, 0, 50, 50);
  auto* child = Place<TProbe>(panel, 0, 0, 10, 10);
  form.Font().SetName("Times New Roman");
  form.SetColor(clRed);
  EXPECT_EQ(child->Font().Name(), "Times New Roman");
  EXPECT_EQ(child->Color(), clRed);

  child->Font().SetHeight(-16);
  child->SetColor(clBlue);
  form.Font().SetName("Arial");
  form.SetColor(clGreen);
  EXPECT_FALSE(child->ParentFont());
  EXPECT_EQ(child->Font().Name(), "Times New Roman");
  EXPECT_EQ(child->Color(), clBlue);
  EXPECT_EQ(panel->Font().Name(), "Arial");

  child->SetParentColor(true);
  EXPECT_EQ(child->Color(), clGreen);
}

TEST_F(ControlTest, ChangesAreAnnouncedOnlyWhenTheValueChanges) {
  auto* probe = Place<TProbe>(&form, 0, 0, 10, 10);
  probe->messages.clear();
  probe->SetText("Done");
  probe->SetText("Done");
  probe->SetEnabled(false);
  probe->SetVisible(false);
  probe->SetColor(clYellow);
  probe->Font().SetStyle(fsBold);
  EXPECT_EQ(probe->Count(CM_TEXTCHANGED), 1);
  EXPECT_EQ(probe->Count(CM_ENABLEDCHANGED), 1);
  EXPECT_EQ(probe->Count(CM_VISIBLECHANGED), 1);
  EXPECT_EQ(probe->Count(CM_COLORCHANGED), 1);
  EXPECT_EQ(probe->Count(CM_FONTCHANGED), 1);
}

TEST_F(ControlTest, PostedMessagesArriveInOrderAtTheNextPumpAndDieWithTheirTarget) {
  auto* first = Place<TProbe>(&form, 0, 0, 10, 10);
  auto* second = Place<TProbe>(&form, 0, 0, 10, 10);
  first->messages.clear();
  PostMessage(first, WM_USER + 1);
  PostMessage(second, WM_USER + 2);
  PostMessage(first, WM_USER + 3);
  EXPECT_TRUE(first->messages.empty());
  delete second;
  Application.ProcessMessages();
  EXPECT_EQ(first->messages, (std::vector<uint32_t>{WM_USER + 1, WM_USER + 3}));
  EXPECT_FALSE(HasPostedMessages());
  // A registered message gets one number of its own, above the fixed ones.
  const uint32_t cancel = RegisterWindowMessage("cancel pull-down menu");
  EXPECT_GE(cancel, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage("cancel pull-down menu"), cancel);
  EXPECT_NE(RegisterWindowMessage("another notice"), cancel);
}

TEST_F(ControlTest, AlignedChildrenShareTheClientAreaTopBottomThenClient) {
  form.SetClientSize(200, 100);
  auto* top = Place<TProbe>(&form, 0, 0, 10, 20);
  auto* bottom = Place<TProbe>(&form, 0, 0, 10, 30);
  auto* client = Place<TProbe>(&form, 0, 0, 10, 10);
  client->SetAlign(TAlign::alClient);
  top->SetAlign(TAlign::alTop);
  bottom->SetAlign(TAlign::alBottom);
  EXPECT_EQ(top->BoundsRect(), (TRect{0, 0, 200, 20}));
  EXPECT_EQ(bottom->BoundsRect(), (TRect{0, 70, 200, 100}));
  EXPECT_EQ(client->BoundsRect(), (TRect{0, 20, 200, 70}));

  form.SetClientSize(300, 120);
  EXPECT_EQ(client->BoundsRect(), (TRect{0, 20, 300, 90}));
}

}  // namespace
