#include "stats/summary/season_summary.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "records/season.h"
#include "stats/matches/match_source.h"

namespace scorvane {
namespace {

enum : int {
  kMsgMatch = 82,
  kMsgMatches = 83,
  kMsgMatchWon = 84,
  kMsgMatchesWon = 85,
  kMsgMatchLost = 86,
  kMsgMatchesLost = 87,
  kMsgHeadingWithRanking = 153,
  kMsgHeading = 154,
  kMsgSelectedPrinted = 157,
  kMsgSelected = 158,
  kMsgSeason = 80,
};

const char* Plural(int count, int one, int many) {
  return Msg(count == 1 ? one : many);
}

}  // namespace

MatchMask SummaryFilter::Mask() const {
  MatchMask mask;
  const auto exclude = [&mask](bool kept, uint32_t bit) {
    if (!kept) mask.flags |= bit;
  };
  exclude(friendly, MatchMask::kNoFriendly);
  exclude(championship, MatchMask::kNoChampionship);
  exclude(corporate, MatchMask::kNoCorporate);
  exclude(doubles, MatchMask::kOnlySingles);
  exclude(team, MatchMask::kNoTeamEvent);
  exclude(homologated, MatchMask::kNoHomologated);
  exclude(non_homologated, MatchMask::kNoNonHomologated);
  exclude(singles, MatchMask::kOnlyDoubles);
  exclude(tournament, MatchMask::kNoTournament);
  return mask;
}

std::vector<MatchFacts> GatherSeasonFacts(const SAISON_JOUEUR& season, const UTILISATEUR& owner) {
  return GatherFacts(SeasonMatches(season), owner);
}

SummarySelection SelectSeasonMatches(const std::vector<MatchFacts>& season, const MatchMask& mask) {
  SummarySelection selection;
  selection.counts.total = static_cast<int>(season.size());
  for (const MatchFacts& match : season) {
    if (!mask.Accepts(*match.match)) continue;
    selection.selected.push_back(&match);
    ++(match.won ? selection.counts.won : selection.counts.lost);
  }
  selection.counts.selected = static_cast<int>(selection.selected.size());
  return selection;
}

std::string SummaryText(const SummaryCounts& c) {
  return FormatText("\n\n%s\n\n%d %s / %d\n%d %s - %d %s",
                    {Msg(kMsgSelected), c.selected, Plural(c.selected, kMsgMatch, kMsgMatches),
                     c.total, c.won, Plural(c.won, kMsgMatchWon, kMsgMatchesWon), c.lost,
                     Plural(c.lost, kMsgMatchLost, kMsgMatchesLost)});
}

std::string PrintedSummaryText(const SummaryCounts& c) {
  return FormatText(
      "\n%s\n\n%d %s / %d\n%d %s\n%d %s",
      {Msg(kMsgSelectedPrinted), c.selected, Plural(c.selected, kMsgMatch, kMsgMatches), c.total,
       c.won, Plural(c.won, kMsgMatchWon, kMsgMatchesWon), c.lost,
       Plural(c.lost, kMsgMatchLost, kMsgMatchesLost)});
}

std::vector<std::string> SummaryLines(const SummaryCounts& counts) {
  std::vector<std::string> lines;
  const std::string text = SummaryText(counts);
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    if (end > start) lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string SummaryHeading(const SAISON_JOUEUR& season, const UTILISATEUR& owner) {
  if (!ActiveSystem().IsYearly()) return FormatText(Msg(kMsgHeading), {season.Year()});
  return FormatText(Msg(kMsgHeadingWithRanking),
                    {season.Year(), owner.History().RankingForYear(season.Year()).Text()});
}

std::string SummaryFilterText(const SummaryFilter& f, int year) {
  const std::pair<bool, int> kinds[] = {
      {f.singles, 228},      {f.doubles, 229},         {f.friendly, 230},
      {f.championship, 231}, {f.corporate, 232},       {f.team, 233},
      {f.homologated, 234},  {f.non_homologated, 235}, {f.tournament, 236},
  };
  std::string text = FormatText(Msg(kMsgSeason), {year}) + " :";
  bool first = true;
  for (const auto& [kept, message] : kinds) {
    if (!kept) continue;
    text += first ? " " : ", ";
    text += Msg(message);
    first = false;
  }
  return text;
}

}  // namespace scorvane
