#pragma once
// The main window opened on the files beside the game, shown on the headless
// backend, with the window's own GameWindow installed. Modal forms are
// answered by `answer`; a form it leaves open is accepted with OK.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/backend/headless_backend.h"
#include "platform/forms/form.h"
#include "support/overlapping_controls.h"
#include "support/world_fixture.h"
#include "ui/main/main_form.h"
#include "ui/main/window_port.h"
#include "virtual_tick_clock.h"

class OpenedWindowTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    previous_ = InstallGameWindow(&port);
    ASSERT_EQ(window.FormCreate(), "");
    window.Show();
    session.Backend().SetModalHook([this](TForm& form) {
      ++modal_forms[form.Name()];
      ExpectControlsApart(form);
      if (answer) answer(form);
      if (form.ModalResult() == mrNone) form.SetModalResult(mrOk);
    });
  }
  void TearDown() override {
    InstallGameWindow(previous_);
    WorldTest::TearDown();
  }

  // Clicks the named control of a form as the player does.
  void ClickOn(TForm& form, const std::string& name) {
    session.Backend().Click(*FindOwned<TControl>(form, name));
  }
  TPoint OnMap(TPoint pixel) const { return window.BattleMap->ClientToScreen(pixel); }

  THeadlessSession session;
  VirtualTickClock clock;
  TGMRSDI window{GRAYMARCH_GAME_DIR, clock};
  TWindowPort port{window};
  std::function<void(TForm&)> answer;
  std::map<std::string, int> modal_forms;
  GameWindow* previous_ = nullptr;
};
