#include "pages/common/matches/match_viewer_rules.h"

#include <algorithm>
#include <numeric>

#include "base/catalogue/messages.h"
#include "base/text_compare.h"
#include "base/text_format.h"
#include "records/club.h"
#include "records/event.h"
#include "records/match.h"
#include "records/player.h"

namespace scorvane {
namespace {

const RENCONTRE_SIMPLE& AsSingles(const RENCONTRE& match) {
  return static_cast<const RENCONTRE_SIMPLE&>(match);
}
const RENCONTRE_DOUBLE& AsDoubles(const RENCONTRE& match) {
  return static_cast<const RENCONTRE_DOUBLE&>(match);
}

// The opponent whose last name the opponents column sorts on.
const JOUEUR* MainOpponent(const RENCONTRE& match) {
  return match.IsSingles() ? AsSingles(match).Opponent() : AsDoubles(match).FirstOpponent();
}

std::string RankingText(const RENCONTRE& match, const JOUEUR* player) {
  if (!player) return {};
  const CLASSEMENT ranking = match.RankingAtMatch(*player);
  return ranking.IsNone() ? std::string() : ranking.Text();
}

std::string OpponentsText(const RENCONTRE& match) {
  if (match.IsSingles()) {
    const JOUEUR* opponent = AsSingles(match).Opponent();
    return opponent ? opponent->DisplayName() : std::string();
  }
  const JOUEUR* first = AsDoubles(match).FirstOpponent();
  const JOUEUR* second = AsDoubles(match).SecondOpponent();
  if (!first || !second) return {};
  return first->DisplayName() + "/" + second->DisplayName();
}

std::string RankingsText(const RENCONTRE& match) {
  if (match.IsSingles()) return RankingText(match, AsSingles(match).Opponent());
  const std::string first = RankingText(match, AsDoubles(match).FirstOpponent());
  const std::string second = RankingText(match, AsDoubles(match).SecondOpponent());
  if (first.empty() || second.empty()) return first + second;
  return first + " " + second;
}

bool HasValidYear(const DATE_SIMPLE& date) {
  return date.Year() >= ANNEE::kMin && date.Year() <= ANNEE::kMax;
}

// The match's date, or failing that its event's start or end date.
std::string DateText(const RENCONTRE& match) {
  if (HasValidYear(match.GetDate())) return match.GetDate().Format();
  if (const EPREUVE_JOUEE* played = match.GetPlayedEvent()) {
    if (HasValidYear(played->StartDate())) return played->StartDate().Format();
    if (HasValidYear(played->EndDate())) return played->EndDate().Format();
  }
  return " ";
}

std::string ScoreText(const RENCONTRE& match) {
  const RESULTAT_RENCONTRE& result = match.Result();
  if (result.IsRetirement()) return result.ScoreText() + " " + Msg(77);
  if (result.IsWalkover()) return Msg(76);
  return result.ScoreText();
}

std::string SurfaceName(const RENCONTRE& match) {
  return match.GetSurface() ? match.GetSurface()->Name() : std::string();
}

int CompareDates(const DATE_SIMPLE& a, const DATE_SIMPLE& b) {
  if (a.IsEqual(b)) return 0;
  return a.IsAfter(b) ? 1 : -1;
}

int CompareEvents(const RENCONTRE& a, const RENCONTRE& b) {
  const EPREUVE_JOUEE* first = a.GetPlayedEvent();
  const EPREUVE_JOUEE* second = b.GetPlayedEvent();
  if (!first || !second) return (first ? 0 : 1) - (second ? 0 : 1);
  if (const int by_date = CompareDates(first->StartDate(), second->StartDate())) return by_date;
  return CompareListTexts(first->Event()->Name(), second->Event()->Name());
}

int CompareRankings(const RENCONTRE& a, const RENCONTRE& b) {
  const CLASSEMENT first = a.GetOpponentRanking();
  const CLASSEMENT second = b.GetOpponentRanking();
  if (first == second) return 0;
  return first.IsBetterThan(second) ? 1 : -1;
}

}  // namespace

std::string MatchViewerTotal(int matches, int won) {
  const int lost = matches - won;
  return FormatText("%s : %d %s", {Msg(88), matches, Msg(matches > 1 ? 83 : 82)}) +
         FormatText("  ( %d %s, %d %s )",
                    {won, Msg(won > 1 ? 85 : 84), lost, Msg(lost > 1 ? 87 : 86)});
}

std::string ViewerCellText(const RENCONTRE& match, ViewerColumn column) {
  switch (column) {
    case ViewerColumn::kResult:
      return Msg(match.Result().IsWon() ? 72 : 73);
    case ViewerColumn::kOpponents:
      return OpponentsText(match);
    case ViewerColumn::kRanking:
      return RankingsText(match);
    case ViewerColumn::kDate:
      return DateText(match);
    case ViewerColumn::kScore:
      return ScoreText(match);
    case ViewerColumn::kEvent:
      return match.GetPlayedEvent() ? match.GetPlayedEvent()->Event()->Name() : std::string(" ");
    case ViewerColumn::kSurface:
      break;
  }
  return SurfaceName(match);
}

bool ViewerColumnSorts(ViewerColumn column) {
  return column != ViewerColumn::kScore;
}

int CompareForViewer(const RENCONTRE& a, const RENCONTRE& b, ViewerColumn column) {
  switch (column) {
    case ViewerColumn::kResult:
      return static_cast<int>(a.Result().IsWon()) - static_cast<int>(b.Result().IsWon());
    case ViewerColumn::kOpponents: {
      const JOUEUR* first = MainOpponent(a);
      const JOUEUR* second = MainOpponent(b);
      return CompareListTexts(first ? first->GetLastName() : std::string(),
                              second ? second->GetLastName() : std::string());
    }
    case ViewerColumn::kRanking:
      return CompareRankings(a, b);
    case ViewerColumn::kDate:
      return CompareDates(a.GetDate(), b.GetDate());
    case ViewerColumn::kScore:
      return 0;
    case ViewerColumn::kEvent:
      return CompareEvents(a, b);
    case ViewerColumn::kSurface:
      break;
  }
  return CompareListTexts(SurfaceName(a), SurfaceName(b));
}

std::vector<size_t> ViewerOrder(std::span<const RENCONTRE* const> matches, ViewerColumn column,
                                bool descending) {
  std::vector<size_t> order(matches.size());
  std::iota(order.begin(), order.end(), size_t{0});
  if (!ViewerColumnSorts(column)) return order;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const int compared = CompareForViewer(*matches[a], *matches[b], column);
    return descending ? compared > 0 : compared < 0;
  });
  return order;
}

}  // namespace scorvane
