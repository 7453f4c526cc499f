#include "widgets/pointer_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// An item that writes its name into a shared journal when it is freed.
struct Tracked {
  Tracked(std::vector<std::string>& journal, std::string name)
      : journal(journal), name(std::move(name)) {}
  ~Tracked() { journal.push_back("free " + name); }
  std::vector<std::string>& journal;
  std::string name;
};

class PointerListTest : public ::testing::Test {
 protected:
  // A list that owns three tracked items and logs its delete events.
  void FillOwning(TKxList& list) {
    list.FreeItemsAs<Tracked>();
    list.OnDelete = [this](TKxList*, void* item) {
      journal.push_back("event " + static_cast<Tracked*>(item)->name);
    };
    for (const char* name : {"a", "b", "c"}) list.Add(new Tracked(journal, name));
  }

  std::vector<std::string> journal;
  int slots[600] = {};
};

TEST_F(PointerListTest, GrowsAndShrinksInStepsOf256) {
  TKxList list;
  for (int i = 0; i < 257; ++i) list.Add(&slots[i]);
  EXPECT_EQ(list.Capacity(), 512);
  while (list.Count() > 255) list.Delete(list.Count() - 1);
  EXPECT_EQ(list.Capacity(), 256);
  EXPECT_EQ(list.Last(), &slots[254]);
  list.Clear();
  EXPECT_EQ(list.Capacity(), 0);
  EXPECT_EQ(list.Last(), nullptr);
}

TEST_F(PointerListTest, OutOfRangeCallsThrowAndChangeNothing) {
  TKxList list;
  list.Add(&slots[0]);
  list.Insert(1, &slots[1]);  // at Count: appends
  list.Insert(0, &slots[2]);
  EXPECT_EQ(list.IndexOf(&slots[2]), 0);
  EXPECT_EQ(list[2], &slots[1]);
  try {
    list.Insert(4, &slots[3]);
    FAIL();
  } catch (const EKxListError& error) {
    EXPECT_STREQ(error.what(), "List index [4] out of bounds...");
  }
  EXPECT_THROW(list.Get(3), EKxListError);
  EXPECT_THROW(list.Delete(-1), EKxListError);
  EXPECT_THROW(list.DeleteRange(1, 0), EKxListError);
  EXPECT_THROW(list.SetCapacity(2), EKxListError);
  EXPECT_THROW(list.SetCount(TKxList::kMaxCapacity), EKxListError);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list[1], &slots[0]);

  list.SetCount(5);
  EXPECT_EQ(list[4], nullptr);
  list.SetCount(1);
  EXPECT_EQ(list.Count(), 1);
}

TEST_F(PointerListTest, DeleteReportsBeforeFreeingAndOnlyDeleteAndClearFree) {
  TKxList list;
  FillOwning(list);
  Tracked* b = static_cast<Tracked*>(list[1]);
  list.Delete(0);
  EXPECT_EQ(journal, (std::vector<std::string>{"event a", "free a"}));
  journal.clear();

  EXPECT_EQ(list.Remove(b), 0);
  EXPECT_EQ(list.Remove(b), -1);
  EXPECT_EQ(journal, (std::vector<std::string>{"event b"}));
  delete b;
  journal.clear();

  list.Add(new Tracked(journal, "d"));
  list.Add(new Tracked(journal, "e"));
  Tracked* c = static_cast<Tracked*>(list[0]);
  Tracked* d = static_cast<Tracked*>(list[1]);
  list.DeleteRange(0, 1);
  EXPECT_EQ(journal, (std::vector<std::string>{"event c", "event d"}));
  delete c;
  delete d;
  journal.clear();

  Tracked* e = static_cast<Tracked*>(list[0]);
  list.Put(0, new Tracked(journal, "f"));  // replaces e: reported, not freed
  EXPECT_EQ(journal, (std::vector<std::string>{"event e"}));
  delete e;
  journal.clear();
  list.Add(new Tracked(journal, "g"));
  list.Clear();
  EXPECT_EQ(journal, (std::vector<std::string>{"event f", "event g", "free f", "free g"}));
}

TEST_F(PointerListTest, AssignedItemsAreSharedAndFreedOnlyOnce) {
  auto source = std::make_unique<TKxList>();
  FillOwning(*source);
  TKxList copy;
  copy.FreeItemsAs<Tracked>();
  copy.Assign(*source);
  EXPECT_FALSE(copy.AutoClearObjects());
  EXPECT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy[2], (*source)[2]);
  copy.Clear();
  source.reset();
  int frees = 0;
  for (const std::string& line : journal) frees += line.starts_with("free") ? 1 : 0;
  EXPECT_EQ(frees, 3);
}

TEST_F(PointerListTest, StackGrowsInSmallStepsAndChecksEveryAccess) {
  TKxStack stack;
  for (int i = 0; i < 5; ++i) stack.Push(&slots[i]);
  EXPECT_EQ(stack.Capacity(), 8);
  for (int i = 5; i < 30; ++i) stack.Push(&slots[i]);
  EXPECT_EQ(stack.Capacity(), 44);  // 12, 28, 44
  EXPECT_EQ(stack.Get(0), &slots[0]);
  EXPECT_THROW(stack.Get(30), EKxStackError);
  EXPECT_THROW(stack.Get(-1), EKxStackError);
  EXPECT_THROW(stack.SetCapacity(29), EKxStackError);

  EXPECT_EQ(stack.Pop(), &slots[29]);
  while (stack.Count() > 3) stack.Pop();
  EXPECT_LT(stack.Capacity(), 8);
  while (!stack.Empty()) stack.Pop();
  try {
    stack.Pop();
    FAIL();
  } catch (const EKxStackError& error) {
    EXPECT_STREQ(error.what(), "KxStack is empty.");
  }
}

}  // namespace
