// Fuzz target: the CSV reader and the match import behind it. Whatever the
// bytes, reading must fail with a message or give cells of valid UTF-8
// without refused control characters and within the limits; an import
// planned from them must apply to a fresh document, which then saves and
// reads back.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/import/csv_reader.h"
#include "records/import/match_import.h"

namespace {

bool CellIsClean(const std::string& cell) {
  for (const char c : cell) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F) return false;
  }
  // Valid UTF-8 decodes to itself (a leading letter keeps a byte-order mark in place).
  return "x" + cell == scorvane::DecodeCsvText("x" + cell);
}

void CheckTable(std::string_view bytes) {
  const scorvane::CsvLimits limits;
  const scorvane::CsvResult result = scorvane::ReadCsv(bytes, limits);
  if (!result.table) {
    if (result.error.empty()) __builtin_trap();
    return;
  }
  if (result.table->rows.size() > limits.max_rows) __builtin_trap();
  for (const auto& row : result.table->rows) {
    if (row.size() > limits.max_columns) __builtin_trap();
    for (const std::string& cell : row) {
      if (cell.size() > limits.max_cell_bytes || !CellIsClean(cell)) __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool once = [] {
    scorvane::Registry().SetFolder("/nonexistent/scorvane-fuzz/RankSys");
    return true;
  }();
  (void)once;
  scorvane::Registry().Reset();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckTable(bytes);

  scorvane::PROJECT_DOC document;
  const scorvane::ImportPlan plan =
      scorvane::PlanMatchImport(document.Owner(), bytes, scorvane::ImportOptions{});
  if (plan.Readable()) {
    if (scorvane::ApplyMatchImport(document.Owner(), plan) != static_cast<int>(plan.matches.size()))
      __builtin_trap();
    const scorvane::EncodedDocument saved = document.Encode();
    if (!saved.result.ok()) __builtin_trap();
    scorvane::PROJECT_DOC again;
    if (!again.ReadBytes(saved.bytes).ok()) __builtin_trap();
  }
  return 0;
}
