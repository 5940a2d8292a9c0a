// Guards the CSV reader: separators, quotes, line ends, encodings and the
// limits that keep a hostile file from making it allocate without bound.
#include <gtest/gtest.h>

#include "records/import/csv_reader.h"

namespace scorvane {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Readable {
  const char* name;
  std::string bytes;
  char separator;
  Rows rows;
};

TEST(CsvReader, ReadsWhatSpreadsheetsWrite) {
  const Readable cases[] = {
      {"commas, CRLF", "a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}},
      {"semicolons, commas in cells", "a;b,c;x\nd;e\n", ';', {{"a", "b,c", "x"}, {"d", "e"}}},
      {"tabs", "a\tb\n", '\t', {{"a", "b"}}},
      {"quotes, doubled quotes, line breaks",
       "a,\"x \"\"y\"\"\nz, w\"\n",
       ',',
       {{"a", "x \"y\"\nz, w"}}},
      {"empty cells, trailing separator", "a,,\n,b\n", ',', {{"a", "", ""}, {"", "b"}}},
      {"blank line kept as a row", "a\n\nb", ',', {{"a"}, {}, {"b"}}},
      {"UTF-8 with its mark", "\xEF\xBB\xBFpr\xC3\xA9nom\n", ',', {{"pr\xC3\xA9nom"}}},
      {"Windows-1252", "pr\xE9nom;\x80\n", ';', {{"pr\xC3\xA9nom", "\xE2\x82\xAC"}}},
  };
  for (const Readable& c : cases) {
    const CsvResult result = ReadCsv(c.bytes);
    ASSERT_TRUE(result.table) << c.name << ": " << result.error;
    EXPECT_EQ(result.table->separator, c.separator) << c.name;
    EXPECT_EQ(result.table->rows, c.rows) << c.name;
  }
}

TEST(CsvReader, LimitsAreRefusedWithTheLineAtFault) {
  CsvLimits limits;
  limits.max_bytes = 64;
  limits.max_rows = 3;
  limits.max_columns = 4;
  limits.max_cell_bytes = 8;
  const std::pair<std::string, std::string> cases[] = {
      {std::string(65, 'a'), "The file is larger than 0 MB; a list of matches is far smaller."},
      {"a\nb\nc\nd\n", "Line 3: the file has more than 3 lines."},
      {"a\na,b,c,d,e\n", "Line 2: more than 4 columns."},
      {"a\n123456789\n", "Line 2: a cell is longer than 8 characters."},
      {"  \r\n", "The file is empty."},
  };
  for (const auto& [bytes, message] : cases) {
    const CsvResult result = ReadCsv(bytes, limits);
    EXPECT_FALSE(result.table) << bytes;
    EXPECT_EQ(result.error, message);
  }
}

}  // namespace
}  // namespace scorvane
