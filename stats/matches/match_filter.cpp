#include "stats/matches/match_filter.h"

#include <algorithm>
#include <array>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/event.h"
#include "records/match.h"
#include "records/player.h"

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

const EPREUVE* EventOf(const RENCONTRE& match) {
  const EPREUVE_JOUEE* played = match.GetPlayedEvent();
  return played ? played->Event() : nullptr;
}

// Whether `value` lies between the two bounds, both included, in either order.
bool Between(int value, int a, int b) {
  return value >= std::min(a, b) && value <= std::max(a, b);
}

// The opponents a match is judged on: one for a singles, two for a doubles
// (either may be missing).
struct Opponents {
  std::array<const JOUEUR*, 2> players{};
  int count = 0;
};

Opponents OpponentsOf(const RENCONTRE& match) {
  Opponents opponents;
  if (match.IsSingles()) {
    opponents.players[0] = static_cast<const RENCONTRE_SIMPLE&>(match).Opponent();
    opponents.count = 1;
  } else {
    const auto& doubles = static_cast<const RENCONTRE_DOUBLE&>(match);
    opponents.players = {doubles.FirstOpponent(), doubles.SecondOpponent()};
    opponents.count = 2;
  }
  return opponents;
}

// A condition on the opponents: with rule 0 one opponent meeting it is
// enough, with rule 1 every opponent must meet it. A missing player meets
// nothing.
template <class Condition>
bool OpponentsMeet(const Opponents& opponents, int doubles_rule, Condition&& condition) {
  bool any = false;
  bool all = true;
  for (int i = 0; i < opponents.count; ++i) {
    const JOUEUR* player = opponents.players[static_cast<size_t>(i)];
    const bool meets = player != nullptr && condition(*player);
    any = any || meets;
    all = all && meets;
  }
  return doubles_rule == 1 ? all : any;
}

bool IsRanking(const CLASSEMENT& ranking) {
  return ActiveSystem().IsValid(ranking.Value());
}

bool RankingBetween(const CLASSEMENT& ranking, const CLASSEMENT& a, const CLASSEMENT& b) {
  if (!IsRanking(ranking)) return false;
  const bool better_than_both = ranking.IsBetterThan(a) && ranking.IsBetterThan(b);
  const bool worse_than_both = ranking.IsWorseThan(a) && ranking.IsWorseThan(b);
  return !better_than_both && !worse_than_both;
}

bool ComparesAsWanted(const CLASSEMENT& opponent, const CLASSEMENT& own, int comparison) {
  if (!IsRanking(opponent) || !IsRanking(own)) return false;
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
bool MatchMeets(const StatisticsFilter& f, const RENCONTRE& match) {
  const DATE_SIMPLE& date = match.GetDate();
  if (f.dates_on) {
    const bool after_both = date.IsAfter(f.first_date) && date.IsAfter(f.second_date);
    const bool before_both = date.IsBefore(f.first_date) && date.IsBefore(f.second_date);
    if (after_both || before_both) return false;
  }
  const EPREUVE* event = EventOf(match);
  if (f.event_type > 0 && !(event && event->Type() == f.event_type)) return false;
  if (f.homologation > 0 && !(event && event->Homologation() == f.homologation - 1)) return false;
  if (f.age_category > 0 && !(event && event->AgeCategory() == f.age_category - 1)) return false;
  if (f.singles_doubles == 1 && !match.IsSingles()) return false;
  if (f.singles_doubles == 2 && match.IsSingles()) return false;
  const bool corporate = event && event->IsCorporate();
  if (f.corporate == 1 && !corporate) return false;
  if (f.corporate == 2 && corporate) return false;
  if (f.surface && match.GetSurface() != f.surface) return false;
  if (f.event && event != f.event) return false;
  if (f.indoor == 1 && !match.IsIndoor()) return false;
  if (f.indoor == 2 && match.IsIndoor()) return false;
  if (f.won_lost == 1 && !match.Result().IsWon()) return false;
  if (f.won_lost == 2 && match.Result().IsWon()) return false;
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

bool PassesFilter(const StatisticsFilter& f, const RENCONTRE& match, const JOUEUR& owner) {
  if (!MatchMeets(f, match)) return false;
  const bool any_opponent_condition =
      f.opponent_sex > 0 || f.handedness > 0 || f.ages_on || f.range_on || f.comparison_on;
  if (!any_opponent_condition) return true;

  const Opponents opponents = OpponentsOf(match);
  const auto meet = [&](auto&& condition) {
    return OpponentsMeet(opponents, f.doubles_rule, condition);
  };
  if (f.opponent_sex > 0 &&
      !meet([&](const JOUEUR& p) { return (p.Sex() != JOUEUR::kMan) == (f.opponent_sex == 2); })) {
    return false;
  }
  if (f.handedness > 0 &&
      !meet([&](const JOUEUR& p) { return p.IsLeftHanded() == (f.handedness == 1); })) {
    return false;
  }
  if (f.ages_on) {
    const int year = match.GetDate().Year();
    const auto aged = [&](const JOUEUR& p) {
      const int born = p.GetBirthYear();
      return born >= ANNEE::kMin && born <= ANNEE::kMax &&
             Between(year - born, f.age_min, f.age_max);
    };
    if (!meet(aged)) return false;
  }
  if (f.range_on && !meet([&](const JOUEUR& p) {
        return RankingBetween(match.RankingAtMatch(p), f.range_left, f.range_right);
      })) {
    return false;
  }
  if (f.comparison_on) {
    const CLASSEMENT own = match.RankingAtMatch(owner);
    if (!meet([&](const JOUEUR& p) {
          return ComparesAsWanted(match.RankingAtMatch(p), own, f.comparison);
        })) {
      return false;
    }
  }
  return true;
}

std::vector<std::string> FilterLines(const StatisticsFilter& f) {
  std::vector<std::string> lines;
  const auto add = [&lines](int message, std::initializer_list<TextArg> args = {}) {
    lines.push_back(FormatText(Msg(message), args));
  };
  if (f.dates_on) add(kMsgDates, {f.first_date.Format(), f.second_date.Format()});
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
