// A season's matches as a table: its eighteen columns (titles, default
// widths, which are shown by default), the text of every cell of a match
// line, the title line, and the lines grouped under the events played. The
// matches page shows it and scorvane-cli prints it, so both tell the same
// story from one place.
#pragma once

#include <string>
#include <vector>

#include "base/dates.h"
#include "ranking/ranking_value.h"

namespace scorvane {

class EPREUVE_JOUEE;
class PALMARES;
class RENCONTRE;
class SAISON_JOUEUR;

// The columns, by their number (also their identity in the settings).
namespace match_column {
inline constexpr int kCount = 0;
inline constexpr int kResult = 1;
inline constexpr int kDate = 2;
inline constexpr int kEvent = 3;
inline constexpr int kLicence = 4;
inline constexpr int kSex = 5;
inline constexpr int kFirstName = 6;
inline constexpr int kSurname = 7;
inline constexpr int kBirthYear = 8;
inline constexpr int kAge = 9;
inline constexpr int kClub = 10;
inline constexpr int kRank = 11;
inline constexpr int kFutureRank = 12;
inline constexpr int kScore = 13;
inline constexpr int kSurface = 14;
inline constexpr int kIndoors = 15;
inline constexpr int kComment = 16;
inline constexpr int kOpponentComment = 17;
inline constexpr int kTotal = 18;
}  // namespace match_column

// What a column is before the user changes it.
struct MatchColumnFacts {
  int title;  // catalogue number of its heading
  int width;  // pixels on screen
  bool shown;
  bool centred;
};
const MatchColumnFacts& MatchColumnFactsOf(int column);

// The season a line belongs to and how it is numbered.
struct MatchLineContext {
  int season_year = 0;
  // Future rankings are shown under the French system only.
  bool french_system = false;
  // The line's number, from 1.
  int line = 0;
};

// The text of one cell of a match line, in the interface language.
std::string MatchCellText(const RENCONTRE& match, int column, const MatchLineContext& context);

// The date a line shows: the match's own when its year is plausible, else
// its event's first date, else its second one, when valid; else no date.
DATE_SIMPLE ShownMatchDate(const RENCONTRE& match);

// "Season 2001 matches   ( 3 matches )"; a season without a palmares has no match.
std::string MatchesTitleText(const SAISON_JOUEUR& season);

// The label of an event's group line: its name between blanks.
std::string EventLineText(const EPREUVE_JOUEE& played);

// An event played with the matches of the palmares that belong to it.
struct MatchGroup {
  EPREUVE_JOUEE* played = nullptr;
  std::vector<RENCONTRE*> matches;
};
// The groups in the palmares order of events played (an event without
// matches still has its group), each holding its matches in palmares order.
// A match whose event the palmares does not list gets a group of its own
// after the others.
std::vector<MatchGroup> GroupMatchesByEvent(const PALMARES& palmares);

// The opponents' ranking the ranking sort uses: the singles opponent's at
// the match, for doubles the average of both; none when missing.
CLASSEMENT OpponentRankingAtMatch(const RENCONTRE& match);
// The same with the rankings from 1 January of the next season (under the
// French system; none otherwise or when the history has no entry of that year).
CLASSEMENT OpponentFutureRanking(const RENCONTRE& match, int season_year);

// A season's matches in the columns shown by default, in palmares order.
struct MatchTable {
  std::string caption;  // MatchesTitleText
  std::vector<std::string> titles;
  std::vector<std::vector<std::string>> rows;
};
MatchTable BuildMatchTable(const SAISON_JOUEUR& season);

}  // namespace scorvane
