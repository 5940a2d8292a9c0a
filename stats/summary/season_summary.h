// The season summary's figures: the nine boxes that choose the kinds of
// match counted, the counts and texts of the summary box, the page heading
// and the line a printout gives to the boxes.
#pragma once

#include <string>
#include <vector>

#include "records/palmares.h"
#include "stats/matches/match_facts.h"

namespace scorvane {

class RENCONTRE;
class SAISON_JOUEUR;
class UTILISATEUR;

// One flag per box; a cleared box leaves its kind of match out.
struct SummaryFilter {
  bool friendly = false;
  bool championship = true;
  bool corporate = true;
  bool doubles = true;
  bool team = true;
  bool homologated = true;
  bool non_homologated = false;
  bool singles = true;
  bool tournament = true;

  // The empty mask plus one exclusion per cleared box. Clearing both
  // "singles" and "doubles" selects no match.
  MatchMask Mask() const;
};

struct SummaryCounts {
  int total = 0;  // every match of the season
  int selected = 0;
  int won = 0;
  int lost = 0;
};

// The facts of the season's matches, in the statistics' order.
std::vector<MatchFacts> GatherSeasonFacts(const SAISON_JOUEUR& season, const UTILISATEUR& owner);

// The season's matches the mask accepts, and the counts.
struct SummarySelection {
  std::vector<const MatchFacts*> selected;
  SummaryCounts counts;
};
SummarySelection SelectSeasonMatches(const std::vector<MatchFacts>& season, const MatchMask& mask);

// The text of the summary box on screen: "\n\nSELECTED MATCHES\n\n3 matches /
// 5\n2 matches won - 1 match lost", and in its printed form.
std::string SummaryText(const SummaryCounts& counts);
std::string PrintedSummaryText(const SummaryCounts& counts);
// The same lines without the blank ones, for the command-line tool.
std::vector<std::string> SummaryLines(const SummaryCounts& counts);

// "2001 summary", or "2001 summary (30/2)" under a yearly system with the
// owner's ranking at 1 January.
std::string SummaryHeading(const SAISON_JOUEUR& season, const UTILISATEUR& owner);

// The printed state of the boxes: "2001 season : singles, doubles, ...",
// naming the kinds of match kept.
std::string SummaryFilterText(const SummaryFilter& filter, int year);

}  // namespace scorvane
