#include "estimates/modern/rules_estimate.h"

#include <algorithm>
#include <sstream>

#include "estimates/french_estimate.h"
#include "estimates/modern/rule_report.h"
#include "records/owner.h"

namespace scorvane::modern {
namespace {

void Estimate2000(const UTILISATEUR& owner, const SAISON_JOUEUR* season,
                  const std::vector<PlannedMatch>& plan, RulesEstimate& estimate) {
  estimate.facts_2000 = french::CollectSeasonFacts(owner, season);
  for (const PlannedMatch& planned : plan) {
    const int32_t grade = GradeOfEchelon(std::min(planned.opponent, kFirstSeries));
    if (planned.won) {
      french::AddHypotheticalWins(estimate.facts_2000, grade, 1);
      if (planned.kind == PlannedMatch::Kind::kChampionship)
        ++estimate.facts_2000.championship_wins;
    } else {
      french::AddHypotheticalDefeats(estimate.facts_2000, grade, 1);
    }
  }
  estimate.grade_2000 = french::RunEstimate(estimate.facts_2000, &estimate.report).ranking;
  estimate.result = french::GradeText(estimate.grade_2000);
  estimate.available = true;
}

}  // namespace

RulesEstimate EstimateUnderRules(int rules, const UTILISATEUR& owner, const SAISON_JOUEUR* season,
                                 const std::vector<PlannedMatch>& plan, bool french_report,
                                 const std::filesystem::path& folder) {
  RulesEstimate estimate;
  estimate.rules = rules;
  if (rules == kRules2000) {
    Estimate2000(owner, season, plan, estimate);
    return estimate;
  }
  LoadedScale loaded = LoadScale(rules, folder);
  estimate.refusal = std::move(loaded.refusal);
  if (!loaded.scale) return estimate;
  estimate.scale = std::move(loaded.scale);
  estimate.facts = CollectRuleFacts(owner, season, estimate.scale->window_months);
  for (const PlannedMatch& planned : plan)
    AddPlanned(estimate.facts, planned);
  estimate.outcome = Calculate(*estimate.scale, estimate.facts);
  estimate.report = RuleReport(*estimate.scale, estimate.facts, estimate.outcome, french_report);
  estimate.result = EchelonText(estimate.outcome.result, estimate.facts.woman);
  estimate.available = true;
  return estimate;
}

EstimateFigures FiguresOf(const RulesEstimate& estimate) {
  EstimateFigures figures;
  if (!estimate.available) return figures;
  figures.result = estimate.result;
  if (!estimate.scale) {
    const int32_t grade = estimate.grade_2000;
    const french::PassFigures pass = french::MeasurePass(estimate.facts_2000, grade);
    figures.points = pass.total;
    figures.kept = pass.victories_counted;
    if (grade < french::kFirstSeries) {
      figures.next = french::GradeText(french::OneBetter(grade));
      figures.to_next = std::max(0, pass.up_norm - pass.total);
    }
    return figures;
  }
  const Scale& scale = *estimate.scale;
  const int result = std::min(estimate.outcome.result, kTopB);
  const EchelonTrial at = TryEchelon(scale, estimate.facts, result, result);
  figures.points = at.total;
  figures.kept = static_cast<int>(at.wins.size());
  if (result < kTopB) {
    const EchelonTrial next = TryEchelon(scale, estimate.facts, result + 1, result);
    figures.next = EchelonText(result + 1, estimate.facts.woman);
    figures.to_next = std::max(0.0, next.norm - next.total);
  }
  return figures;
}

std::optional<PlannedMatch> ParsePlannedMatch(const std::string& text) {
  std::istringstream in(text);
  std::string word;
  PlannedMatch planned;
  if (!(in >> word) || (word != "W" && word != "L")) return std::nullopt;
  planned.won = word == "W";
  if (!(in >> word)) return std::nullopt;
  const std::optional<int> opponent = ParseEchelon(word);
  if (!opponent) return std::nullopt;
  planned.opponent = *opponent;
  while (in >> word) {
    if (word == "championship") {
      planned.kind = PlannedMatch::Kind::kChampionship;
    } else if (word == "team") {
      planned.kind = PlannedMatch::Kind::kTeam;
    } else if (word == "no-ad") {
      planned.format = PlannedMatch::Format::kNoAdvantage;
    } else if (word == "four-games") {
      planned.format = PlannedMatch::Format::kFourGames;
    } else if (word == "tie-break") {
      planned.format = PlannedMatch::Format::kTieBreakThirdSet;
    } else {
      return std::nullopt;
    }
  }
  return planned;
}

}  // namespace scorvane::modern
