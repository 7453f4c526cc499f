#include "widgets/window_hooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/components/custom_control.h"

namespace {

constexpr uint32_t kProbe = WM_USER + 7;

class TJournalControl : public TCustomControl {
 public:
  TJournalControl(TComponent* owner, std::vector<std::string>& journal)
      : TCustomControl(owner), journal_(journal) {}

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == kProbe) journal_.push_back("control");
    TCustomControl::WndProc(message);
  }

 private:
  std::vector<std::string>& journal_;
};

class WindowHooksTest : public ::testing::Test {
 protected:
  TKxHook* MakeHook(const std::string& name, TControl* control) {
    auto* hook = new TKxHook(&owner);
    hook->OnBeforeProcess = [this, name](TComponent*, TMessage& msg, bool& handled) {
      if (msg.Msg != kProbe) return;
      journal.push_back(name + " before");
      handled = name == stopper;
    };
    hook->OnAfterProcess = [this, name](TComponent*, TMessage& msg, bool&) {
      if (msg.Msg == kProbe) journal.push_back(name + " after");
    };
    hook->SetControl(control);
    hook->SetActive(true);
    return hook;
  }
  std::vector<std::string> Probe() {
    journal.clear();
    control.Perform(kProbe);
    return journal;
  }

  using Journal = std::vector<std::string>;
  Journal journal;
  std::string stopper;
  TComponent owner;
  TJournalControl control{nullptr, journal};
};

// The newest hook sees each message first; the after-handlers run even for
// a message a hook stopped.
TEST_F(WindowHooksTest, TheNewestHookSeesEachMessageFirstAndMayStopIt) {
  MakeHook("first", &control);
  TKxHook* second = MakeHook("second", &control);
  EXPECT_EQ(Probe(),
            (Journal{"second before", "first before", "control", "second after", "first after"}));
  stopper = "second";
  EXPECT_EQ(Probe(), (Journal{"second before", "second after", "first after"}));
  second->SetActive(false);
  EXPECT_EQ(Probe(), (Journal{"first before", "control", "first after"}));
}

TEST_F(WindowHooksTest, TheLastHookToGoGivesTheControlItsProcedureBack) {
  bool replaced_seen = false;
  control.WindowProc = [&, original = control.WindowProc](TMessage& msg) {
    replaced_seen = true;
    original(msg);
  };
  delete MakeHook("first", &control);
  EXPECT_EQ(Probe(), Journal{"control"});
  EXPECT_TRUE(replaced_seen);  // the procedure from before the hooks
}

TEST_F(WindowHooksTest, AHookWaitsForAControlAndLetsGoOfOneThatGoesFirst) {
  auto* doomed = new TJournalControl(nullptr, journal);
  TKxHook* hook = MakeHook("hook", doomed);
  delete doomed;
  EXPECT_EQ(hook->Control(), nullptr);
  EXPECT_FALSE(hook->Active());
  hook->SetActive(true);
  EXPECT_EQ(Probe(), Journal{"control"});
  hook->SetControl(&control);
  EXPECT_EQ(Probe(), (Journal{"hook before", "control", "hook after"}));
}

}  // namespace
