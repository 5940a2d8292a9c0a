// Guards the record lists: where elements go, removal during a walk, the
// 32767-element limit and the owning list that deletes its elements.
#include "base/list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace scorvane {
namespace {

std::vector<int> Contents(const List<int>& list) {
  return {list.begin(), list.end()};
}

struct Counted {
  explicit Counted(int* live) : live_(live) { ++*live_; }
  ~Counted() { --*live_; }
  int* live_;
};

TEST(ListTest, AddInsertsAtTheFrontAppendAtTheEndInsertAtAPosition) {
  List<int> added;
  List<int> appended;
  for (int value : {1, 2, 3}) {
    added.Add(value);
    appended.Append(value);
  }
  EXPECT_EQ(Contents(added), (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(Contents(appended), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(added.Count(), 3);
  // Insert places the element at its position, the end past the last.
  List<int> inserted;
  inserted.Insert(0, 2);
  inserted.Insert(0, 1);
  inserted.Insert(5, 4);
  inserted.Insert(2, 3);
  EXPECT_EQ(Contents(inserted), (std::vector<int>{1, 2, 3, 4}));
}

TEST(ListTest, RemoveTakesOnlyTheFirstNodeHoldingTheElement) {
  List<int> list;
  for (int value : {7, 8, 7})
    list.Append(value);
  EXPECT_TRUE(list.Remove(7));
  EXPECT_EQ(Contents(list), (std::vector<int>{8, 7}));
  EXPECT_FALSE(list.Remove(42));
  EXPECT_TRUE(list.Contains(7));
}

TEST(ListTest, RemoveAllLeavesPointedRecordsAlive) {
  int live = 0;
  const auto a = std::make_unique<Counted>(&live), b = std::make_unique<Counted>(&live);
  List<Counted*> list;
  list.Add(a.get());
  list.Add(b.get());
  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(live, 2);
}

TEST(ListTest, The32768thElementIsRefusedAndTheCountDoesNotWrap) {
  List<int> list;
  for (int i = 0; i < List<int>::kMaxCount; ++i)
    list.Append(i);
  EXPECT_EQ(list.Count(), 32767);
  EXPECT_THROW(list.Add(1), ListFullError);
  EXPECT_THROW(list.Append(1), ListFullError);
  EXPECT_THROW(list.Insert(3, 1), ListFullError);
  EXPECT_EQ(list.Count(), 32767);
  try {
    list.Add(1);
  } catch (const ListFullError& error) {
    EXPECT_STREQ(error.what(), "A list cannot hold more than 32767 elements.");
  }
}

// The nodes live in blocks of the list: copies, moves and the nodes freed by
// removals must each keep their own elements, in order, alive as long as they.
TEST(ListTest, CopiesMovesAndReusedNodesKeepTheirElements) {
  List<std::shared_ptr<int>> list;
  for (int value = 0; value < 100; ++value)
    list.Append(std::make_shared<int>(value));
  const std::shared_ptr<int> first = list.Front();
  list.RemoveIf([](const std::shared_ptr<int>& p) { return *p % 2 == 0; });
  EXPECT_EQ(first.use_count(), 1);
  for (int value = 100; value < 150; ++value)
    list.Add(std::make_shared<int>(value));
  List<std::shared_ptr<int>> copy = list;
  List<std::shared_ptr<int>> moved = std::move(list);
  EXPECT_TRUE(list.IsEmpty());
  list = copy;
  std::vector<int> expected;
  for (int value = 149; value >= 100; --value)
    expected.push_back(value);
  for (int value = 1; value < 100; value += 2)
    expected.push_back(value);
  for (const List<std::shared_ptr<int>>* each : {&copy, &moved, &list}) {
    std::vector<int> seen;
    for (const auto& p : *each)
      seen.push_back(*p);
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(each->Count(), 100);
  }
  EXPECT_EQ(copy.Front().use_count(), 3);
  moved.RemoveAll();
  EXPECT_EQ(copy.Front().use_count(), 2);
}

TEST(OwningListTest, DeletesItsElementsAndHandsOwnershipBack) {
  int live = 0;
  {
    OwningList<Counted> list;
    Counted* first = list.Append(std::make_unique<Counted>(&live));
    list.Append(std::make_unique<Counted>(&live));
    Counted* third = list.Add(std::make_unique<Counted>(&live));
    EXPECT_EQ(live, 3);
    EXPECT_EQ(list.Items().Front(), third);
    std::unique_ptr<Counted> released = list.Release(first);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(live, 3);
    released.reset();
    EXPECT_EQ(live, 2);
    EXPECT_FALSE(list.Delete(first));
  }
  EXPECT_EQ(live, 0);
}

}  // namespace
}  // namespace scorvane
