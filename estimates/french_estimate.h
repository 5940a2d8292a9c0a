// The French federation's next-season estimate (rules of the 2000 season),
// in pieces: one pass at a trial grade, and the driver that chains the
// passes within the descent and rise limits. Both write the French report
// when given somewhere to write it; SYSTEME_FRANCAIS::EstimateNextRanking
// puts them together for the report view.
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

struct EstimateOutcome {
  int32_t ranking = kNC;      // the estimate
  int32_t last_trial = kNC;   // the trial grade of the last pass
  int passes = 0;             // passes made (0 without any victory)
  bool up_then_down = false;  // a rise was proposed, then not kept
};

// The whole estimate; the report, when wanted, is rebuilt from empty.
EstimateOutcome RunEstimate(const SeasonFacts& facts, std::string* report);

}  // namespace scorvane::french
