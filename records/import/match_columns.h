// The columns of a CSV list of matches, found by their headings in English
// or French: what `scorvane-cli matches --csv` writes in either language
// and what a player's own spreadsheet is likely to call them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace scorvane {

enum class MatchColumn {
  kDate,
  kEvent,
  kFirstName,
  kSurname,
  kLicence,
  kRanking,
  kFutureRanking,
  kResult,
  kScore,
  kSurface,
  kPlace,
  kPartnerFirstName,
  kPartnerSurname,
  kPartner,
  kSecondFirstName,
  kSecondSurname,
  kSecondRanking,
  kSecondOpponent,
  kComments,
  // The line number of the program's own export: known, not used.
  kCount,
};
inline constexpr size_t kMatchColumnCount = static_cast<size_t>(MatchColumn::kCount) + 1;

struct MatchColumns {
  // The cell index of each column, when the file has it.
  std::array<std::optional<size_t>, kMatchColumnCount> index;
  // Headings that name no column, as written in the file.
  std::vector<std::string> ignored;

  bool Has(MatchColumn column) const { return index[static_cast<size_t>(column)].has_value(); }
  // The cell of a column in a row ("" when the column or the cell is absent).
  const std::string& Cell(const std::vector<std::string>& row, MatchColumn column) const;
};

// The columns of a heading line. Refused (with the message in *error) when
// no heading is known, or when the date, the result or the opponent's names
// are missing; a heading met twice keeps its first column.
std::optional<MatchColumns> FindMatchColumns(const std::vector<std::string>& headings,
                                             std::string* error);

}  // namespace scorvane
