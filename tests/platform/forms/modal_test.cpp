#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/components/focus.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "tests/platform/components/test_controls.h"

namespace {

// A dialog with one button that closes it with OK.
class TDialog : public TForm {
 public:
  explicit TDialog(const std::string& name) : TForm(nullptr) {
    SetName(name);
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetBounds(0, 0, 200, 100);
    Button1 = Place<TProbe>(this, 10, 10, 80, 25);
    Button1->SetName("Button1");
    Button1->OnClick = [this](TComponent*) { SetModalResult(mrOk); };
  }
  TProbe* Button1;
};

class ModalTest : public ::testing::Test {
 protected:
  THeadlessBackend& backend() { return session.Backend(); }
  THeadlessSession session;
};

// The loop ends only once the handler that set the result has returned, even
// if that handler pumps; a form opened from a handler closes first.
TEST_F(ModalTest, ModalFormsNestAndEachEndsAfterTheHandlerThatSetItsResult) {
  TDialog orders("Orders");
  TDialog brigades("Brigades");
  std::vector<std::string> events;
  orders.Button1->OnClick = [&](TComponent*) {
    events.push_back("brigades closed with " + std::to_string(brigades.ShowModal()));
    orders.SetModalResult(mrOk);
    Application.ProcessMessages();
    events.push_back(orders.Visible() ? "orders handler returns" : "orders closed early");
  };
  backend().SetModalHook([&](TForm& form) {
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(Screen.ActiveForm(), &form);
    events.push_back(form.Name() + " is modal");
    backend().Click(*FindOwned<TControl>(form, "Button1"));
  });
  events.push_back("orders closed with " + std::to_string(orders.ShowModal()));
  EXPECT_EQ(events, (std::vector<std::string>{"Orders is modal", "Brigades is modal",
                                              "brigades closed with 1", "orders handler returns",
                                              "orders closed with 1"}));
  EXPECT_FALSE(orders.Visible());
  EXPECT_FALSE(orders.Modal());
  EXPECT_EQ(backend().ModalCount(), 2);
}

TEST_F(ModalTest, OnCloseCanRefuseAResultAndKeepTheFormOpen) {
  TDialog dialog("Dialog");
  int refusals = 0;
  dialog.OnClose = [&](TComponent*, TCloseAction& action) {
    if (refusals++ > 0) return;
    action = TCloseAction::caNone;
    // The form stays open, so a second click can reach it.
    Application.QueueCall([&] { backend().Click(*dialog.Button1); });
  };
  backend().SetModalHook([&](TForm&) { backend().Click(*dialog.Button1); });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(refusals, 2);
}

TEST_F(ModalTest, AModalFormNobodyAnswersFailsInsteadOfHanging) {
  TDialog dialog("Forgotten");
  EXPECT_THROW(dialog.ShowModal(), EUnansweredModal);
  EXPECT_FALSE(dialog.Modal());
  EXPECT_EQ(Screen.FormCount(), 0);
}

TEST_F(ModalTest, AModalFormTakesTheInputAndGivesTheFocusBackWhenItCloses) {
  TDialog main("Main");
  main.SetBounds(0, 0, TScreen::kWidth, TScreen::kHeight);
  auto* map = Place<TProbe>(&main, 0, 100, 100, 100);
  map->SetTabStop(true);
  main.Show();
  TDialog dialog("Dialog");
  backend().SetModalHook([&](TForm&) {
    backend().Click({50, 150});  // on the map, outside the dialog: ignored
    EXPECT_EQ(map->Count(WM_LBUTTONDOWN), 0);
    backend().Click(*dialog.Button1);
  });
  dialog.ShowModal();
  EXPECT_EQ(Screen.ActiveForm(), &main);
  EXPECT_EQ(FocusedControl(), map);
}

TEST_F(ModalTest, ATimerTicksInsideAModalLoopButNeverReentersItsOwnHandler) {
  TDialog notice("Notice");
  TTimer movement;
  movement.SetInterval(100);
  TTimer hotspot;
  hotspot.SetInterval(55);
  int movement_ticks = 0;
  int movement_depth = 0;
  int hotspot_ticks_while_open = 0;
  bool reentered = false;
  movement.OnTimer = [&](TComponent*) {
    reentered = reentered || movement_depth > 0;
    ++movement_depth;
    if (++movement_ticks == 1) notice.ShowModal();
    --movement_depth;
  };
  hotspot.OnTimer = [&](TComponent*) { hotspot_ticks_while_open += notice.Modal() ? 1 : 0; };
  backend().SetModalHook([&](TForm&) {
    backend().Advance(1000);
    backend().Click(*notice.Button1);
  });
  backend().Advance(100);
  EXPECT_FALSE(reentered);
  EXPECT_EQ(hotspot_ticks_while_open, 19);  // every 55 ms from 110 to 1100
  // Once the handler has returned, the timer ticks again, one tick for the
  // time it was busy rather than a backlog.
  backend().Advance(100);
  EXPECT_EQ(movement_ticks, 2);
}

// A timer counts its interval afresh when turned on or given a new interval.
TEST_F(ModalTest, ATimerTicksAFullIntervalAfterItIsTurnedOnOrChanged) {
  TTimer timer;
  int ticks = 0;
  timer.OnTimer = [&](TComponent*) { ++ticks; };
  timer.SetInterval(100);
  backend().Advance(60);
  timer.SetInterval(200);
  const std::pair<int, int> steps[] = {{199, 0}, {1, 1}, {199, 1}, {1, 2}};
  for (const auto& [ms, expected] : steps) {
    backend().Advance(static_cast<uint64_t>(ms));
    EXPECT_EQ(ticks, expected);
  }
  timer.SetEnabled(false);
  backend().Advance(1000);
  timer.SetEnabled(true);
  backend().Advance(199);
  EXPECT_EQ(ticks, 2);
  backend().Advance(1);
  EXPECT_EQ(ticks, 3);
}

TEST_F(ModalTest, ATimerMayFreeItselfInItsOwnHandler) {
  auto* timer = new TTimer(nullptr);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TComponent*) {
    ++ticks;
    delete timer;
  };
  backend().Advance(100);
  EXPECT_EQ(ticks, 1);
}

TEST_F(ModalTest, CallsQueuedFromAnotherThreadRunOnTheNextPump) {
  int ran = 0;
  std::thread worker([&] { Application.QueueCall([&] { ++ran; }); });
  worker.join();
  EXPECT_EQ(ran, 0);
  Application.ProcessMessages();
  EXPECT_EQ(ran, 1);
}

TEST_F(ModalTest, ACaughtExceptionGoesToTheHandlerOrOnUpWhenThereIsNone) {
  const auto error = std::make_exception_ptr(std::runtime_error("bad caption"));
  EXPECT_THROW(Application.HandleException(error), std::runtime_error);
  int reported = 0;
  Application.OnException = [&](std::exception_ptr) { ++reported; };
  Application.HandleException(error);
  Application.OnException = nullptr;
  EXPECT_EQ(reported, 1);
}

// Closing the main form ends the application's loop; terminating ends every
// open modal loop with Cancel.
TEST_F(ModalTest, TheApplicationEndsWithItsMainFormOrWhenTerminated) {
  TDialog main("Main");
  Application.SetMainForm(&main);
  Application.QueueCall([&] { main.Close(); });
  Application.Run();
  EXPECT_TRUE(Application.Terminated());
  EXPECT_FALSE(main.Visible());

  TDialog outer("Outer");
  TDialog inner("Inner");
  TModalResult inner_result = mrNone;
  backend().SetModalHook([&](TForm& form) {
    if (&form == &outer) {
      inner_result = inner.ShowModal();
    } else {
      Application.Terminate();
    }
  });
  EXPECT_EQ(outer.ShowModal(), mrCancel);
  EXPECT_EQ(inner_result, mrCancel);
}

// A battle form refuses to close until it has been fought; closing the window
// over it must still end the program rather than spin in its loop.
TEST_F(ModalTest, TerminatingEndsAModalFormThatRefusesToClose) {
  TDialog battle("Battle");
  int asked = 0;
  battle.OnClose = [&](TComponent*, TCloseAction& action) {
    ++asked;
    action = TCloseAction::caNone;
  };
  backend().SetModalHook([&](TForm&) { Application.Terminate(); });
  EXPECT_EQ(battle.ShowModal(), mrCancel);
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(battle.Visible());
}

}  // namespace
