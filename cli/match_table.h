// The cells of a season's match list with the matches page's default
// columns (Count, Result, Date, Event, First name, Surname, Rank, Future
// rank, Score), and their CSV form.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "records/season.h"

namespace scorvane::cli {

struct MatchTable {
  // "Season 2001 matches   ( 3 matches )".
  std::string caption;
  std::vector<std::string> titles;
  // One row per match of the season's palmares, in palmares order.
  std::vector<std::vector<std::string>> rows;
};

// The table of a season, texts in the interface language.
MatchTable BuildMatchTable(const SAISON_JOUEUR& season);

// RFC 4180: CRLF line ends, fields holding a comma, a quote or a line break
// between quotes, quotes doubled; the titles first.
void WriteCsv(std::ostream& out, const MatchTable& table);

}  // namespace scorvane::cli
