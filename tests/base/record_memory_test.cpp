// Records made while a document is read come from an arena: they must stay
// valid, apart and aligned for as long as anyone holds them, whatever the
// order of their deletion, and an arena's memory must not serve a new one
// while any of its records lives (the sanitizer build catches a use after
// the arena went).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/list.h"
#include "base/record.h"
#include "base/record_memory.h"

namespace scorvane {
namespace {

class Marked : public CObject {
 public:
  explicit Marked(int mark) { std::fill(std::begin(bytes), std::end(bytes), mark); }
  void Serialize(Archive&) override {}
  bool Holds(int mark) const {
    return std::all_of(std::begin(bytes), std::end(bytes), [mark](int b) { return b == mark; });
  }

 private:
  int bytes[13];
};

std::vector<std::unique_ptr<Marked>> MakeMarked(int first, int count) {
  std::vector<std::unique_ptr<Marked>> made;
  for (int i = 0; i < count; ++i)
    made.push_back(std::make_unique<Marked>(first + i));
  return made;
}

void ExpectIntact(const std::vector<std::unique_ptr<Marked>>& made, int first) {
  for (size_t i = 0; i < made.size(); ++i) {
    if (!made[i]) continue;
    EXPECT_TRUE(made[i]->Holds(first + static_cast<int>(i))) << "record " << i;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(made[i].get()) % __STDCPP_DEFAULT_NEW_ALIGNMENT__,
              0u);
  }
}

TEST(RecordMemory, RecordsOutliveTheirScopeAndAreDeletedInAnyOrder) {
  std::vector<std::unique_ptr<Marked>> read;
  {
    record_memory::ArenaScope scope(100);  // far too small: blocks are added
    read = MakeMarked(0, 20000);
  }
  std::vector<std::unique_ptr<Marked>> edited = MakeMarked(50000, 10);
  for (size_t i = 0; i < read.size(); i += 2)
    read[i].reset();
  ExpectIntact(read, 0);
  ExpectIntact(edited, 50000);
}

TEST(RecordMemory, ANewArenaNeverReusesOneStillInUse) {
  std::vector<std::unique_ptr<Marked>> first;
  {
    record_memory::ArenaScope scope(1 << 20);
    first = MakeMarked(0, 1000);
  }
  first.resize(1);  // one record keeps the first arena alive
  std::vector<std::unique_ptr<Marked>> second;
  {
    record_memory::ArenaScope scope(1 << 20);
    second = MakeMarked(1000, 1000);
    // A scope inside a scope has its own arena; the outer one resumes after.
    std::vector<std::unique_ptr<Marked>> nested;
    {
      record_memory::ArenaScope inner(64);
      nested = MakeMarked(5000, 100);
    }
    second.push_back(std::make_unique<Marked>(2000));
    ExpectIntact(nested, 5000);
  }
  ExpectIntact(first, 0);
  ExpectIntact(second, 1000);
  first.clear();
  // The first arena's memory may now serve the next reading.
  std::vector<std::unique_ptr<Marked>> third;
  {
    record_memory::ArenaScope scope(1 << 20);
    third = MakeMarked(3000, 500);
  }
  ExpectIntact(second, 1000);
  ExpectIntact(third, 3000);
}

TEST(RecordMemory, ListBlocksMadeInAScopeGoWithTheList) {
  auto list = std::make_unique<List<int>>();
  {
    record_memory::ArenaScope scope(64);
    for (int i = 0; i < 3000; ++i)
      list->Append(i);
  }
  for (int i = 3000; i < 3100; ++i)
    list->Append(i);
  int expected = 0;
  for (int value : *list)
    EXPECT_EQ(value, expected++);
  EXPECT_EQ(expected, 3100);
  list.reset();
}

}  // namespace
}  // namespace scorvane
