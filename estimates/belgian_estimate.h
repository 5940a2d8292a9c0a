// The Belgian federation's next-season estimate, in pieces: one pass at a
// trial grade (with the confirmation of a proposed change) and the driver
// that makes at most four passes. The report is written in the language of
// the user interface, from the message catalogue.
#pragma once

#include <cstdint>
#include <string>

#include "estimates/belgian_season.h"

namespace scorvane::belgian {

struct PassOutcome {
  int32_t result = kNC;  // the grade this pass ends on, after confirmation
  double total = 0;      // match points and bonuses at the trial grade
};

PassOutcome RunPass(const SeasonFacts& facts, int32_t trial, std::string* report);

struct EstimateOutcome {
  int32_t ranking = kNC;
  int32_t last_trial = kNC;
  int passes = 0;
  bool up_then_down = false;
};

// The whole estimate; the report, when wanted, is rebuilt from empty.
EstimateOutcome RunEstimate(const SeasonFacts& facts, std::string* report);

// "1 point", "%d points" for whole numbers, "%0g points" otherwise, in the
// interface language.
std::string PointsText(double points);

}  // namespace scorvane::belgian
