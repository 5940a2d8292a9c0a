// The Belgian federation's next-season estimate.
#include "estimates/belgian_estimate.h"

#include <algorithm>
#include <cmath>

#include "base/catalogue/messages.h"
#include "estimates/report_text.h"
#include "estimates/season_estimate.h"

namespace scorvane {
namespace belgian {
namespace {

constexpr int kMaxPasses = 4;

// Catalogue texts of the report.
enum : int {
  kMsgWon = 72,
  kMsgLost = 73,
  kMsgOnePoint = 201,
  kMsgWholePoints = 202,
  kMsgDecimalPoints = 203,
  kMsgTitle = 428,
  kMsgPass = 429,
  kMsgFinalResult = 430,
  kMsgRankFor = 431,
  kMsgRankExpected = 432,
  kMsgChampionshipBonus = 433,
  kMsgTeamBonus = 434,
  kMsgTournamentBonus = 435,
  kMsgBonusTotal = 436,
  kMsgMatchTotal = 437,
  kMsgBalance = 438,
  kMsgPassResult = 439,
  kMsgUpgrade = 440,
  kMsgDowngrade = 441,
  kMsgKept = 442,
  kMsgConfirmation = 443,
  kMsgNewMatchTotal = 444,
  kMsgMatchesKept = 445,
  kMsgBonusTotalShort = 446,
  kMsgUpgradeFailed = 447,
  kMsgUpgradeConfirmed = 448,
  kMsgDowngradeConfirmed = 449,
  kMsgDowngradeFailed = 450,
  kMsgBonus = 451,
  kMsgConfirmationBonus = 452,
  kMsgDowngradeBalance = 453,
  kMsgDescentLimit = 456,
};

// The match lines at a trial grade and their sum, down to the first match
// whose opponent has no valid grade.
double MatchPointsAt(const SeasonFacts& facts, int32_t trial, ReportSink& out) {
  double sum = 0;
  for (const MatchEntry& match : facts.entries) {
    if (!IsGrade(match.ranking)) break;
    const double points = MatchPoints(match, trial);
    sum += points;
    if (!out.IsWriting()) continue;
    const MatchTexts texts = TextsOf(match);
    out.Format("\t%s\t%s\t%s %s\t%s\t%s\t%s\n",
               {texts.date, texts.event_name, texts.first_name, texts.last_name,
                GradeText(match.ranking), PointsText(points), Msg(match.won ? kMsgWon : kMsgLost)});
  }
  return sum;
}

int Bonuses(const SeasonFacts& facts, ReportSink& out) {
  int total = 0;
  const auto bonus = [&](int message, int per_match, int matches) {
    const int points = per_match * matches;
    if (points == 0) return;
    if (out.IsWriting()) out.Format(Msg(message), {PointsText(per_match), PointsText(points)});
    total += points;
  };
  bonus(kMsgChampionshipBonus, kChampionshipBonus, facts.championship_matches);
  bonus(kMsgTeamBonus, kTeamBonus, facts.team_matches);
  bonus(kMsgTournamentBonus, kTournamentBonus, facts.tournament_matches);
  return total;
}

void ConfirmationLine(ReportSink& out, int message, int32_t grade, double needed) {
  if (out.IsWriting()) {
    out.Format("\n##SOULIGNE##%s\n", {FormatText(Msg(message), {GradeText(grade), needed})});
  }
}

int32_t ConfirmUpgrade(const SeasonFacts& facts, int32_t trial, double bonus, ReportSink& out) {
  const int32_t upgraded = OneBetter(trial);
  out.Format(Msg(kMsgUpgrade), {GradeText(upgraded)});
  out.Text("\n");
  out.Format("\n##SOULIGNE##%s\n", {Msg(kMsgConfirmation)});
  const double matches = MatchPointsAt(facts, upgraded, out);
  if (out.IsWriting()) {
    out.Text("\n" + std::string(Msg(kMsgNewMatchTotal)) + PointsText(matches) + "\n");
    out.Text(std::string(Msg(kMsgBonusTotalShort)) + PointsText(bonus) + "\n");
  }
  const double total = matches + bonus;
  // This line is French in both languages.
  out.Format("Bilan résultant pour la confirmation : %0g points\n", {total});
  if (total < kUpgradeConfirmation) {
    ConfirmationLine(out, kMsgUpgradeFailed, upgraded, kUpgradeConfirmation);
    return trial;
  }
  ConfirmationLine(out, kMsgUpgradeConfirmed, upgraded, kUpgradeConfirmation);
  return upgraded;
}

int32_t ConfirmDowngrade(const SeasonFacts& facts, int32_t trial, double bonus, ReportSink& out) {
  const int32_t downgraded = OneWorse(trial);
  out.Format(Msg(kMsgDowngrade), {GradeText(downgraded)});
  out.Text("\n");
  out.Format("\n##SOULIGNE##%s\n", {Msg(kMsgConfirmation)});
  const double matches = MatchPointsAt(facts, downgraded, out);
  if (out.IsWriting()) {
    out.Text("\n" + std::string(Msg(kMsgNewMatchTotal)) + PointsText(matches) + "\n");
  }
  const bool to_30_4 = downgraded == k30_4;
  const int confirmation_bonus = to_30_4 ? kDowngradeBonus30_4 : kDowngradeBonus;
  if (out.IsWriting()) {
    out.Format("%s%s + %s (%s)\n", {Msg(kMsgBonus), PointsText(bonus),
                                    PointsText(confirmation_bonus), Msg(kMsgConfirmationBonus)});
  }
  const double total = confirmation_bonus + bonus + matches;
  const int threshold = to_30_4 ? kDowngradeThreshold30_4 : kDowngradeThreshold;
  out.Format(Msg(kMsgDowngradeBalance), {total});
  out.Text("\n");
  if (total < threshold) {
    ConfirmationLine(out, kMsgDowngradeConfirmed, downgraded, threshold);
    return downgraded;
  }
  ConfirmationLine(out, kMsgDowngradeFailed, downgraded, threshold);
  return trial;
}

}  // namespace

std::string PointsText(double points) {
  if (points == 1) return Msg(kMsgOnePoint);
  if (std::floor(points) == points && std::fabs(points) < 1e15) {
    return FormatText(Msg(kMsgWholePoints), {static_cast<int64_t>(points)});
  }
  return FormatText(Msg(kMsgDecimalPoints), {points});
}

PassOutcome RunPass(const SeasonFacts& facts, int32_t trial, std::string* report) {
  ReportSink out(report);
  PassOutcome outcome;
  trial = std::clamp(trial, kNC, kTop);
  out.Text(Msg(kMsgMatchesKept));
  out.Text("\n");
  const double matches = MatchPointsAt(facts, trial, out);
  if (out.IsWriting()) out.Format(Msg(kMsgMatchTotal), {PointsText(matches)});
  const int bonus = Bonuses(facts, out);
  if (out.IsWriting()) out.Format(Msg(kMsgBonusTotal), {PointsText(bonus)});
  outcome.total = matches + bonus;
  out.Format(Msg(kMsgBalance), {outcome.total, kDownNorm, kUpNorm});

  out.Text("##SOULIGNE##");
  out.Text(Msg(kMsgPassResult));
  if (outcome.total >= kUpNorm) {
    outcome.result = ConfirmUpgrade(facts, trial, bonus, out);
  } else if (outcome.total <= kDownNorm) {
    outcome.result = ConfirmDowngrade(facts, trial, bonus, out);
  } else {
    out.Format(Msg(kMsgKept), {GradeText(trial)});
    out.Text("\n");
    outcome.result = trial;
  }
  out.Text("##SEPARATION_HORIZONTALE##");
  return outcome;
}

EstimateOutcome RunEstimate(const SeasonFacts& facts, std::string* report) {
  if (report) report->clear();
  ReportSink out(report);
  EstimateOutcome outcome;
  const int32_t current = facts.owner_ranking;
  out.Text("\n##GRAS_17##");
  out.Format(Msg(kMsgTitle), {facts.year});
  out.Text("\n##SEPARATION_HORIZONTALE##");

  const int32_t lower_limit = OneWorse(current);
  int32_t trial = current;
  int32_t previous_trial = current;
  enum class Decision { kDown, kKeep, kUp } previous = Decision::kKeep;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    out.Text("##GRAS##");
    out.Format(Msg(kMsgPass), {pass, GradeText(trial)});
    out.Text("\n\n");
    previous_trial = trial;
    trial = RunPass(facts, previous_trial, report).result;
    ++outcome.passes;
    if (trial < lower_limit) {
      out.Format(Msg(kMsgDescentLimit), {GradeText(lower_limit)});
      out.Text("\n");
      trial = lower_limit;
    }
    const Decision decision = trial > previous_trial   ? Decision::kUp
                              : trial < previous_trial ? Decision::kDown
                                                       : Decision::kKeep;
    if (decision == Decision::kKeep) break;
    if (previous == Decision::kUp && decision == Decision::kDown) {
      outcome.up_then_down = true;
      break;
    }
    previous = decision;
  }

  out.Text("\n##GRAS_17##");
  out.Text(Msg(kMsgFinalResult));
  if (!outcome.up_then_down) {
    out.Format(Msg(kMsgRankFor), {EstimatedYear(facts.year), GradeText(trial)});
  } else {
    out.Format(Msg(kMsgRankExpected),
               {EstimatedYear(facts.year), GradeText(std::min(trial, previous_trial)),
                GradeText(std::max(trial, previous_trial))});
  }
  out.Text("\n");
  outcome.ranking = trial;
  outcome.last_trial = previous_trial;
  return outcome;
}

}  // namespace belgian

}  // namespace scorvane
