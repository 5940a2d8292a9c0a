// The column settings texts: written in the stored format, read back the
// same, and read safely from texts edited by hand or damaged.
#include "widgets/listview/column_settings.h"

#include <gtest/gtest.h>

#include <vector>

namespace scorvane {
namespace {

ListColumn Column(int width, bool shown, int priority, bool reverse) {
  ListColumn column;
  column.width = width;
  column.shown = shown;
  column.priority = priority;
  column.reverse = reverse;
  return column;
}

TEST(ColumnSettingsTest, WritesTheStoredFormat) {
  EXPECT_EQ(ColumnSettingKey(0), "col 0");
  EXPECT_EQ(ColumnSettingKey(16), "col 16");
  EXPECT_EQ(ColumnSettingText(Column(66, true, 0, false)),
            "taille= 66, affichée= 1, ordre= 0, ordre_inverse= 0");
  EXPECT_EQ(ColumnSettingText(Column(43, false, -1, true)),
            "taille= 43, affichée= 0, ordre= -1, ordre_inverse= 1");
}

TEST(ColumnSettingsTest, ReadsBackWhatItWrote) {
  for (const ListColumn& written :
       {Column(66, true, 0, false), Column(0, false, -1, true), Column(4000, true, 17, true)}) {
    ListColumn read = Column(10, false, 5, false);
    ApplyColumnSettingText(ColumnSettingText(written), read);
    EXPECT_EQ(read.width, written.width);
    EXPECT_EQ(read.shown, written.shown);
    EXPECT_EQ(read.priority, written.priority);
    EXPECT_EQ(read.reverse, written.reverse);
  }
}

TEST(ColumnSettingsTest, KeepsCurrentValuesForWhatCannotBeRead) {
  struct Case {
    const char* name;
    const char* text;
    int width;
    bool shown;
    int priority;
    bool reverse;
  };
  // The current values before reading: width 50, shown, priority 3, not reversed.
  const Case cases[] = {
      {"empty text", "", 50, true, 3, false},
      {"another format", "width=80", 50, true, 3, false},
      {"only the width", "taille= 80", 80, true, 3, false},
      {"cut after two numbers", "taille= 80, affichée= 0, ordre", 80, false, 3, false},
      {"no spaces", "taille=80,affichée=0,ordre=2,ordre_inverse=1", 80, false, 2, true},
      {"extra spaces after the signs", "taille=   80,  affichée= 0,ordre=  -1, ordre_inverse=  1",
       80, false, -1, true},
      {"a space before a comma stops the reading", "taille= 80 , affichée= 0", 80, true, 3, false},
      {"flags other than 1 are off", "taille= 80, affichée= 2, ordre= 1, ordre_inverse= 7", 80,
       false, 1, false},
      {"a negative width is ignored", "taille= -30, affichée= 1, ordre= 1, ordre_inverse= 1", 50,
       true, 1, true},
      {"a huge width is limited", "taille= 99999999999999, affichée= 1, ordre= 0, ordre_inverse= 0",
       kMaxColumnWidth, true, 0, false},
      {"letters instead of a number", "taille= abc, affichée= 0, ordre= 0, ordre_inverse= 0", 50,
       true, 3, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ListColumn column = Column(50, true, 3, false);
    ApplyColumnSettingText(c.text, column);
    EXPECT_EQ(column.width, c.width);
    EXPECT_EQ(column.shown, c.shown);
    EXPECT_EQ(column.priority, c.priority);
    EXPECT_EQ(column.reverse, c.reverse);
  }
}

TEST(ColumnSettingsTest, ParsesDisplayOrder) {
  struct Case {
    const char* name;
    const char* text;
    std::vector<int> expected;
  };
  // Four columns, currently in the order 0, 1, 2, 3.
  const Case cases[] = {
      {"as written", "3,2,1,0", {3, 2, 1, 0}},
      {"with a trailing comma", "3,2,1,0,", {3, 2, 1, 0}},
      {"out of range becomes 0", "3,99,1,2", {3, 0, 1, 2}},
      {"negative becomes 0", "1,-2,3,2", {1, 0, 3, 2}},
      {"short: the rest stays", "2,3", {2, 3, 2, 3}},
      {"stops at the first missing comma", "3 2,1,0", {3, 1, 2, 3}},
      {"garbage: nothing changes", "abc", {0, 1, 2, 3}},
      {"longer than the columns", "1,0,3,2,5,4", {1, 0, 3, 2}},
  };
  const std::vector<int> current{0, 1, 2, 3};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseDisplayOrder(c.text, current), c.expected);
  }
}

}  // namespace
}  // namespace scorvane
