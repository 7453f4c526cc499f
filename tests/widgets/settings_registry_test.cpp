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
  const auto message = [](const std::function<void()>& call) {
    try {
      call();
    } catch (const EKxIniError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { store.CreateValue("", "x"); }),
            "CreateValue method is not available when using registry.");
  EXPECT_EQ(message([&] { store.GetValueEntry("", "x"); }),
            "GetValueEntry method is not available when using registry.");
  EXPECT_EQ(message([&] { store.RenameKey("a", "b"); }),
            "Key can not be renamed when using registry.");
  EXPECT_EQ(message([&] { store.SetValueType("", "x", ivtString); }),
            "SetValueType method is not available when using registry.");
  EXPECT_EQ(message([&] { store.SetDelimiter('/'); }),
            "Changing delimiter is not available when using registry.");
  EXPECT_EQ(message([&] { store.SetDelimiter('\\'); }), "no error");
  EXPECT_FALSE(store.Load());
  EXPECT_FALSE(store.Save());
}

TEST_F(SettingsRegistryTest, PathIsNormalisedAndValuesLandBelowIt) {
  EXPECT_EQ(store.Path(), "\\Graymarch\\Options");
  EXPECT_TRUE(store.WriteString("Map", "Scale", "2"));
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Graymarch\\Options\\Map", false));
  EXPECT_EQ(registry.ReadString("Scale"), "2");
  registry.WriteInteger("Sound", 1);
  registry.WriteInteger("Music", 0);
  registry.WriteBinaryData("Colours", {0x10, 0xFF});

  bool flag = false;
  EXPECT_TRUE(store.ReadBool("\\Map", "Sound", flag, false));
  EXPECT_TRUE(flag);
  EXPECT_TRUE(store.ReadBool("\\Map", "Music", flag, true));
  EXPECT_FALSE(flag);
  EXPECT_FALSE(store.ReadBool("\\Map", "Scale", flag, true));  // a string is no flag
  EXPECT_TRUE(flag);
  std::string text;
  EXPECT_TRUE(store.ReadString("Map", "Sound", text, ""));
  EXPECT_EQ(text, "1");
  EXPECT_TRUE(store.ReadString("Map", "Colours", text, ""));
  EXPECT_EQ(text, "4B58 2 10 FF ");
  EXPECT_FALSE(store.ReadString("Map", "Missing", text, "none"));
  EXPECT_EQ(text, "none");

  store.SetPath("");
  EXPECT_EQ(store.Path(), "\\");
}

TEST_F(SettingsRegistryTest, KeysOpenRelativeToTheCurrentOneAndReadsComeBackToIt) {
  EXPECT_TRUE(store.OpenKey("Union", true));
  EXPECT_TRUE(store.OpenKey("Army", true));
  EXPECT_EQ(store.CurrentPath(), "\\Union\\Army");
  EXPECT_TRUE(store.WriteString("", "Commander", "Meade"));
  EXPECT_TRUE(store.WriteString("\\Confederacy", "Commander", "Lee"));
  EXPECT_EQ(store.CurrentPath(), "\\Union\\Army");
  EXPECT_TRUE(store.KeyExists("\\Union"));
  EXPECT_FALSE(store.OpenKey("\\Union\\Navy", false));
  EXPECT_EQ(store.CurrentPath(), "\\Union\\Army");
  EXPECT_EQ(store.GetKeyNames("\\"), (std::vector<std::string>{"Confederacy", "Union"}));
  EXPECT_EQ(store.GetValueNames(""), std::vector<std::string>{"Commander"});
  EXPECT_TRUE(store.RenameValue("", "Commander", "General"));
  EXPECT_TRUE(store.DeleteValue("", "General"));
  EXPECT_TRUE(store.GetValueNames("").empty());

  EXPECT_TRUE(store.DeleteKey("\\Union"));
  EXPECT_EQ(store.CurrentPath(), "\\");
  store.ClearKey("\\");
  EXPECT_TRUE(store.GetKeyNames("\\").empty());
  store.SetUseRegistry(false);
  EXPECT_FALSE(store.UseRegistry());
  EXPECT_FALSE(store.Modified());  // nothing for the tree to write on destruction
}

}  // namespace
