// The report of today's French calculation, in the shape of the 2000 one:
// where the calculation starts and why, one block per échelon tried (V, E,
// I, G and V-E-2I-5G, the victories kept with their points and
// coefficients, each bonus, the bilan against the norm), the result of each
// pass, then the final result. Written in French or English, in the
// report view's markup; figures the scale only assumes are listed first.
#pragma once

#include <string>

#include "estimates/modern/rule_calculation.h"

namespace scorvane::modern {

std::string RuleReport(const Scale& scale, const RuleFacts& facts, const RuleOutcome& outcome,
                       bool french);

// A decimal figure as the report writes it: "45", "22.5" ("22,5" in French).
std::string Figure(double value, bool french);

}  // namespace scorvane::modern
