#include "records/import/csv_reader.h"

#include <cstdio>

#include "base/cp1252.h"

namespace scorvane {
namespace {

// Length of the UTF-8 sequence starting at `text[i]`, 0 when malformed.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  else
    return 0;
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// The separator most used on the first line, outside quotes; a comma on a tie.
char GuessSeparator(std::string_view text) {
  size_t commas = 0, semicolons = 0, tabs = 0;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    commas += c == ',';
    semicolons += c == ';';
    tabs += c == '\t';
  }
  if (semicolons > commas && semicolons >= tabs) return ';';
  if (tabs > commas && tabs > semicolons) return '\t';
  return ',';
}

std::string LineText(size_t row) {
  return "Line " + std::to_string(row + 1);
}

bool IsRefusedControl(unsigned char c) {
  return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F;
}

class Parser {
 public:
  Parser(std::string_view text, const CsvLimits& limits) : text_(text), limits_(limits) {}

  CsvResult Run() {
    table_.separator = GuessSeparator(text_);
    table_.rows.emplace_back();
    while (pos_ < text_.size()) {
      if (!ReadCell()) return {std::nullopt, error_};
    }
    // A final line break does not open another line.
    if (!table_.rows.empty() && table_.rows.back().empty()) table_.rows.pop_back();
    return {std::move(table_), {}};
  }

 private:
  bool Fail(std::string message) {
    error_ = LineText(table_.rows.size() - 1) + ": " + std::move(message);
    return false;
  }

  bool Take(std::string& cell, char c) {
    if (IsRefusedControl(static_cast<unsigned char>(c))) {
      char code[8];
      std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(c));
      return Fail(std::string("the control character ") + code + " is not allowed in a cell.");
    }
    if (cell.size() >= limits_.max_cell_bytes) {
      return Fail("a cell is longer than " + std::to_string(limits_.max_cell_bytes) +
                  " characters.");
    }
    cell += c;
    return true;
  }

  // Reads one cell and the separator or line end after it.
  bool ReadCell() {
    std::string cell;
    if (text_[pos_] == '"') {
      const size_t opened_on = table_.rows.size() - 1;
      ++pos_;
      for (;;) {
        if (pos_ >= text_.size()) {
          error_ = LineText(opened_on) + ": a quoted cell is not closed.";
          return false;
        }
        const char c = text_[pos_++];
        if (c == '"') {
          if (pos_ < text_.size() && text_[pos_] == '"') {
            ++pos_;
          } else {
            break;
          }
        }
        if (!Take(cell, c)) return false;
      }
    }
    // Unquoted text, or whatever follows a closing quote, up to the end of the cell.
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == table_.separator || c == '\n' || c == '\r') break;
      if (!Take(cell, c)) return false;
      ++pos_;
    }
    if (!PushCell(std::move(cell))) return false;
    if (pos_ >= text_.size()) return true;
    const char end = text_[pos_++];
    if (end != table_.separator) return NextLine(end);
    if (pos_ < text_.size() && text_[pos_] != '\n' && text_[pos_] != '\r') return true;
    // A separator that ends the line closes an empty last cell.
    if (!PushCell({})) return false;
    if (pos_ >= text_.size()) return true;
    return NextLine(text_[pos_++]);
  }

  bool PushCell(std::string cell) {
    std::vector<std::string>& row = table_.rows.back();
    if (row.size() >= limits_.max_columns) {
      return Fail("more than " + std::to_string(limits_.max_columns) + " columns.");
    }
    row.push_back(std::move(cell));
    return true;
  }

  bool NextLine(char end) {
    if (end == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    if (pos_ >= text_.size()) return true;
    if (table_.rows.size() >= limits_.max_rows) {
      return Fail("the file has more than " + std::to_string(limits_.max_rows) + " lines.");
    }
    table_.rows.emplace_back();
    // Blank lines stay rows without cells.
    while (pos_ < text_.size() && (text_[pos_] == '\n' || text_[pos_] == '\r')) {
      if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
      ++pos_;
      if (pos_ >= text_.size()) break;
      if (table_.rows.size() >= limits_.max_rows) {
        return Fail("the file has more than " + std::to_string(limits_.max_rows) + " lines.");
      }
      table_.rows.emplace_back();
    }
    return true;
  }

  std::string_view text_;
  const CsvLimits& limits_;
  size_t pos_ = 0;
  CsvTable table_;
  std::string error_;
};

}  // namespace

std::string DecodeCsvText(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (IsUtf8(bytes)) return std::string(bytes);
  return cp1252::ToUtf8(bytes);
}

CsvResult ReadCsv(std::string_view bytes, const CsvLimits& limits) {
  if (bytes.size() > limits.max_bytes) {
    return {std::nullopt, "The file is larger than " + std::to_string(limits.max_bytes >> 20) +
                              " MB; a list of matches is far smaller."};
  }
  const std::string text = DecodeCsvText(bytes);
  if (text.find_first_not_of(" \t\r\n") == std::string::npos)
    return {std::nullopt, "The file is empty."};
  return Parser(text, limits).Run();
}

}  // namespace scorvane
