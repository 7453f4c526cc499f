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

  void LoadText(TKxIniFile& store, const std::string& text) {
    std::istringstream in(text);
    ASSERT_TRUE(store.LoadFrom(in));
  }
  std::string SavedText(const TKxIniFile& store) {
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

TEST_F(SettingsStoreTest, TextValuesTakeTheirTypeFromTheirText) {
  TKxIniFile store;
  store.SetWarningMessage("");
  LoadText(store, "x=TRUE\r\ny=12\r\nz=3.4\r\nw=4B58 1 FF \r\nv=hello\r\nu=007\r\n");
  const TKxIniEntry* root = store.Root();
  EXPECT_EQ(root->FindChild("x")->Type(), ivtBoolean);
  EXPECT_EQ(root->FindChild("y")->Type(), ivtInteger);
  EXPECT_EQ(root->FindChild("z")->Type(), ivtIntPair);
  EXPECT_EQ(root->FindChild("W")->Type(), ivtBinary);
  EXPECT_EQ(root->FindChild("w")->Binary(), std::vector<std::uint8_t>{0xFF});
  EXPECT_EQ(root->FindChild("v")->Type(), ivtString);
  EXPECT_EQ(root->FindChild("u")->Type(), ivtString);  // does not read back the same
  EXPECT_EQ(SavedText(store), "x=true\r\ny=12\r\nz=3.4\r\nw=4B58 1 FF \r\nv=hello\r\nu=007\r\n");
}

TEST_F(SettingsStoreTest, OddLinesListsQuotesAndCommentsSurviveARoundTrip) {
  TKxIniFile store;
  LoadText(store,
           "; a comment line\r\n"
           "just some words\r\n"
           "a[5]=p\r\n"
           "a[2]=q\r\n"
           "say=\"x=y ; not a comment\" ; a comment\r\n"
           "\r\n"
           "[Theatre\\West]\r\n"
           "river=Mississippi\r\n");
  EXPECT_EQ(store.Root()->FindChild("a")->Strings(), (std::vector<std::string>{"p", "q"}));
  std::string value;
  ASSERT_TRUE(store.ReadString("", "say", value, ""));
  EXPECT_EQ(value, "\"x=y ; not a comment\" ");
  ASSERT_TRUE(store.ReadString("\\Theatre\\West", "River", value, ""));
  EXPECT_EQ(value, "Mississippi");
  ASSERT_TRUE(store.ReadString("", "a", value, ""));
  EXPECT_EQ(value, "p\r\nq\r\n");
  EXPECT_EQ(SavedText(store),
            ";Automatically generated file. DO NOT MODIFY!!!\r\n"
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
  EXPECT_EQ(store.CurrentPath(), "\\Union\\Army");
  EXPECT_TRUE(store.OpenKey("Corps", true));
  EXPECT_EQ(store.CurrentPath(), "\\Union\\Army\\Corps");
  EXPECT_TRUE(store.OpenKey("\\UNION\\army\\", false));
  EXPECT_EQ(store.CurrentPath(), "\\UNION\\army");
  EXPECT_FALSE(store.OpenKey("\\Union\\Navy\\Fleet", false));
  EXPECT_EQ(store.CurrentPath(), "\\Union");
  EXPECT_TRUE(store.KeyExists("\\Union\\Army\\Corps"));
  EXPECT_EQ(store.CurrentPath(), "\\Union");

  store.WriteString("\\Union\\Army", "Commander", "Grant");
  EXPECT_EQ(store.CurrentPath(), "\\Union");
  bool flag = true;
  EXPECT_FALSE(store.ReadBool("\\Union\\Army", "Commander", flag, false));
  EXPECT_FALSE(flag);
  store.CreateValue("\\Union\\Army", "Corps Count")->SetInteger(7);
  EXPECT_TRUE(store.ReadBool("\\Union\\Army", "corps count", flag, false));
  EXPECT_TRUE(flag);
  std::string text;
  store.SetValueType("\\Union\\Army", "Base", ivtIntPair);
  EXPECT_FALSE(store.ReadString("\\Union\\Army", "Base", text, "none"));
  EXPECT_EQ(text, "none");

  EXPECT_EQ(store.GetKeyNames("\\Union\\Army"), std::vector<std::string>{"Corps"});
  EXPECT_EQ(store.GetValueNames("\\Union\\Army"),
            (std::vector<std::string>{"Commander", "Corps Count", "Base"}));
  EXPECT_TRUE(store.RenameValue("\\Union\\Army", "Base", "Depot"));
  EXPECT_NE(store.GetValueEntry("\\Union\\Army", "depot"), nullptr);
  EXPECT_EQ(store.GetValueEntry("\\Union\\Army", ""), store.GetValueEntry("\\Union", "Army"));

  store.OpenKey("\\Union\\Army\\Corps", false);
  EXPECT_TRUE(store.DeleteKey("\\Union\\Army"));
  EXPECT_EQ(store.CurrentPath(), "\\Union");
  EXPECT_FALSE(store.KeyExists("\\Union\\Army"));
}

TEST_F(SettingsStoreTest, SimpleModeKeepsWholePathsAsSectionsAndTogglesWithoutLoss) {
  TKxIniFile store;
  store.WriteString("\\North\\East", "State", "Maine");
  store.WriteString("\\South", "State", "Texas");
  store.WriteString("\\South", "Motto", "12; or so");
  store.SetSimple(true);
  EXPECT_EQ(store.GetKeyNames("\\"), (std::vector<std::string>{"North", "North\\East", "South"}));
  std::string state;
  EXPECT_TRUE(store.ReadString("\\North\\East", "State", state, ""));
  EXPECT_EQ(state, "Maine");
  store.SetSimple(false);
  EXPECT_TRUE(store.ReadString("North\\East", "State", state, ""));
  EXPECT_EQ(state, "Maine");
  EXPECT_TRUE(store.ReadString("\\South", "State", state, ""));
  EXPECT_EQ(state, "Texas");
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
  EXPECT_TRUE(copy.Root()->FindChild("flag")->Bool());
  EXPECT_EQ(copy.GetValueEntry("\\A", "count")->Integer(), -5);
  EXPECT_EQ(copy.GetValueEntry("\\A", "name")->String(), "Lee");
  EXPECT_EQ(copy.GetValueEntry("\\A\\B", "lines")->Strings(),
            (std::vector<std::string>{"one", "", "three"}));
  EXPECT_EQ(copy.GetValueEntry("\\A\\B", "data")->Binary(), (std::vector<std::uint8_t>{0, 1, 255}));
  EXPECT_EQ(copy.GetValueEntry("\\C", "pair")->PairSecond(), -4);

  // The text form carries the same tree.
  store.SetBinaryMode(false);
  TKxIniFile text;
  LoadText(text, SavedText(store));
  EXPECT_EQ(SavedText(text), SavedText(store));
}

TEST_F(SettingsStoreTest, TruncatedOrGarbledBinaryFilesAreRefusedAndTheTreeKept) {
  TKxIniFile store;
  store.SetBinaryMode(true);
  store.CreateValue("\\A", "lines")->SetStrings({"alpha", "beta"});
  store.CreateValue("\\A", "name")->SetString("Sherman");
  std::ostringstream out;
  store.SaveTo(out);
  const std::string image = out.str();

  // A file cut between records is a shorter file; one cut inside a record,
  // or with a length that overruns its record, is refused whole.
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
  const size_t sherman = image.find("Sherman");
  int refused = 0;
  for (size_t cut = 1; cut < image.size(); ++cut) refused += load(image.substr(0, cut)) ? 0 : 1;
  EXPECT_GT(refused, static_cast<int>(image.size()) - 6);
  EXPECT_FALSE(load(image.substr(0, sherman + 3)));
  std::string damaged = image;
  damaged[sherman - 4] = '\x7F';
  EXPECT_FALSE(load(damaged));
  damaged = image;
  damaged[image.find("alpha") - 4] = '\x09';  // element longer than its list
  EXPECT_FALSE(load(damaged));
  EXPECT_TRUE(load(image));
}

TEST_F(SettingsStoreTest, LazyWriteOffSavesEveryChangeAtOnce) {
  const std::string path = PathOf("eager.ini");
  {
    TKxIniFile store;
    store.SetPath(path);
    store.SetLazyWrite(false);
    store.WriteString("\\Game\\Map", "Side", "Union");
    EXPECT_NE(File(path).find("[Game\\Map]\r\nSide=Union"), std::string::npos);
    store.SetDelimiter('/');
    EXPECT_EQ(store.CurrentPath(), "/");
    EXPECT_NE(File(path).find("[Game/Map]"), std::string::npos);
  }
  {
    // A store set up as a form's component loads its file when the set-up ends.
    TKxIniFile store;
    store.BeginLoad();
    store.SetPath(path);
    store.SetDelimiter('/');
    store.EndLoad();
    std::string side;
    EXPECT_TRUE(store.ReadString("/Game/Map", "Side", side, ""));
    EXPECT_EQ(side, "Union");
    store.WriteString("/Game/Map", "Side", "Confederacy");
    EXPECT_NE(File(path).find("Side=Union"), std::string::npos);
  }
  EXPECT_NE(File(path).find("Side=Confederacy"), std::string::npos);  // saved on destruction
}

TEST_F(SettingsStoreTest, LoadingAndSavingRaiseTheirEventsAndAMissingFileLoadsNothing) {
  TKxIniFile store;
  std::vector<std::string> events;
  store.OnBeforeLoad = [&](TComponent*) { events.push_back("before load"); };
  store.OnAfterLoad = [&](TComponent*) { events.push_back("after load"); };
  store.OnBeforeSave = [&](TComponent*) { events.push_back("before save"); };
  store.OnAfterSave = [&](TComponent*) { events.push_back("after save"); };
  store.SetPath(PathOf("missing.ini"));
  EXPECT_FALSE(store.Load());
  EXPECT_TRUE(store.Save());
  EXPECT_TRUE(store.Load());
  EXPECT_EQ(events,
            (std::vector<std::string>{"before save", "after save", "before load", "after load"}));
}

}  // namespace
