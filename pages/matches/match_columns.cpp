#include "pages/matches/match_columns.h"

#include "base/catalogue/messages.h"
#include "records/match.h"
#include "records/player.h"

namespace scorvane {
namespace {

using namespace match_column;

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

// The singles opponent's year of birth, or the first doubles opponent's.
int BirthYear(const RENCONTRE& match) {
  const JOUEUR* opponent = match.IsSingles()
                               ? static_cast<const RENCONTRE_SIMPLE&>(match).Opponent()
                               : static_cast<const RENCONTRE_DOUBLE&>(match).FirstOpponent();
  return opponent ? opponent->GetBirthYear() : 0;
}

}  // namespace

ListColumnModel MakeMatchColumns() {
  ListColumnModel columns;
  for (int number = 0; number < kTotal; ++number) {
    const MatchColumnFacts& facts = MatchColumnFactsOf(number);
    ListColumn column;
    column.title = Msg(facts.title);
    column.width = facts.width;
    column.shown = facts.shown;
    column.alignment = facts.centred ? ColumnAlignment::kCentre : ColumnAlignment::kLeft;
    switch (number) {
      case kCount:
      case kScore:
        break;
      case kResult:
        // Victories before defeats.
        SetRecordOrder<RENCONTRE>(column, [](const RENCONTRE& a, const RENCONTRE& b, int) {
          return Order(a.Result().IsWon() && !b.Result().IsWon(),
                       b.Result().IsWon() && !a.Result().IsWon());
        });
        break;
      case kDate:
        SetRecordOrder<RENCONTRE>(column, [](const RENCONTRE& a, const RENCONTRE& b, int) {
          return CompareDates(ShownMatchDate(a), ShownMatchDate(b));
        });
        break;
      case kBirthYear:
      case kAge:
        // The older opponent first by year of birth, the younger first by age.
        SetRecordOrder<RENCONTRE>(column, [number](const RENCONTRE& a, const RENCONTRE& b, int) {
          const int first = BirthYear(a);
          const int second = BirthYear(b);
          return number == kBirthYear ? Order(first<second, first> second)
                                      : Order(first > second, first < second);
        });
        break;
      case kRank:
        SetRecordOrder<RENCONTRE>(column, [](const RENCONTRE& a, const RENCONTRE& b, int) {
          return CompareRankings(OpponentRankingAtMatch(a), OpponentRankingAtMatch(b));
        });
        break;
      case kFutureRank:
        SetRecordOrder<RENCONTRE>(column, [](const RENCONTRE& a, const RENCONTRE& b, int year) {
          return CompareRankings(OpponentFutureRanking(a, year), OpponentFutureRanking(b, year));
        });
        break;
      case kIndoors:
        SetRecordOrder<RENCONTRE>(column, [](const RENCONTRE& a, const RENCONTRE& b, int) {
          return Order(a.IsIndoor() && !b.IsIndoor(), b.IsIndoor() && !a.IsIndoor());
        });
        break;
      default:
        SetRecordTextOrder<RENCONTRE>(column, [number](const RENCONTRE& match) {
          return MatchCellText(match, number, MatchLineContext{0, false, 0});
        });
        break;
    }
    columns.Add(std::move(column));
  }
  return columns;
}

}  // namespace scorvane
