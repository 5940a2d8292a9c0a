// Tables written by the tool's commands: aligned columns for reading, and
// RFC 4180 CSV rows for a spreadsheet.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace scorvane::cli {

// Writes the titles and rows in columns two blanks apart (widths counted in
// characters, not bytes), without trailing blanks.
void WriteAlignedTable(std::ostream& out, const std::vector<std::string>& titles,
                       const std::vector<std::vector<std::string>>& rows);

// One CSV field: between quotes (quotes doubled) when it holds a comma, a
// quote or a line break.
std::string CsvField(const std::string& text);
// One CSV line of fields, ended by CRLF.
void WriteCsvRow(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace scorvane::cli
