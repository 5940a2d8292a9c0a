#include "cli/text_table.h"

#include <algorithm>
#include <ostream>

namespace scorvane::cli {
namespace {

// Width of a UTF-8 text in characters (continuation bytes do not count).
size_t DisplayWidth(const std::string& text) {
  size_t width = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
  }
  return width;
}

}  // namespace

void WriteAlignedTable(std::ostream& out, const std::vector<std::string>& titles,
                       const std::vector<std::vector<std::string>>& rows) {
  std::vector<size_t> widths(titles.size(), 0);
  const auto measure = [&widths](const std::vector<std::string>& row) {
    for (size_t i = 0; i < row.size() && i < widths.size(); ++i)
      widths[i] = std::max(widths[i], DisplayWidth(row[i]));
  };
  measure(titles);
  for (const auto& row : rows)
    measure(row);
  const auto print = [&](const std::vector<std::string>& row) {
    std::string line;
    for (size_t i = 0; i < row.size() && i < widths.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - DisplayWidth(row[i]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ')
      line.pop_back();
    out << line << "\n";
  };
  print(titles);
  for (const auto& row : rows)
    print(row);
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void WriteCsvRow(std::ostream& out, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i)
    out << (i ? "," : "") << CsvField(fields[i]);
  out << "\r\n";
}

}  // namespace scorvane::cli
