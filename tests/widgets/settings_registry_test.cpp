// The settings store kept in the registry instead of a tree of its own.
#include <gtest/gtest.h>

#include "widgets/settings_store.h"

namespace {

class SettingsRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistryStore();
    store.SetPath("\\Graymarch\\Options\\");
    store.SetUseRegistry(true);
  }
  void TearDown() override { ClearRegistryStore(); }

  TKxIniFile store;
};

TEST_F(SettingsRegistryTest, OperationsThatNeedTheTreeAreRefused) {
  const struct {
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {[&] { store.CreateValue("", "x"); }, "CreateValue method is not available when using registry."},
      {[&] { store.SetDelimiter('/'); }, "Changing delimiter is not available when using registry."},
  };
  for (const auto& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << "allowed: " << c.message;
    } catch (const EKxIniError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
  store.SetDelimiter('\\');
  EXPECT_FALSE(store.Load());
  EXPECT_FALSE(store.Save());
}

TEST_F(SettingsRegistryTest, ValuesLandBelowTheNormalisedPathAndReadBackByType) {
  EXPECT_EQ(store.Path(), "\\Graymarch\\Options");
  EXPECT_TRUE(store.WriteString("Map", "Scale", "2"));
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Graymarch\\Options\\Map", false));
  EXPECT_EQ(registry.ReadString("Scale"), "2");
  registry.WriteInteger("Sound", 1);
  registry.WriteBinaryData("Colours", {0x10, 0xFF});
  bool flag = false;
  EXPECT_TRUE(store.ReadBool("\\Map", "Sound", flag, false));
  EXPECT_TRUE(flag);
  EXPECT_FALSE(store.ReadBool("\\Map", "Scale", flag, false));  // a string is no flag
  std::string text;
  EXPECT_TRUE(store.ReadString("Map", "Colours", text, ""));
  EXPECT_EQ(text, "4B58 2 10 FF ");
  EXPECT_FALSE(store.ReadString("Map", "Missing", text, "none"));
  EXPECT_EQ(text, "none");
}

TEST_F(SettingsRegistryTest, KeysOpenRelativeToTheCurrentOneAndReadsComeBackToIt) {
  EXPECT_TRUE(store.OpenKey("Union", true));
  EXPECT_TRUE(store.OpenKey("Army", true));
  EXPECT_TRUE(store.WriteString("", "Commander", "Meade"));
  EXPECT_TRUE(store.WriteString("\\Confederacy", "Commander", "Lee"));
  EXPECT_EQ(store.CurrentPath(), "\\Union\\Army");
  EXPECT_FALSE(store.OpenKey("\\Union\\Navy", false));
  EXPECT_EQ(store.CurrentPath(), "\\Union\\Army");
  EXPECT_EQ(store.GetKeyNames("\\"), (std::vector<std::string>{"Confederacy", "Union"}));
  EXPECT_TRUE(store.RenameValue("", "Commander", "General"));
  EXPECT_EQ(store.GetValueNames(""), std::vector<std::string>{"General"});
  EXPECT_TRUE(store.DeleteKey("\\Union"));
  EXPECT_EQ(store.CurrentPath(), "\\");
  store.SetUseRegistry(false);
  EXPECT_FALSE(store.Modified());  // nothing for the tree to write on destruction
}

}  // namespace
