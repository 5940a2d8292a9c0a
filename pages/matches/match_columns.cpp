#include "pages/matches/match_columns.h"

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

const RENCONTRE& MatchOf(std::uintptr_t item) {
  return *reinterpret_cast<const RENCONTRE*>(item);
}

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

// The date a line shows: the match's own when its year is plausible, else
// its event's first date, else its second one, when valid.
DATE_SIMPLE ShownDate(const RENCONTRE& match) {
  if (InYearRange(match.GetDate().Year())) return match.GetDate();
  if (const EPREUVE_JOUEE* played = match.GetPlayedEvent()) {
    if (played->StartDate().IsValidCalendarDate()) return played->StartDate();
    if (played->EndDate().IsValidCalendarDate()) return played->EndDate();
  }
  return DATE_SIMPLE();
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

int Order(bool less, bool greater) {
  return less ? -1 : (greater ? 1 : 0);
}

int CompareRankings(const CLASSEMENT& a, const CLASSEMENT& b) {
  // No ranking comes first, then from the worst ranking to the best.
  if (a.IsNone() || b.IsNone()) return Order(a.IsNone() && !b.IsNone(), b.IsNone() && !a.IsNone());
  return Order(b.IsBetterThan(a), a.IsBetterThan(b));
}

int CompareDates(const DATE_SIMPLE& a, const DATE_SIMPLE& b) {
  return Order(b.IsAfter(a), a.IsAfter(b));
}

int BirthYear(const RENCONTRE& match) {
  const std::vector<const JOUEUR*> opponents = Opponents(match);
  return opponents.front() ? opponents.front()->GetBirthYear() : 0;
}

// Ascending and descending comparisons made of one ascending order.
void SetOrder(ListColumn& column, RowComparison::ItemCompare ascending) {
  column.ascending = RowComparison::ByItems(ascending);
  column.descending = RowComparison::ByItems(
      [ascending](std::uintptr_t a, std::uintptr_t b, int year) { return ascending(b, a, year); });
}

void SetTextOrder(ListColumn& column, int number) {
  const auto text = [number](std::uintptr_t item) {
    return MatchCellText(MatchOf(item), number, MatchLineContext{0, false, 0});
  };
  column.ascending = RowComparison::ByText(text);
  column.descending = RowComparison::ByText(text, /*descending=*/true);
}

struct ColumnFacts {
  int title;  // catalogue number
  int width;
  bool shown;
  bool centred;
};

constexpr ColumnFacts kColumns[kTotal] = {
    {270, 28, true, false},  {295, 53, true, true},    {305, 60, true, true},
    {298, 118, true, false}, {274, 62, false, false},  {273, 37, false, true},
    {271, 76, true, false},  {272, 90, true, false},   {275, 43, false, false},
    {276, 36, false, false}, {304, 62, false, false},  {277, 60, true, true},
    {278, 60, true, true},   {296, 65, true, false},   {301, 60, false, false},
    {297, 51, false, true},  {302, 123, false, false}, {303, 98, false, false},
};

}  // namespace

ListColumnModel MakeMatchColumns() {
  ListColumnModel columns;
  for (int number = 0; number < kTotal; ++number) {
    const ColumnFacts& facts = kColumns[number];
    ListColumn column;
    column.title = Msg(facts.title);
    column.width = facts.width;
    column.shown = facts.shown;
    column.alignment = facts.centred ? ColumnAlignment::kCentre : ColumnAlignment::kLeft;
    // Dates and short numbers read wrong when cut: names and texts give up room.
    column.keep_whole = number == kCount || number == kResult || number == kDate ||
                        number == kSex || number == kBirthYear || number == kAge ||
                        number == kIndoors;
    switch (number) {
      case kCount:
      case kScore:
        break;
      case kResult:
        // Victories before defeats.
        SetOrder(column, [](std::uintptr_t a, std::uintptr_t b, int) {
          return Order(MatchOf(a).Result().IsWon() && !MatchOf(b).Result().IsWon(),
                       MatchOf(b).Result().IsWon() && !MatchOf(a).Result().IsWon());
        });
        break;
      case kDate:
        SetOrder(column, [](std::uintptr_t a, std::uintptr_t b, int) {
          return CompareDates(ShownDate(MatchOf(a)), ShownDate(MatchOf(b)));
        });
        break;
      case kBirthYear:
      case kAge:
        // The older opponent first by year of birth, the younger first by age.
        SetOrder(column, [number](std::uintptr_t a, std::uintptr_t b, int) {
          const int first = BirthYear(MatchOf(a));
          const int second = BirthYear(MatchOf(b));
          return number == kBirthYear ? Order(first<second, first> second)
                                      : Order(first > second, first < second);
        });
        break;
      case kRank:
        SetOrder(column, [](std::uintptr_t a, std::uintptr_t b, int) {
          return CompareRankings(OpponentRankingAtMatch(MatchOf(a)),
                                 OpponentRankingAtMatch(MatchOf(b)));
        });
        break;
      case kFutureRank:
        SetOrder(column, [](std::uintptr_t a, std::uintptr_t b, int year) {
          return CompareRankings(OpponentFutureRanking(MatchOf(a), year),
                                 OpponentFutureRanking(MatchOf(b), year));
        });
        break;
      case kIndoors:
        SetOrder(column, [](std::uintptr_t a, std::uintptr_t b, int) {
          return Order(MatchOf(a).IsIndoor() && !MatchOf(b).IsIndoor(),
                       MatchOf(b).IsIndoor() && !MatchOf(a).IsIndoor());
        });
        break;
      default:
        SetTextOrder(column, number);
        break;
    }
    columns.Add(std::move(column));
  }
  return columns;
}

std::string MatchCellText(const RENCONTRE& match, int column, const MatchLineContext& context) {
  switch (column) {
    case kCount:
      return std::to_string(context.line);
    case kResult:
      return Msg(match.Result().IsWon() ? 72 : 73);
    case kDate: {
      const DATE_SIMPLE date = ShownDate(match);
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

}  // namespace scorvane
