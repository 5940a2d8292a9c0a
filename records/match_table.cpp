// The cells, title and groups of a season's match table.
#include "records/match_table.h"

#include <unordered_map>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/event.h"
#include "records/match.h"
#include "records/palmares.h"
#include "records/player.h"
#include "records/season.h"

namespace scorvane {
namespace {

using namespace match_column;

// The singles opponent, or the two doubles opponents (either may be null).
std::vector<const JOUEUR*> Opponents(const RENCONTRE& match) {
  if (match.IsSingles()) return {static_cast<const RENCONTRE_SIMPLE&>(match).Opponent()};
  const auto& doubles = static_cast<const RENCONTRE_DOUBLE&>(match);
  return {doubles.FirstOpponent(), doubles.SecondOpponent()};
}

// One value per opponent joined by the separator; empty when every value is.
template <class F>
std::string Joined(const RENCONTRE& match, const char* separator, F&& value) {
  std::string joined;
  bool any = false;
  bool first = true;
  for (const JOUEUR* player : Opponents(match)) {
    const std::string text = player ? value(*player) : std::string();
    any = any || !text.empty();
    if (!first) joined += separator;
    joined += text;
    first = false;
  }
  return any ? joined : std::string();
}

bool InYearRange(int year) {
  return year >= ANNEE::kMin && year <= ANNEE::kMax;
}

std::string EventName(const RENCONTRE& match) {
  const EPREUVE_JOUEE* played = match.GetPlayedEvent();
  return played && played->Event() ? played->Event()->Name() : std::string();
}

std::string RankingText(const CLASSEMENT& ranking) {
  return ranking.IsNone() ? std::string() : ranking.Text();
}

// The ranking the player holds from 1 January of the next season, when the
// history has an entry of that very year.
CLASSEMENT FutureRanking(const JOUEUR& player, int season_year) {
  const int next = season_year + 1;
  const CLASSEMENT_DATE* entry = player.History().EntryAt(DATE_SIMPLE(1, 1, next));
  if (!entry || entry->Date().Year() != next) return CLASSEMENT();
  return entry->Ranking();
}

// Two opponents' rankings as one: their average, or the one known.
CLASSEMENT Combined(const std::vector<CLASSEMENT>& rankings) {
  int64_t sum = 0;
  int known = 0;
  for (const CLASSEMENT& ranking : rankings) {
    if (ranking.IsNone()) continue;
    sum += ranking.Value();
    ++known;
  }
  return known == 0 ? CLASSEMENT() : CLASSEMENT(static_cast<int32_t>(sum / known));
}

std::string ScoreText(const RESULTAT_RENCONTRE& result) {
  if (result.IsWalkover()) return Msg(76);
  if (result.IsRetirement()) return result.ScoreText() + " " + Msg(77);
  return result.ScoreText();
}

std::string BirthYearText(const JOUEUR& player) {
  const int year = player.GetBirthYear();
  return InYearRange(year) ? FormatText("%d%d", {year % 100 / 10, year % 10}) : std::string();
}

std::string AgeText(const JOUEUR& player, int season_year) {
  const int year = player.GetBirthYear();
  if (!InYearRange(year) || year > season_year) return {};
  return std::to_string((season_year - year) % 100);
}

constexpr MatchColumnFacts kColumns[kTotal] = {
    {270, 28, true, false},  {295, 53, true, true},    {305, 60, true, true},
    {298, 118, true, false}, {274, 62, false, false},  {273, 37, false, true},
    {271, 76, true, false},  {272, 90, true, false},   {275, 43, false, false},
    {276, 36, false, false}, {304, 62, false, false},  {277, 60, true, true},
    {278, 60, true, true},   {296, 65, true, false},   {301, 60, false, false},
    {297, 51, false, true},  {302, 123, false, false}, {303, 98, false, false},
};

}  // namespace

const MatchColumnFacts& MatchColumnFactsOf(int column) {
  return kColumns[column];
}

DATE_SIMPLE ShownMatchDate(const RENCONTRE& match) {
  if (InYearRange(match.GetDate().Year())) return match.GetDate();
  if (const EPREUVE_JOUEE* played = match.GetPlayedEvent()) {
    if (played->StartDate().IsValidCalendarDate()) return played->StartDate();
    if (played->EndDate().IsValidCalendarDate()) return played->EndDate();
  }
  return DATE_SIMPLE();
}

std::string MatchCellText(const RENCONTRE& match, int column, const MatchLineContext& context) {
  switch (column) {
    case kCount:
      return std::to_string(context.line);
    case kResult:
      return Msg(match.Result().IsWon() ? 72 : 73);
    case kDate: {
      const DATE_SIMPLE date = ShownMatchDate(match);
      return date.Year() == 0 ? std::string() : date.Format();
    }
    case kEvent:
      return EventName(match);
    case kLicence:
      return Joined(match, " / ", [](const JOUEUR& p) { return p.Licence(); });
    case kSex:
      return Joined(match, " / ",
                    [](const JOUEUR& p) { return std::string(Msg(p.IsWoman() ? 71 : 70)); });
    case kFirstName:
      return Joined(match, " / ", [](const JOUEUR& p) { return p.GetFirstName(); });
    case kSurname:
      return Joined(match, " / ", [](const JOUEUR& p) { return p.GetLastName(); });
    case kBirthYear:
      return Joined(match, " / ", BirthYearText);
    case kAge:
      return Joined(match, " / ",
                    [&context](const JOUEUR& p) { return AgeText(p, context.season_year); });
    case kClub: {
      if (!match.IsSingles()) return {};
      const JOUEUR* opponent = static_cast<const RENCONTRE_SIMPLE&>(match).Opponent();
      return opponent && opponent->Club() ? opponent->Club()->Name() : std::string();
    }
    case kRank:
      return Joined(match, " ",
                    [&match](const JOUEUR& p) { return RankingText(match.RankingAtMatch(p)); });
    case kFutureRank:
      if (!context.french_system) return {};
      return Joined(match, " / ", [&context](const JOUEUR& p) {
        return RankingText(FutureRanking(p, context.season_year));
      });
    case kScore:
      return ScoreText(match.Result());
    case kSurface:
      return match.GetSurface() ? match.GetSurface()->Name() : std::string();
    case kIndoors:
      // Shown by its picture alone.
      return {};
    case kComment:
      return match.Comment();
    case kOpponentComment:
      return Joined(match, " / ", [](const JOUEUR& p) { return p.Comment(); });
    default:
      return {};
  }
}

std::string MatchesTitleText(const SAISON_JOUEUR& season) {
  const PALMARES* palmares = season.Palmares();
  const int count = palmares ? palmares->Matches().Count() : 0;
  const std::string matches = count == 0   ? Msg(89)
                              : count == 1 ? Msg(90)
                                           : FormatText(Msg(91), {count});
  return FormatText(Msg(294), {ANNEE::Clamp(season.Year())}) + "   ( " + matches + " )";
}

std::string EventLineText(const EPREUVE_JOUEE& played) {
  return FormatText(" %s ", {played.Event() ? played.Event()->Name() : std::string()});
}

std::vector<MatchGroup> GroupMatchesByEvent(const PALMARES& palmares) {
  std::vector<MatchGroup> groups;
  std::unordered_map<const EPREUVE_JOUEE*, size_t> group_of;
  for (EPREUVE_JOUEE* played : palmares.PlayedEvents()) {
    if (group_of.emplace(played, groups.size()).second) groups.push_back({played, {}});
  }
  for (RENCONTRE* match : palmares.Matches()) {
    EPREUVE_JOUEE* played = match->GetPlayedEvent();
    const auto [found, added] = group_of.emplace(played, groups.size());
    if (added) groups.push_back({played, {}});
    groups[found->second].matches.push_back(match);
  }
  return groups;
}

CLASSEMENT OpponentRankingAtMatch(const RENCONTRE& match) {
  std::vector<CLASSEMENT> rankings;
  for (const JOUEUR* player : Opponents(match))
    rankings.push_back(player ? match.RankingAtMatch(*player) : CLASSEMENT());
  return Combined(rankings);
}

CLASSEMENT OpponentFutureRanking(const RENCONTRE& match, int season_year) {
  if (!ActiveSystem().IsFrench()) return CLASSEMENT();
  std::vector<CLASSEMENT> rankings;
  for (const JOUEUR* player : Opponents(match))
    rankings.push_back(player ? FutureRanking(*player, season_year) : CLASSEMENT());
  return Combined(rankings);
}

MatchTable BuildMatchTable(const SAISON_JOUEUR& season) {
  MatchTable table;
  table.caption = MatchesTitleText(season);
  std::vector<int> shown;
  for (int column = 0; column < kTotal; ++column) {
    if (!kColumns[column].shown) continue;
    shown.push_back(column);
    table.titles.push_back(Msg(kColumns[column].title));
  }
  const PALMARES* palmares = season.Palmares();
  if (!palmares) return table;
  MatchLineContext context{season.Year(), ActiveSystem().IsFrench(), 0};
  for (const RENCONTRE* match : palmares->Matches()) {
    ++context.line;
    std::vector<std::string>& row = table.rows.emplace_back();
    for (const int column : shown)
      row.push_back(MatchCellText(*match, column, context));
  }
  return table;
}

}  // namespace scorvane
