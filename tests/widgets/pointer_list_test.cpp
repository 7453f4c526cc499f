#include "widgets/pointer_list.h"

#include <gtest/gtest.h>

#include <functional>
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
  // A list that owns tracked items and logs its delete events.
  void FillOwning(TKxList& list, std::initializer_list<const char*> names = {"a", "b", "c"}) {
    list.FreeItemsAs<Tracked>();
    list.OnDelete = [this](TKxList*, void* item) {
      journal.push_back("event " + static_cast<Tracked*>(item)->name);
    };
    for (const char* name : names) list.Add(new Tracked(journal, name));
  }

  std::vector<std::string> journal;
  int slots[600] = {};
};

TEST_F(PointerListTest, GrowsAndShrinksInStepsOf256) {
  TKxList list;
  for (int i = 0; i < 256; ++i) list.Add(&slots[i]);
  EXPECT_EQ(list.Capacity(), 256);
  list.Add(&slots[256]);
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
  const std::function<void()> refused[] = {
      [&] { list.Insert(4, &slots[3]); }, [&] { list.Get(3); }, [&] { list.Delete(-1); },
      [&] { list.DeleteRange(1, 0); }, [&] { list.SetCapacity(2); },
      [&] { list.SetCount(TKxList::kMaxCapacity); }};
  for (const auto& call : refused) EXPECT_THROW(call(), EKxListError);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list[1], &slots[0]);
  EXPECT_EQ(list.Get(2), &slots[1]);
  list.SetCount(5);
  EXPECT_EQ(list[4], nullptr);
}

// Delete and Clear free what the list owns, after reporting it; Remove,
// DeleteRange and Put only report.
TEST_F(PointerListTest, DeleteReportsBeforeFreeingAndOnlyDeleteAndClearFree) {
  TKxList list;
  FillOwning(list, {"a", "b", "c", "d"});
  std::vector<Tracked*> kept{static_cast<Tracked*>(list[1]), static_cast<Tracked*>(list[2]),
                             static_cast<Tracked*>(list[3])};
  list.Delete(0);
  EXPECT_EQ(list.Remove(kept[0]), 0);
  EXPECT_EQ(list.Remove(kept[0]), -1);
  list.DeleteRange(0, 0);
  list.Put(0, new Tracked(journal, "e"));
  EXPECT_EQ(journal,
            (std::vector<std::string>{"event a", "free a", "event b", "event c", "event d"}));
  for (Tracked* item : kept) delete item;
  journal.clear();
  list.Add(new Tracked(journal, "f"));
  list.Clear();
  EXPECT_EQ(journal, (std::vector<std::string>{"event e", "event f", "free e", "free f"}));
}

TEST_F(PointerListTest, AssignedItemsAreSharedAndFreedOnlyOnce) {
  auto source = std::make_unique<TKxList>();
  FillOwning(*source);
  TKxList copy;
  copy.FreeItemsAs<Tracked>();
  copy.Assign(*source);
  EXPECT_FALSE(copy.AutoClearObjects());
  EXPECT_EQ(copy[2], (*source)[2]);
  copy.Clear();
  source.reset();
  int frees = 0;
  for (const std::string& line : journal) frees += line.starts_with("free") ? 1 : 0;
  EXPECT_EQ(frees, 3);
}

// The stack grows by 4 to 8, then by 16, then by a quarter.
TEST_F(PointerListTest, StackGrowsInSmallStepsAndChecksEveryAccess) {
  TKxStack stack;
  for (int i = 0; i < 30; ++i) stack.Push(&slots[i]);
  EXPECT_EQ(stack.Capacity(), 44);  // 4, 8, 12, 28, 44
  EXPECT_EQ(stack.Get(29), &slots[29]);
  for (int index : {30, -1}) EXPECT_THROW(stack.Get(index), EKxStackError) << index;
  EXPECT_THROW(stack.SetCapacity(29), EKxStackError);
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
