// The French federation's next-season estimate (rules of the 2000 season),
// in pieces: one pass at a trial grade, and the driver that chains the
// passes within the descent and rise limits. Both write the French report
// when given somewhere to write it; EstimateSeason (estimates/season_estimate.h)
// puts them together for the report view and the command-line tool.
#pragma once

#include <cstdint>
#include <string>

#include "estimates/french_season.h"

namespace scorvane::french {

// What one pass found at its trial grade.
struct PassOutcome {
  int32_t proposal = kNC;  // the grade proposed: one better, the same or one worse
  int total = 0;           // the balance compared with the norms
  int down_norm = 0;
  int up_norm = 0;
};

// One pass at trial grade `trial` (0..24). Writes its part of the report.
PassOutcome RunPass(const SeasonFacts& facts, int32_t trial, std::string* report);

// Every figure of one pass, for the pages that show the points piece by
// piece rather than as a report.
struct PassFigures {
  int32_t trial = kNC;
  int32_t proposal = kNC;
  bool first_series = false;  // "1S": no figure is computed, the pass proposes "PROM"
  int capital = 0;            // the starting points, at the owner's grade
  int victories_to_keep = 0;  // the minimum plus the extra victories
  int victories_counted = 0;  // the first entries that brought points
  int victory_points = 0;
  int no_defeat_bonus = 0;
  int championship_bonus = 0;
  int walkovers_penalised = 0;
  int walkover_penalty = 0;  // 0 or negative
  int total = 0;
  int down_norm = 0;
  int up_norm = 0;
};

// The same pass without a report.
PassFigures MeasurePass(const SeasonFacts& facts, int32_t trial);

struct EstimateOutcome {
  int32_t ranking = kNC;      // the estimate
  int32_t last_trial = kNC;   // the trial grade of the last pass
  int passes = 0;             // passes made (0 without any victory)
  bool up_then_down = false;  // a rise was proposed, then not kept
};

// The whole estimate; the report, when wanted, is rebuilt from empty.
EstimateOutcome RunEstimate(const SeasonFacts& facts, std::string* report);

}  // namespace scorvane::french
