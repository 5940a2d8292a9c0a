// Guards the column model of the list pages: multi-key sorting by priority, the
// primary-key rules of header clicks and sort commands, the list text
// order, and display orders read from settings.
#include "widgets/listview/list_columns.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/text_compare.h"
#include "tests/support/test_environment.h"
#include "widgets/current_document.h"

namespace scorvane {
namespace {

// Rows of a test list: the item of a row is the address of one of these.
struct Person {
  std::string name;
  int age;
  std::string town;
};

ListColumn TextColumn(const char* title, std::string Person::*field) {
  ListColumn column;
  column.title = title;
  SetRecordTextOrder<Person>(column, [field](const Person& person) { return person.*field; });
  return column;
}

ListColumn AgeColumn() {
  ListColumn column;
  column.title = "Age";
  SetRecordOrder<Person>(column,
                         [](const Person& a, const Person& b, int) { return a.age - b.age; });
  return column;
}

// Columns: 0 count (no comparison), 1 name, 2 age, 3 town.
class ListColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ListColumn count;
    count.title = "Count";
    model_.Add(count);
    model_.Add(TextColumn("Name", &Person::name));
    model_.Add(AgeColumn());
    model_.Add(TextColumn("Town", &Person::town));
  }

  // Sets each column's sort level and direction from a text such as
  // "- 0 1r 2": "-" outside the sort, else its level, "r" when descending.
  void SetSort(const std::string& text) {
    std::istringstream words(text);
    std::string word;
    for (int i = 0; i < model_.Count() && words >> word; ++i) {
      model_.Column(i).reverse = word.back() == 'r';
      model_.Column(i).priority = word[0] == '-' ? -1 : std::stoi(word);
    }
  }
  std::string Sort() const {
    std::string text;
    for (int i = 0; i < model_.Count(); ++i) {
      const ListColumn& column = model_.Column(i);
      text += (i ? " " : "") + (column.priority < 0 ? "-" : std::to_string(column.priority)) +
              (column.reverse ? "r" : "");
    }
    return text;
  }
  std::vector<std::string> SortedNames() const {
    std::vector<RowItem> items;
    for (const Person& person : people_)
      items.emplace_back(&person);
    std::vector<std::string> names;
    for (size_t index : model_.SortedOrder(items, 2001))
      names.push_back(people_[index].name);
    return names;
  }

  ListColumnModel model_;
  std::vector<Person> people_{
      {"dupont", 30, "Lyon"}, {"Martin", 25, "Paris"}, {"Durand", 30, "Albi"},
      {"abel", 25, "Lyon"},   {"Dupond", 41, "Albi"},
  };
};

TEST_F(ListColumnsTest, SortsByEveryLevelInTurn) {
  const struct {
    const char* name;
    const char* sort;
    std::vector<std::string> expected;
  } cases[] = {
      {"name alone, case ignored", "- 0 - -", {"abel", "Dupond", "dupont", "Durand", "Martin"}},
      {"age, then town", "- - 0 1", {"abel", "Martin", "Durand", "dupont", "Dupond"}},
      {"town, then age descending", "- - 1r 0", {"Dupond", "Durand", "dupont", "abel", "Martin"}},
      {"one level, two columns", "- 0 - 0", {"abel", "Dupond", "dupont", "Durand", "Martin"}},
      {"an empty level ends it", "- - 0 2", {"Martin", "abel", "dupont", "Durand", "Dupond"}},
      {"no sort key keeps the order", "- - - -", {"dupont", "Martin", "Durand", "abel", "Dupond"}},
      {"name descending", "- 0r - -", {"Martin", "Durand", "dupont", "Dupond", "abel"}},
  };
  for (const auto& c : cases) {
    SetSort(c.sort);
    EXPECT_EQ(SortedNames(), c.expected) << c.name;
  }
}

TEST_F(ListColumnsTest, CompareItemsAgreesWithTheSort) {
  SetSort("- - 0 1");
  const auto item = [this](size_t i) { return RowItem(&people_[i]); };
  EXPECT_LT(model_.CompareItems(item(1), item(0), 2001), 0);  // 25 before 30
  EXPECT_GT(model_.CompareItems(item(0), item(2), 2001), 0);  // same age: Lyon after Albi
  EXPECT_EQ(model_.CompareItems(item(0), item(0), 2001), 0);
}

// A row gives its record back only as the type it was put in as; rows
// holding no Person (another record, or none) come last, first when reversed.
TEST_F(ListColumnsTest, RowsGiveBackTheirRecordsByType) {
  const int other = 7;
  const RowItem person(&people_[0]);
  const RowItem read_only(static_cast<const Person*>(&people_[1]));
  EXPECT_EQ(person.As<Person>(), &people_[0]);
  EXPECT_EQ(person.As<const Person>(), &people_[0]);
  EXPECT_EQ(person.As<int>(), nullptr);
  EXPECT_EQ(read_only.As<Person>(), nullptr);
  EXPECT_EQ(read_only.As<const Person>(), &people_[1]);
  EXPECT_EQ(RowItem().As<Person>(), nullptr);
  EXPECT_EQ(RowItem(&people_[1]), read_only);

  // Martin (25), another record, abel (25), no record.
  const std::vector<RowItem> items = {&people_[1], &other, &people_[3], RowItem()};
  const struct {
    const char* sort;
    std::vector<size_t> expected;
  } cases[] = {
      {"- 0 - -", {2, 0, 1, 3}},
      {"- 0r - -", {1, 3, 0, 2}},
      {"- - 0 -", {0, 2, 1, 3}},
      {"- - 0r -", {1, 3, 0, 2}},
  };
  for (const auto& c : cases) {
    SetSort(c.sort);
    EXPECT_EQ(model_.SortedOrder(items, 2001), c.expected) << c.sort;
  }
}

TEST_F(ListColumnsTest, ComparisonsReceiveTheSortYear) {
  int seen = 0;
  model_.Column(2).ascending =
      RowComparison::ByItems([&seen](const RowItem&, const RowItem&, int year) {
        seen = year;
        return 0;
      });
  SetSort("- - 0 -");
  const RowItem items[] = {&people_[0], &people_[1]};
  model_.SortedOrder(items, 1998);
  EXPECT_EQ(seen, 1998);
}

TEST_F(ListColumnsTest, MakingAColumnPrimary) {
  const struct {
    const char* name;
    const char* before;
    int chosen;
    const char* after;
  } cases[] = {
      {"columns ranked before the chosen one move down", "- 0 1 2", 3, "- 1 2 0"},
      {"columns ranked after the chosen one stay", "- 0 1 2", 2, "- 1 0 2"},
      {"a column outside the sort pushes every ranked one down", "- 0 - 1", 2, "- 1 0 2"},
      {"choosing the primary column reverses it", "- 0 1 2", 1, "- 0r 1 2"},
      {"the new primary key keeps the old one's direction", "- 0r 1 -", 3, "- 1r 2 0r"},
      {"without a primary key the chosen column keeps its flag", "- - - 3r", 3, "- - - 0r"},
  };
  for (const auto& c : cases) {
    SetSort(c.before);
    EXPECT_TRUE(model_.MakePrimary(c.chosen)) << c.name;
    EXPECT_EQ(Sort(), c.after) << c.name;
    EXPECT_EQ(model_.PrimaryColumn(), c.chosen) << c.name;
  }
  // A column without comparisons, or none at all, cannot be chosen.
  SetSort("- 0 1 2");
  EXPECT_FALSE(model_.MakePrimary(0));
  EXPECT_FALSE(model_.MakePrimary(7));
  EXPECT_EQ(Sort(), "- 0 1 2");
}

TEST_F(ListColumnsTest, DirectionCommandsChangeOnlyWhenNeeded) {
  SetSort("- 0 - -");
  model_.SetDirection(/*ascending=*/true);
  EXPECT_FALSE(model_.Column(1).reverse);
  model_.SetDirection(/*ascending=*/false);
  EXPECT_TRUE(model_.Column(1).reverse);
  model_.SetDirection(/*ascending=*/false);
  EXPECT_TRUE(model_.Column(1).reverse);
  EXPECT_EQ(&model_.Column(1).Current(), &model_.Column(1).descending);
}

TEST(ListTextOrderTest, KeysCompareLikeTheListTextOrder) {
  const char* texts[] = {"",      "a",      "A",       "ab",  "abc", "ABD", "b",
                         "Émile", "emile",  "Zoé",     "zoe", "é",   "1",   " a",
                         "Œuvre", "straße", "STRASSE", "ÿ",   "Ÿ",   "日本"};
  for (const char* a : texts) {
    for (const char* b : texts) {
      const int expected = CompareListTexts(a, b);
      const int got = CompareListKeys(ListKey(a), ListKey(b));
      EXPECT_EQ((got > 0) - (got < 0), (expected > 0) - (expected < 0)) << a << " / " << b;
    }
  }
  // A text that begins a longer one comes after it; accented capitals
  // (negative signed codes) come before plain letters.
  EXPECT_GT(CompareListKeys(ListKey("Dupon"), ListKey("dupont")), 0);
  EXPECT_LT(CompareListKeys(ListKey("élise"), ListKey("Alice")), 0);
}

TEST(DisplayOrderTest, MakesAnOrderOfEveryColumn) {
  struct Case {
    const char* name;
    std::vector<int> given;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"a proper order is kept", {3, 1, 0, 2}, {3, 1, 0, 2}},
      {"an index out of range puts column 0 there", {3, 99, 1, 2}, {3, 0, 1, 2}},
      {"a negative index too", {-4, 2, 3, 1}, {0, 2, 3, 1}},
      {"a column named twice keeps its first place", {1, 1, 3, 0}, {1, 2, 3, 0}},
      {"a short order is completed", {2, 1}, {2, 1, 0, 3}},
      {"a long order is cut", {3, 2, 1, 0, 4, 5}, {3, 2, 1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ListColumnModel model;
    for (int i = 0; i < 4; ++i)
      model.Add(ListColumn{});
    model.SetDisplayOrder(c.given);
    EXPECT_EQ(model.DisplayOrder(), c.expected);
  }
}

// The year comes from the document the window shows.
class ListSortYearTest : public testing::CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    SetCurrentDocument(&Doc());
  }
  void TearDown() override {
    SetCurrentDocument(nullptr);
    CoreTest::TearDown();
  }
};

TEST_F(ListSortYearTest, IsTheActiveSeasonsYearElseThisYear) {
  EXPECT_EQ(ListSortYear(), 2001);
  Owner().AddSeason(1997);
  EXPECT_EQ(ListSortYear(), 1997);
  SetCurrentDocument(nullptr);
  EXPECT_EQ(ListSortYear(), 2001);
}

}  // namespace
}  // namespace scorvane
