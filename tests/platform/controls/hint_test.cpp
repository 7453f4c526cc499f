#include <string>
#include <vector>

#include "control_form.h"
#include "platform/controls/panel.h"
#include "platform/forms/hint_window.h"

namespace {

// Two panels side by side; the left one shows its hint.
class HintTest : public ControlTest {
 protected:
  HintTest() {
    left = Put<TPanel>(10, 10, 100, 50);
    right = Put<TPanel>(120, 10, 100, 50);
    left->SetHint("Left flank");
    left->SetShowHint(true);
  }
  std::string ShownHint() const {
    THintWindow* window = Application.HintWindow();
    return window && window->Visible() ? window->Caption() : "";
  }
  TPanel* left;
  TPanel* right;
};

TEST_F(HintTest, AHintShowsBelowThePointerAfterThePauseAndGoesAfterTheHidePause) {
  backend().MouseMove({30, 20});
  backend().Advance(499);
  EXPECT_EQ(ShownHint(), "");
  backend().Advance(1);
  EXPECT_EQ(ShownHint(), "Left flank");
  EXPECT_EQ(Application.HintWindow()->Left(), 30);
  EXPECT_EQ(Application.HintWindow()->Top(), 40);
  backend().Advance(2499);
  EXPECT_EQ(ShownHint(), "Left flank");
  backend().Advance(1);
  EXPECT_EQ(Application.HintWindow(), nullptr);
  backend().Advance(5000);
  EXPECT_EQ(Application.HintWindow(), nullptr);
}

TEST_F(HintTest, TheControlIsAskedWhatToShowAndWhereAndMayRefuse) {
  std::vector<TPoint> asked;
  bool refuse = false;
  TWndMethod proc = left->WindowProc;
  left->WindowProc = [&, proc](TMessage& message) {
    proc(message);
    if (message.Msg != CM_HINTSHOW) return;
    auto& info = *reinterpret_cast<THintInfo*>(message.LParam);
    asked.push_back(info.CursorPos);
    info.HintStr += " (2nd corps)";
    info.HintPos = {200, 150};
    message.Result = refuse ? 1 : 0;
  };
  backend().MouseMove({30, 20});
  backend().Advance(500);
  EXPECT_EQ(asked, (std::vector<TPoint>{{20, 10}}));
  EXPECT_EQ(ShownHint(), "Left flank (2nd corps)");
  EXPECT_EQ(Application.HintWindow()->Left(), 200);
  EXPECT_EQ(Application.HintWindow()->Top(), 150);

  backend().MouseMove({130, 20});
  EXPECT_EQ(Application.HintWindow(), nullptr);
  refuse = true;
  backend().MouseMove({30, 20});
  backend().Advance(500);
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_EQ(Application.HintWindow(), nullptr);
}

TEST_F(HintTest, OnlyControlsThatShowHintsAreAskedAndAPressEndsTheWait) {
  right->SetHint("Right flank");
  backend().MouseMove({130, 20});
  backend().Advance(1000);
  EXPECT_EQ(Application.HintWindow(), nullptr);

  backend().MouseMove({30, 20});
  backend().Advance(300);
  backend().Click({30, 20});
  backend().Advance(1000);
  EXPECT_EQ(Application.HintWindow(), nullptr);
  // The pointer has to go elsewhere before the same control hints again.
  backend().MouseMove({130, 20});
  backend().MouseMove({30, 20});
  backend().Advance(500);
  EXPECT_EQ(ShownHint(), "Left flank");
}

}  // namespace
