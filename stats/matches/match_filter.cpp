#include "stats/matches/match_filter.h"

#include <algorithm>

#include "base/catalogue/messages.h"
#include "base/locale.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/event.h"
#include "stats/matches/match_facts.h"

namespace scorvane {
namespace {

// Catalogue texts of the printed filter lines.
enum : int {
  kMsgDates = 338,
  kMsgEventType = 339,
  kMsgHomologation = 340,
  kMsgCategory = 341,
  kMsgOnlySingles = 342,
  kMsgOnlyDoubles = 343,
  kMsgOnlyCorporate = 344,
  kMsgNoCorporate = 345,
  kMsgSurface = 346,
  kMsgEvent = 347,
  kMsgIndoors = 348,
  kMsgOutdoors = 349,
  kMsgWon = 350,
  kMsgLost = 351,
  kMsgMen = 352,
  kMsgWomen = 353,
  kMsgLeftHanded = 354,
  kMsgRightHanded = 355,
  kMsgAges = 356,
  kMsgRanked = 357,
  kMsgBetter = 358,
  kMsgWorse = 359,
  kMsgSame = 360,
};

// Whether `value` lies between the two bounds, both included, in either order.
bool Between(int value, int a, int b) {
  return value >= std::min(a, b) && value <= std::max(a, b);
}

// A condition on the opponents: with rule 0 one opponent meeting it is
// enough, with rule 1 every opponent must meet it. A missing player meets
// nothing.
template <class Condition>
bool OpponentsMeet(const MatchFacts& match, int doubles_rule, Condition&& condition) {
  bool any = false;
  bool all = true;
  for (int i = 0; i < match.opponent_count; ++i) {
    const OpponentFacts& opponent = match.opponents[static_cast<size_t>(i)];
    const bool meets = opponent.present && condition(opponent);
    any = any || meets;
    all = all && meets;
  }
  return doubles_rule == 1 ? all : any;
}

bool RankingBetween(const CLASSEMENT& ranking, const CLASSEMENT& a, const CLASSEMENT& b) {
  if (!ActiveSystem().IsValid(ranking.Value())) return false;
  const bool better_than_both = ranking.IsBetterThan(a) && ranking.IsBetterThan(b);
  const bool worse_than_both = ranking.IsWorseThan(a) && ranking.IsWorseThan(b);
  return !better_than_both && !worse_than_both;
}

bool ComparesAsWanted(const CLASSEMENT& opponent, const CLASSEMENT& own, int comparison) {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (!system.IsValid(opponent.Value()) || !system.IsValid(own.Value())) return false;
  switch (comparison) {
    case StatisticsFilter::kBetter:
      return opponent.IsBetterThan(own);
    case StatisticsFilter::kWorse:
      return opponent.IsWorseThan(own);
    default:
      return opponent.Equals(own);
  }
}

// Conditions 1 to 10: the match and its event.
bool MatchMeets(const StatisticsFilter& f, const MatchFacts& m) {
  if (f.dates_on) {
    const std::int32_t first =
        DateKey(f.first_date.Day(), f.first_date.Month(), f.first_date.Year());
    const std::int32_t second =
        DateKey(f.second_date.Day(), f.second_date.Month(), f.second_date.Year());
    if (!Between(m.date_key, first, second)) return false;
  }
  if (f.event_type > 0 && !(m.event && m.event_type == f.event_type)) return false;
  if (f.homologation > 0 && !(m.event && m.homologation == f.homologation - 1)) return false;
  if (f.age_category > 0 && !(m.event && m.age_category == f.age_category - 1)) return false;
  if (f.singles_doubles == 1 && !m.singles) return false;
  if (f.singles_doubles == 2 && m.singles) return false;
  if (f.corporate == 1 && !m.corporate) return false;
  if (f.corporate == 2 && m.corporate) return false;
  if (f.surface && m.surface != f.surface) return false;
  if (f.event && m.event != f.event) return false;
  if (f.indoor == 1 && !m.indoor) return false;
  if (f.indoor == 2 && m.indoor) return false;
  if (f.won_lost == 1 && !m.won) return false;
  if (f.won_lost == 2 && m.won) return false;
  return true;
}

}  // namespace

StatisticsFilter StatisticsFilter::Initial(const DATE_SIMPLE& today) {
  StatisticsFilter filter;
  filter.first_date = today;
  filter.second_date = today;
  filter.range_left = CLASSEMENT::Worst();
  filter.range_right = CLASSEMENT::Best();
  return filter;
}

bool PassesFilter(const StatisticsFilter& f, const MatchFacts& m) {
  if (!MatchMeets(f, m)) return false;
  const auto meet = [&](auto&& condition) { return OpponentsMeet(m, f.doubles_rule, condition); };
  if (f.opponent_sex > 0 &&
      !meet([&](const OpponentFacts& p) { return p.woman == (f.opponent_sex == 2); })) {
    return false;
  }
  if (f.handedness > 0 &&
      !meet([&](const OpponentFacts& p) { return p.left_handed == (f.handedness == 1); })) {
    return false;
  }
  if (f.ages_on && !meet([&](const OpponentFacts& p) {
        return p.birth_year >= ANNEE::kMin && p.birth_year <= ANNEE::kMax &&
               Between(m.year - p.birth_year, f.age_min, f.age_max);
      })) {
    return false;
  }
  if (f.range_on && !meet([&](const OpponentFacts& p) {
        return RankingBetween(CLASSEMENT(p.ranking), f.range_left, f.range_right);
      })) {
    return false;
  }
  if (f.comparison_on && !meet([&](const OpponentFacts& p) {
        return ComparesAsWanted(CLASSEMENT(p.ranking), CLASSEMENT(m.own_ranking), f.comparison);
      })) {
    return false;
  }
  return true;
}

std::vector<std::string> FilterLines(const StatisticsFilter& f) {
  std::vector<std::string> lines;
  const auto add = [&lines](int message, std::initializer_list<TextArg> args = {}) {
    lines.push_back(FormatText(Msg(message), args));
  };
  if (f.dates_on) add(kMsgDates, {DateInSentence(f.first_date), DateInSentence(f.second_date)});
  if (f.event_type > 0) add(kMsgEventType, {EventTypeName(f.event_type)});
  if (f.homologation > 0) add(kMsgHomologation, {HomologationName(f.homologation - 1)});
  if (f.age_category > 0) add(kMsgCategory, {AgeCategoryName(f.age_category - 1)});
  if (f.singles_doubles > 0) add(f.singles_doubles == 1 ? kMsgOnlySingles : kMsgOnlyDoubles);
  if (f.corporate > 0) add(f.corporate == 1 ? kMsgOnlyCorporate : kMsgNoCorporate);
  if (f.surface) add(kMsgSurface, {f.surface->Name()});
  if (f.event) add(kMsgEvent, {f.event->Name()});
  if (f.indoor > 0) add(f.indoor == 1 ? kMsgIndoors : kMsgOutdoors);
  if (f.won_lost > 0) add(f.won_lost == 1 ? kMsgWon : kMsgLost);
  if (f.opponent_sex > 0) add(f.opponent_sex == 1 ? kMsgMen : kMsgWomen);
  if (f.handedness > 0) add(f.handedness == 1 ? kMsgLeftHanded : kMsgRightHanded);
  if (f.ages_on) add(kMsgAges, {f.age_min, f.age_max});
  if (f.range_on) add(kMsgRanked, {f.range_left.Text(), f.range_right.Text()});
  if (f.comparison_on) {
    add(f.comparison == StatisticsFilter::kBetter  ? kMsgBetter
        : f.comparison == StatisticsFilter::kWorse ? kMsgWorse
                                                   : kMsgSame);
  }
  return lines;
}

}  // namespace scorvane
