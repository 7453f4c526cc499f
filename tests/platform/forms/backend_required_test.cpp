// The game must never start headless by mistake: with no backend installed the
// application refuses, naming what is missing, instead of making one up.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"

namespace {

TEST(BackendRequiredTest, TheApplicationRefusesToRunWithoutAnInstalledBackend) {
  try {
    Application.Now();
    FAIL() << "ran without a backend";
  } catch (const std::logic_error& error) {
    EXPECT_NE(std::string(error.what()).find("no backend is installed"), std::string::npos);
  }
  THeadlessSession session;
  EXPECT_EQ(&Application.Backend(), &session.Backend());
}

}  // namespace
