#include "pages/matches/match_columns.h"

#include "base/catalogue/messages.h"
#include "records/match.h"
#include "records/player.h"

namespace scorvane {
namespace {

using namespace match_column;

const RENCONTRE& MatchOf(std::uintptr_t item) {
  return *reinterpret_cast<const RENCONTRE*>(item);
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

// The singles opponent's year of birth, or the first doubles opponent's.
int BirthYear(const RENCONTRE& match) {
  const JOUEUR* opponent = match.IsSingles()
                               ? static_cast<const RENCONTRE_SIMPLE&>(match).Opponent()
                               : static_cast<const RENCONTRE_DOUBLE&>(match).FirstOpponent();
  return opponent ? opponent->GetBirthYear() : 0;
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
    // Dates, rankings and short numbers read wrong when cut: names, scores
    // (which may carry a remark) and texts give up room.
    column.keep_whole = number == kCount || number == kResult || number == kDate ||
                        number == kLicence || number == kSex || number == kBirthYear ||
                        number == kAge || number == kRank || number == kFutureRank ||
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
          return CompareDates(ShownMatchDate(MatchOf(a)), ShownMatchDate(MatchOf(b)));
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

}  // namespace scorvane
