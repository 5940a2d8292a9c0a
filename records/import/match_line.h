// One line of a CSV list of matches read into plain values: the date, the
// event's name, the result and score, the players' names and rankings in
// the document's ranking system. A line that cannot be read is refused
// with the reason, naming the cell at fault.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/dates.h"
#include "ranking/ranking_value.h"
#include "records/import/match_columns.h"

namespace scorvane {

class SYSTEME_CLASSEMENT;

struct ImportedPlayer {
  std::string first_name;
  std::string surname;
  std::string licence;
  // No ranking when the cell is empty.
  CLASSEMENT ranking;
  CLASSEMENT future_ranking;

  bool IsNamed() const { return !first_name.empty() || !surname.empty(); }
};

struct ImportedMatch {
  // The line of the file, counted from 1 (the headings).
  size_t line = 0;
  DATE_SIMPLE date;
  std::string event;
  bool won = false;
  std::string score;
  bool walkover = false;
  bool retirement = false;
  std::string surface;
  std::string place;
  std::string comments;
  bool doubles = false;
  ImportedPlayer opponent;
  ImportedPlayer second_opponent;
  // Doubles only; unnamed when the file does not say.
  ImportedPlayer partner;
};

struct LineReading {
  std::optional<ImportedMatch> match;
  std::string refusal;
};

// Reads row `line` (counted from 1) against the columns; rankings are read
// in `system`.
LineReading ReadMatchLine(const std::vector<std::string>& row, size_t line,
                          const MatchColumns& columns, const SYSTEME_CLASSEMENT& system);

// The readers of single cells, each answering nullopt for a text it cannot read.
// A date written dd/mm/yyyy or yyyy-mm-dd (also with "." or "-" between
// day, month and year), in the years 1900 to 2100.
std::optional<DATE_SIMPLE> ReadImportDate(const std::string& text);
// "W", "V", "won", "victoire"... or "L", "D", "lost", "défaite"...
std::optional<bool> ReadImportResult(const std::string& text);
// A ranking of the system: a grade's name (without regard to case) or a
// number of its scale; an empty text is no ranking.
std::optional<CLASSEMENT> ReadImportRanking(const std::string& text,
                                            const SYSTEME_CLASSEMENT& system);

}  // namespace scorvane
