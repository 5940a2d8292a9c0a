// The next-season estimate of any season of the owner under a ranking
// system, with what the tools around it show: the season's year, the owner's
// ranking at its start and the year the estimate is for. The report view
// uses the active season; the command-line tool may name another one.
#pragma once

#include <string>

#include "ranking/ranking_value.h"

namespace scorvane {

class SAISON_JOUEUR;
class SYSTEME_CLASSEMENT;
class UTILISATEUR;

struct SeasonEstimate {
  bool available = false;  // the system makes estimates
  int year = 0;            // the season's year (0 without a season)
  int next_year = 1;       // the year the estimate is for
  CLASSEMENT current;      // the owner's ranking at 1 January of the season's year
  CLASSEMENT estimate;     // no ranking when not available
  std::string report;      // empty when not available
};

// `season` null stands for a document without seasons. The document is not
// changed.
SeasonEstimate EstimateSeason(const SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                              const SAISON_JOUEUR* season);

// The year an estimate of season `year` is for: the year kept within
// 1900..2100 (when there is one), plus one.
int EstimatedYear(int year);

}  // namespace scorvane
