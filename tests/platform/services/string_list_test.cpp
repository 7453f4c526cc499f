#include <gtest/gtest.h>

#include "platform/services/string_list.h"
#include "temp_folder.h"

namespace {

TEST(StringList, LinesEndedByLfCrLfOrALoneCrReadAlike) {
  TTempFolder folder;
  TStringList unix_lines;
  TStringList dos_lines;
  TStringList mixed_lines;
  ASSERT_TRUE(
      unix_lines.LoadFromFile(folder.Write("lf.txt", "Union\nConfederacy\n\nEnd").string()));
  ASSERT_TRUE(dos_lines.LoadFromFile(
      folder.Write("crlf.txt", "Union\r\nConfederacy\r\n\r\nEnd\r\n").string()));
  ASSERT_TRUE(
      mixed_lines.LoadFromFile(folder.Write("cr.txt", "Union\rConfederacy\r\n\nEnd").string()));
  for (const TStringList* list : {&unix_lines, &dos_lines, &mixed_lines}) {
    ASSERT_EQ(list->Count(), 4);
    EXPECT_EQ(list->Strings(1), "Confederacy");
    EXPECT_EQ(list->Strings(2), "");
    EXPECT_EQ(list->Strings(3), "End");
  }
}

TEST(StringList, SavingWritesEveryLineWithItsLineBreakAndReadsBackTheSame) {
  TTempFolder folder;
  TStringList log;
  log.Add("No History");
  log.Add("  Battle of Bull Run  ");
  log.Add("TurnOver");
  const std::string path = (folder.Path() / "GAME.BTL").string();
  ASSERT_TRUE(log.SaveToFile(path));
  EXPECT_EQ(folder.Read("GAME.BTL"), "No History\r\n  Battle of Bull Run  \r\nTurnOver\r\n");

  TStringList again;
  ASSERT_TRUE(again.LoadFromFile(path));
  EXPECT_EQ(again.Text(), log.Text());

  log.LineBreak = "\n";
  ASSERT_TRUE(log.SaveToFile(path));
  EXPECT_EQ(folder.Read("GAME.BTL"), "No History\n  Battle of Bull Run  \nTurnOver\n");
}

TEST(StringList, AFileThatCannotBeReadOrWrittenLeavesEverythingAsItWas) {
  TTempFolder folder;
  TStringList texts;
  texts.Add("kept");
  EXPECT_FALSE(texts.LoadFromFile((folder.Path() / "missing.txt").string()));
  EXPECT_EQ(texts.Count(), 1);
  EXPECT_FALSE(texts.SaveToFile((folder.Path() / "no-such-folder" / "out.txt").string()));
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(StringList, EachChangeIsAnnounced) {
  TStringList items;
  int changes = 0;
  items.OnChange = [&](TComponent*) { ++changes; };
  items.Add("Infantry");
  items.Insert(0, "Cavalry");
  items.SetStrings(1, "Artillery");
  items.Delete(0);
  items.Clear();
  items.Clear();
  EXPECT_EQ(changes, 5);
  EXPECT_THROW(items.Delete(0), std::out_of_range);
}

}  // namespace
