#include "widgets/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder =
        std::filesystem::temp_directory_path() /
        ("graymarch-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string PathOf(const std::string& name) const { return (folder / name).string(); }
  static std::string SavedText(const TKxIniFile& store) {
    std::ostringstream out;
    store.SaveTo(out);
    return out.str();
  }
  static std::string File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  std::filesystem::path folder;
};

// Each value takes the type its text reads back as, and is written back so.
TEST_F(SettingsStoreTest, TextValuesTakeTheirTypeFromTheirTextAndOddLinesSurviveARoundTrip) {
  TKxIniFile store;
  std::istringstream in(
      "; a comment line\r\n"
      "x=TRUE\r\ny=12\r\nz=3.4\r\nw=4B58 1 FF \r\nv=hello\r\nu=007\r\n"
      "just some words\r\n"
      "a[5]=p\r\n"
      "a[2]=q\r\n"
      "say=\"x=y ; not a comment\" ; a comment\r\n"
      "[Theatre\\West]\r\n"
      "river=Mississippi\r\n");
  ASSERT_TRUE(store.LoadFrom(in));
  const TKxIniEntry* root = store.Root();
  for (const auto& [name, type] : {std::pair{"x", ivtBoolean}, {"y", ivtInteger}, {"z", ivtIntPair},
                                   {"W", ivtBinary}, {"v", ivtString}, {"u", ivtString}}) {
    EXPECT_EQ(root->FindChild(name)->Type(), type) << name;
  }
  EXPECT_EQ(root->FindChild("w")->Binary(), std::vector<std::uint8_t>{0xFF});
  std::string value;
  ASSERT_TRUE(store.ReadString("\\Theatre\\West", "River", value, ""));
  EXPECT_EQ(value, "Mississippi");
  ASSERT_TRUE(store.ReadString("", "a", value, ""));
  EXPECT_EQ(value, "p\r\nq\r\n");
  EXPECT_EQ(SavedText(store),
            ";Automatically generated file. DO NOT MODIFY!!!\r\n"
            "x=true\r\ny=12\r\nz=3.4\r\nw=4B58 1 FF \r\nv=hello\r\nu=007\r\n"
            "just some words\r\n"
            "a[0]=p\r\n"
            "a[1]=q\r\n"
            "say=\"x=y ; not a comment\" \r\n"
            "\r\n[Theatre]\r\n"
            "\r\n[Theatre\\West]\r\n"
            "river=Mississippi\r\n");
}

TEST_F(SettingsStoreTest, KeysOpenRelativeOrFromTheRootAndFailWhereAPartIsMissing) {
  TKxIniFile store;
  EXPECT_TRUE(store.OpenKey("Union\\Army", true));
  EXPECT_TRUE(store.OpenKey("Corps", true));
  EXPECT_EQ(store.CurrentPath(), "\\Union\\Army\\Corps");
  EXPECT_FALSE(store.OpenKey("\\UNION\\Navy\\Fleet", false));
  EXPECT_EQ(store.CurrentPath(), "\\UNION");
  store.WriteString("\\Union\\Army", "Commander", "Grant");
  store.CreateValue("\\Union\\Army", "Corps Count")->SetInteger(7);
  store.SetValueType("\\Union\\Army", "Base", ivtIntPair);
  EXPECT_EQ(store.CurrentPath(), "\\UNION");
  // A flag reads only from a flag or a number; a text only from a non-pair.
  bool flag = true;
  EXPECT_FALSE(store.ReadBool("\\Union\\Army", "Commander", flag, false));
  EXPECT_TRUE(store.ReadBool("\\Union\\Army", "corps count", flag, false));
  EXPECT_TRUE(flag);
  std::string text;
  EXPECT_FALSE(store.ReadString("\\Union\\Army", "Base", text, "none"));
  EXPECT_EQ(text, "none");
  store.OpenKey("\\Union\\Army\\Corps", false);
  EXPECT_TRUE(store.DeleteKey("\\Union\\Army"));
  EXPECT_EQ(store.CurrentPath(), "\\Union");
}

TEST_F(SettingsStoreTest, SimpleModeKeepsWholePathsAsSectionsAndTogglesWithoutLoss) {
  TKxIniFile store;
  store.WriteString("\\North\\East", "State", "Maine");
  store.WriteString("\\South", "Motto", "12; or so");
  store.SetSimple(true);
  EXPECT_EQ(store.GetKeyNames("\\"), (std::vector<std::string>{"North", "North\\East", "South"}));
  std::string state;
  EXPECT_TRUE(store.ReadString("\\North\\East", "State", state, ""));
  EXPECT_EQ(state, "Maine");
  store.SetSimple(false);
  EXPECT_TRUE(store.ReadString("North\\East", "State", state, ""));
  EXPECT_EQ(state, "Maine");
  EXPECT_EQ(store.GetValueEntry("\\South", "Motto")->String(), "12; or so");
}

TEST_F(SettingsStoreTest, EveryTypeRoundTripsThroughTheBinaryForm) {
  TKxIniFile store;
  store.SetBinaryMode(true);
  store.SetPath(PathOf("settings.bin"));
  store.CreateValue("", "flag")->SetBool(true);
  store.CreateValue("\\A", "count")->SetInteger(-5);
  store.CreateValue("\\A", "name")->SetString("Lee");
  store.CreateValue("\\A\\B", "lines")->SetStrings({"one", "", "three"});
  store.CreateValue("\\A\\B", "data")->SetBinary({0, 1, 255});
  store.CreateValue("\\C", "pair")->SetIntPair(3, -4);
  ASSERT_TRUE(store.Save());
  EXPECT_FALSE(store.Modified());

  TKxIniFile copy;
  copy.SetBinaryMode(true);
  copy.SetPath(store.Path());
  ASSERT_TRUE(copy.Load());
  copy.SetBinaryMode(false);
  store.SetBinaryMode(false);
  EXPECT_EQ(SavedText(copy), SavedText(store));
}

// A file cut between records is a shorter file; one cut inside a record,
// or with a length that overruns its record or its file, is refused whole
// and the tree in memory kept.
TEST_F(SettingsStoreTest, TruncatedOrGarbledBinaryFilesAreRefusedAndTheTreeKept) {
  TKxIniFile store;
  store.SetBinaryMode(true);
  store.CreateValue("\\A", "lines")->SetStrings({"alpha", "beta"});
  store.CreateValue("\\A", "name")->SetString("Sherman");
  std::ostringstream out;
  store.SaveTo(out);
  const std::string image = out.str();
  const auto load = [](const std::string& bytes) {
    TKxIniFile reader;
    reader.SetBinaryMode(true);
    reader.WriteString("", "before", "kept");
    std::istringstream in(bytes);
    const bool loaded = reader.LoadFrom(in);
    std::string value;
    EXPECT_EQ(reader.ReadString("", "before", value, ""), !loaded);
    return loaded;
  };
  int refused = 0;
  for (size_t cut = 1; cut < image.size(); ++cut) refused += load(image.substr(0, cut)) ? 0 : 1;
  EXPECT_GT(refused, static_cast<int>(image.size()) - 6);

  // The list's record holds "alpha" (4 + 5 bytes) and "beta" (4 + 4).
  const size_t alpha = image.find("alpha");
  const size_t list_size = alpha - 8;
  const struct {
    const char* name;
    size_t at;
    char byte;
    bool loads;
  } cases[] = {
      {"whole", 0, image[0], true},
      {"string longer than its record", image.find("Sherman") - 4, '\x7F', false},
      {"element longer than its list", alpha - 4, '\x09', false},
      {"list one element short", list_size, '\x09', false},
      {"second element overruns the list", list_size, '\x0B', false},
  };
  for (const auto& c : cases) {
    std::string damaged = image;
    damaged[c.at] = c.byte;
    EXPECT_EQ(load(damaged), c.loads) << c.name;
  }
}

TEST_F(SettingsStoreTest, LazyWriteOffSavesEveryChangeAtOnceAndAStoredStoreLoadsOnSetUp) {
  const std::string path = PathOf("eager.ini");
  {
    TKxIniFile store;
    store.SetPath(path);
    store.SetLazyWrite(false);
    store.WriteString("\\Game\\Map", "Side", "Union");
    store.SetDelimiter('/');
    EXPECT_NE(File(path).find("[Game/Map]\r\nSide=Union"), std::string::npos);
  }
  TKxIniFile store;
  store.BeginLoad();
  store.SetPath(path);
  store.SetDelimiter('/');
  store.EndLoad();
  std::string side;
  EXPECT_TRUE(store.ReadString("/Game/Map", "Side", side, ""));
  EXPECT_EQ(side, "Union");
}

// The store kept in the registry refuses what needs a tree of its own, and
// leaves nothing for the tree to save once it goes back.
TEST_F(SettingsStoreTest, InTheRegistryValuesLandBelowThePathAndTreeOperationsAreRefused) {
  ClearRegistryStore();
  TKxIniFile store;
  store.SetPath("\\Graymarch\\Options\\");
  store.SetUseRegistry(true);
  EXPECT_EQ(store.Path(), "\\Graymarch\\Options");
  EXPECT_TRUE(store.WriteString("Map", "Scale", "2"));
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Graymarch\\Options\\Map", false));
  EXPECT_EQ(registry.ReadString("Scale"), "2");
  registry.WriteBinaryData("Colours", {0x10, 0xFF});
  std::string text;
  EXPECT_TRUE(store.ReadString("Map", "Colours", text, ""));
  EXPECT_EQ(text, "4B58 2 10 FF ");
  bool flag = false;
  EXPECT_FALSE(store.ReadBool("\\Map", "Scale", flag, false));  // a string is no flag
  EXPECT_TRUE(store.OpenKey("Map", false));
  EXPECT_TRUE(store.RenameValue("", "Scale", "Zoom"));
  EXPECT_EQ(store.GetValueNames(""), (std::vector<std::string>{"Colours", "Zoom"}));
  EXPECT_THROW(store.CreateValue("", "x"), EKxIniError);
  EXPECT_THROW(store.SetDelimiter('/'), EKxIniError);
  EXPECT_FALSE(store.Save());
  store.SetUseRegistry(false);
  EXPECT_FALSE(store.Modified());
  ClearRegistryStore();
}

}  // namespace
