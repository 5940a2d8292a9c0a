// The --json output of "estimate --rules YEAR": every figure of today's
// French calculation, échelon by échelon, for checking by hand or by program.
#pragma once

#include <string>

namespace scorvane::modern {
struct RulesEstimate;
}  // namespace scorvane::modern

namespace scorvane::cli {

std::string RulesJson(const modern::RulesEstimate& estimate);

}  // namespace scorvane::cli
