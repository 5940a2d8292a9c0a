// Reading a CSV file as a spreadsheet writes it: cells separated by commas,
// semicolons or tabs (the separator most used on the first line), cells in
// double quotes holding separators, doubled quotes and line breaks, text in
// UTF-8 (with or without its byte-order mark) or else Windows-1252.
//
// The reader is bounded so that no file makes it allocate without limit:
// every limit passed gives a message naming the line, and nothing is read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scorvane {

struct CsvLimits {
  // Larger files are refused before they are read.
  size_t max_bytes = 8u << 20;
  size_t max_rows = 32768;
  size_t max_columns = 200;
  size_t max_cell_bytes = 16384;
};

struct CsvTable {
  char separator = ',';
  // Rows of UTF-8 cells; row 0 is the first line of the file. Blank lines
  // are kept as rows without cells, so row i is the spreadsheet's line i + 1.
  std::vector<std::vector<std::string>> rows;
};

struct CsvResult {
  std::optional<CsvTable> table;
  // Why the file was refused (empty when it was read).
  std::string error;
};

// The text of a file as UTF-8: a UTF-8 byte-order mark is dropped, valid
// UTF-8 is kept, anything else is read as Windows-1252.
std::string DecodeCsvText(std::string_view bytes);

// Reads the whole file. Control characters other than tab, carriage return
// and line feed are refused, as are a quote left open at the end and any
// limit passed.
CsvResult ReadCsv(std::string_view bytes, const CsvLimits& limits = {});

}  // namespace scorvane
