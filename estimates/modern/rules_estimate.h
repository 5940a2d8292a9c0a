// The next-season estimate under a chosen set of French rules: the 2000
// rules (the program's own calculation, unchanged) or today's rules of a
// sports year, with matches the user plans added to the season. The report
// view, the summary's points box, the "what if" panel and the command-line
// tool all go through here, so they always agree.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "estimates/french_season.h"
#include "estimates/modern/rule_calculation.h"
#include "estimates/modern/rule_facts.h"
#include "estimates/modern/scale_library.h"

namespace scorvane {
class SAISON_JOUEUR;
class UTILISATEUR;
}  // namespace scorvane

namespace scorvane::modern {

// 2000 for the 2000 rules, else the sports year of a scale.
inline constexpr int kRules2000 = 2000;

struct RulesEstimate {
  int rules = kRules2000;
  bool available = false;  // false when the year has no usable scale
  std::string refusal;     // a user's scale file that was refused, with its line
  std::string report;      // in the markup of the report view
  std::string result;      // the échelon (or grade) reached, as written
  // Under today's rules: the scale, the matches read and every pass.
  std::optional<Scale> scale;
  RuleFacts facts;
  RuleOutcome outcome;
  // Under the 2000 rules: the season as the calculation reads it.
  french::SeasonFacts facts_2000;
  int32_t grade_2000 = 0;
};

// `french_report` chooses the language of today's report (the 2000 report
// is always French).
RulesEstimate EstimateUnderRules(int rules, const UTILISATEUR& owner, const SAISON_JOUEUR* season,
                                 const std::vector<PlannedMatch>& plan, bool french_report,
                                 const std::filesystem::path& folder = UserScaleFolder());

// The figures a change of the season is judged by: the result, the bilan
// there, the victories it keeps, and the points missing to the next échelon.
struct EstimateFigures {
  std::string result;
  double points = 0;
  int kept = 0;
  std::string next;    // empty at the top
  double to_next = 0;  // 0 once reached
};
EstimateFigures FiguresOf(const RulesEstimate& estimate);

// Reads "W 15/2", "L 30", optionally followed by "championship" or "team"
// and by "no-ad", "four-games" or "tie-break"; nullopt when it does not read.
std::optional<PlannedMatch> ParsePlannedMatch(const std::string& text);

}  // namespace scorvane::modern
