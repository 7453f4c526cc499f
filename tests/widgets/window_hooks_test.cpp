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
  TKxHook* MakeHook(const std::string& name, bool handles_before) {
    auto* hook = new TKxHook(&owner);
    hook->OnBeforeProcess = [this, name, handles_before](TComponent*, TMessage& msg,
                                                         bool& handled) {
      if (msg.Msg != kProbe) return;
      journal.push_back(name + " before");
      handled = handles_before;
    };
    hook->OnAfterProcess = [this, name](TComponent*, TMessage& msg, bool&) {
      if (msg.Msg == kProbe) journal.push_back(name + " after");
    };
    return hook;
  }

  std::vector<std::string> journal;
  TComponent owner;
  TJournalControl control{nullptr, journal};
};

TEST_F(WindowHooksTest, TheNewestHookSeesEachMessageFirstAndMayStopIt) {
  TKxHook* first = MakeHook("first", false);
  TKxHook* second = MakeHook("second", false);
  first->SetControl(&control);
  first->SetActive(true);
  second->SetControl(&control);
  second->SetActive(true);
  control.Perform(kProbe);
  EXPECT_EQ(journal, (std::vector<std::string>{"second before", "first before", "control",
                                               "second after", "first after"}));

  journal.clear();
  second->OnBeforeProcess = [this](TComponent*, TMessage& msg, bool& handled) {
    if (msg.Msg == kProbe) journal.push_back("second stops it");
    handled = msg.Msg == kProbe;
  };
  control.Perform(kProbe);
  EXPECT_EQ(journal, (std::vector<std::string>{"second stops it", "second after", "first after"}));
}

TEST_F(WindowHooksTest, TheLastHookToGoGivesTheControlItsProcedureBack) {
  bool replaced_seen = false;
  control.WindowProc = [&, original = control.WindowProc](TMessage& msg) {
    replaced_seen = true;
    original(msg);
  };
  TKxHook* first = MakeHook("first", false);
  TKxHook* second = MakeHook("second", false);
  for (TKxHook* hook : {first, second}) {
    hook->SetControl(&control);
    hook->SetActive(true);
  }
  second->SetActive(false);
  control.Perform(kProbe);
  EXPECT_EQ(journal, (std::vector<std::string>{"first before", "control", "first after"}));
  delete first;
  journal.clear();
  replaced_seen = false;
  control.Perform(kProbe);
  EXPECT_EQ(journal, std::vector<std::string>{"control"});
  EXPECT_TRUE(replaced_seen);  // the procedure from before the hooks
}

TEST_F(WindowHooksTest, AHookWithoutAControlWaitsForOne) {
  TKxHook* hook = MakeHook("hook", false);
  hook->SetActive(true);
  EXPECT_TRUE(hook->Active());
  control.Perform(kProbe);
  EXPECT_EQ(journal, std::vector<std::string>{"control"});
  journal.clear();
  hook->SetControl(&control);
  control.Perform(kProbe);
  EXPECT_EQ(journal, (std::vector<std::string>{"hook before", "control", "hook after"}));
}

TEST_F(WindowHooksTest, AHookedControlMayGoFirst) {
  auto* doomed = new TJournalControl(nullptr, journal);
  TKxHook* hook = MakeHook("hook", false);
  hook->SetControl(doomed);
  hook->SetActive(true);
  delete doomed;
  EXPECT_EQ(hook->Control(), nullptr);
  EXPECT_FALSE(hook->Active());
  hook->SetControl(&control);
  EXPECT_FALSE(hook->Active());
  hook->SetActive(true);
  control.Perform(kProbe);
  EXPECT_EQ(journal, (std::vector<std::string>{"hook before", "control", "hook after"}));
}

}  // namespace
