// The cell texts of the matches page's default columns, and CSV output.
#include "cli/match_table.h"

#include <ostream>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "cli/text_table.h"
#include "ranking/ranking_registry.h"
#include "records/event.h"
#include "records/palmares.h"
#include "records/player.h"

namespace scorvane::cli {
namespace {

// The date shown for a match: its own when it has a year of 1900..2100,
// else its played event's first date, else its second one, when valid.
std::string DateText(const RENCONTRE& match) {
  const int year = match.GetDate().Year();
  if (year >= ANNEE::kMin && year <= ANNEE::kMax) return match.GetDate().Format();
  if (const EPREUVE_JOUEE* played = match.GetPlayedEvent()) {
    if (played->StartDate().IsValidCalendarDate()) return played->StartDate().Format();
    if (played->EndDate().IsValidCalendarDate()) return played->EndDate().Format();
  }
  return {};
}

std::vector<const JOUEUR*> Opponents(const RENCONTRE& match) {
  if (match.IsSingles()) return {static_cast<const RENCONTRE_SIMPLE&>(match).Opponent()};
  const auto& doubles = static_cast<const RENCONTRE_DOUBLE&>(match);
  return {doubles.FirstOpponent(), doubles.SecondOpponent()};
}

// The opponents' values of one column, joined.
template <class F>
std::string Joined(const std::vector<const JOUEUR*>& players, const std::string& separator,
                   F&& text) {
  std::string joined;
  for (size_t i = 0; i < players.size(); ++i) {
    if (i) joined += separator;
    if (players[i]) joined += text(*players[i]);
  }
  return joined;
}

std::string RankText(const RENCONTRE& match, const JOUEUR& player) {
  if (player.History().IsEmpty()) return {};
  return match.RankingAtMatch(player).Text();
}

// Under the French system: the ranking the opponent holds from 1 January of
// the next season, when the history has an entry of that very year.
std::string FutureRankText(int season_year, const JOUEUR& player) {
  const int next = season_year + 1;
  const CLASSEMENT_DATE* entry = player.History().EntryAt(DATE_SIMPLE(1, 1, next));
  if (!entry || entry->Date().Year() != next) return {};
  return entry->Ranking().Text();
}

std::string ScoreText(const RESULTAT_RENCONTRE& result) {
  if (result.IsWalkover()) return Msg(76);
  if (result.IsRetirement()) return result.ScoreText() + " " + Msg(77);
  return result.ScoreText();
}

}  // namespace

MatchTable BuildMatchTable(const SAISON_JOUEUR& season) {
  MatchTable table;
  const PALMARES* palmares = season.Palmares();
  const int count = palmares ? palmares->Matches().Count() : 0;
  const std::string matches = count == 0   ? Msg(89)
                              : count == 1 ? Msg(90)
                                           : FormatText(Msg(91), {count});
  table.caption = FormatText(Msg(294), {ANNEE::Clamp(season.Year())}) + "   ( " + matches + " )";
  for (const int title : {270, 295, 305, 298, 271, 272, 277, 278, 296})
    table.titles.push_back(Msg(title));
  if (!palmares) return table;

  const bool french = ActiveSystem().IsFrench();
  int line = 0;
  for (const RENCONTRE* match : palmares->Matches()) {
    const std::vector<const JOUEUR*> opponents = Opponents(*match);
    const EPREUVE_JOUEE* played = match->GetPlayedEvent();
    table.rows.push_back({
        std::to_string(++line),
        Msg(match->Result().IsWon() ? 72 : 73),
        DateText(*match),
        played && played->Event() ? played->Event()->Name() : std::string(),
        Joined(opponents, " / ", [](const JOUEUR& p) { return p.GetFirstName(); }),
        Joined(opponents, " / ", [](const JOUEUR& p) { return p.GetLastName(); }),
        Joined(opponents, " ", [match](const JOUEUR& p) { return RankText(*match, p); }),
        french ? Joined(opponents, " / ",
                        [&season](const JOUEUR& p) { return FutureRankText(season.Year(), p); })
               : std::string(),
        ScoreText(match->Result()),
    });
  }
  return table;
}

void WriteCsv(std::ostream& out, const MatchTable& table) {
  WriteCsvRow(out, table.titles);
  for (const auto& row : table.rows)
    WriteCsvRow(out, row);
}

}  // namespace scorvane::cli
