// scorvane-cli estimate: the next-season ranking estimate of a document, as
// the report view shows it, as raw report text or as JSON, and on request
// what it would take to reach the next grade.
#include <charconv>
#include <cstdio>
#include <memory>
#include <ostream>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/document_loading.h"
#include "cli/json.h"
#include "cli/rules_json.h"
#include "estimates/modern/rules_estimate.h"
#include "estimates/next_grade_advice.h"
#include "estimates/report_markup.h"
#include "estimates/season_estimate.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "records/season.h"

namespace scorvane::cli {
namespace {

struct Options {
  std::string file;
  bool raw = false;
  bool json = false;
  bool explain_next = false;
  int language = kLanguageEnglish;
  bool has_season = false;
  int season = 0;
  // --rules: the 2000 rules or today's rules of a year; nullopt: the active system's estimate.
  std::optional<int> rules;
  std::vector<modern::PlannedMatch> plan;
};

// Prints a usage error; false, for ParseOptions to return.
bool Refuse(Invocation& call, const std::string& message) {
  UsageError(call, message);
  return false;
}

// Reads the command line; a usage error has been printed when it returns false.
bool ParseOptions(Invocation& call, Options& options) {
  options.raw = call.TakeFlag("--raw");
  options.json = call.TakeFlag("--json");
  options.explain_next = call.TakeFlag("--explain-next");
  std::string error;
  const std::optional<std::string> lang = call.TakeOption("--lang", &error);
  const std::optional<std::string> season =
      error.empty() ? call.TakeOption("--season", &error) : std::nullopt;
  const std::optional<std::string> rules =
      error.empty() ? call.TakeOption("--rules", &error) : std::nullopt;
  while (error.empty()) {
    const std::optional<std::string> plan = call.TakeOption("--plan", &error);
    if (!plan) break;
    const std::optional<modern::PlannedMatch> planned = modern::ParsePlannedMatch(*plan);
    if (!planned) {
      return Refuse(call, "'" + *plan +
                              "' is not a planned match (W or L, an échelon, then optionally "
                              "championship or team, and no-ad, four-games or tie-break)");
    }
    options.plan.push_back(*planned);
  }
  if (!error.empty()) return Refuse(call, error);
  if (rules) {
    int year = 0;
    const auto [stop, failure] =
        std::from_chars(rules->data(), rules->data() + rules->size(), year);
    if (failure != std::errc() || stop != rules->data() + rules->size()) {
      return Refuse(call, "--rules takes 2000 or the year of a scale");
    }
    options.rules = year;
  } else if (!options.plan.empty()) {
    options.rules = modern::kRules2000;
  }
  if (lang && *lang != "fr" && *lang != "en") {
    return Refuse(call, "--lang takes fr or en");
  }
  options.language = lang && *lang == "fr" ? kLanguageFrench : kLanguageEnglish;
  if (season) {
    const char* begin = season->data();
    const char* end = begin + season->size();
    const auto [stop, failure] = std::from_chars(begin, end, options.season);
    if (failure != std::errc() || stop != end) {
      return Refuse(call, "'" + *season + "' is not a year");
    }
    options.has_season = true;
  }
  if (const auto unknown = call.UnknownOption()) {
    return Refuse(call, "unknown option " + *unknown);
  }
  if (options.raw && options.json) return Refuse(call, "--raw and --json exclude each other");
  if (options.raw && options.explain_next) {
    return Refuse(call, "--raw and --explain-next exclude each other");
  }
  if (call.args.size() != 1) return Refuse(call, "estimate needs one document file");
  options.file = call.args[0];
  return true;
}

std::string Decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string WinsText(int wins) {
  return std::to_string(wins) + (wins == 1 ? " win" : " wins");
}

void PrintWinsNeeded(std::ostream& out, const NextGradeAdvice& advice);

void PrintAdvice(std::ostream& out, const NextGradeAdvice& advice) {
  const std::string estimate = advice.Name(advice.estimate);
  // Today's rules try the next échelon itself, against its norm.
  if (advice.echelons && !advice.target.IsNone()) {
    out << "Tried at " << advice.Name(advice.target) << " the season is worth "
        << Decimal(advice.points) << " points; its norm is " << Decimal(advice.up_norm);
    out << (advice.missing > 0 ? " (" + Decimal(advice.missing) + " missing).\n"
                               : " (reached, but the rise is not kept).\n");
    PrintWinsNeeded(out, advice);
    return;
  }
  if (advice.target.IsNone()) {
    out << estimate << " is the highest grade: there is no next grade to reach.\n";
    return;
  }
  const std::string target = advice.Name(advice.target);
  out << "At " << estimate << " the season is worth " << Decimal(advice.points) << " points; "
      << Decimal(advice.up_norm) << " are needed to rise to " << target;
  if (advice.missing > 0) {
    out << " (" << Decimal(advice.missing) << " missing).\n";
  } else {
    out << " (reached, but the rise is not kept).\n";
  }
  PrintWinsNeeded(out, advice);
}

void PrintWinsNeeded(std::ostream& out, const NextGradeAdvice& advice) {
  const std::string target = advice.Name(advice.target);
  if (advice.wins.empty()) {
    out << "No number of wins up to " << NextGradeAdvice::kMaxWins
        << " over players of a single grade reaches " << target << ".\n";
    return;
  }
  out << "Fewest wins that would reach " << target << ":\n";
  for (const WinsNeeded& option : advice.wins) {
    out << "  " << WinsText(option.wins) << " over " << advice.Name(option.opponent) << "\n";
  }
}

std::string AdviceJson(const std::string& system, int season, const NextGradeAdvice& advice) {
  std::string json = "{\"system\":" + JsonString(system) + ",\"season\":" + std::to_string(season) +
                     ",\"estimate\":" + JsonString(advice.Name(advice.estimate)) + ",\"target\":" +
                     JsonString(advice.target.IsNone() ? "" : advice.Name(advice.target));
  json += ",\"points\":" + Decimal(advice.points) + ",\"up_norm\":" + Decimal(advice.up_norm) +
          ",\"missing\":" + Decimal(advice.missing) + ",\"wins\":[";
  for (size_t i = 0; i < advice.wins.size(); ++i) {
    json += (i ? "," : "") + std::string("{\"grade\":") +
            JsonString(advice.Name(advice.wins[i].opponent)) +
            ",\"wins\":" + std::to_string(advice.wins[i].wins) + "}";
  }
  return json + "]}";
}

// What the planned matches change, figure by figure.
void PrintChanges(std::ostream& out, const modern::EstimateFigures& before,
                  const modern::EstimateFigures& after) {
  out << "\nWith the planned matches (without them):\n"
      << "  result: " << after.result << " (" << before.result << ")\n"
      << "  bilan at the result: " << Decimal(after.points) << " points (" << Decimal(before.points)
      << " at " << before.result << ")\n"
      << "  victories kept there: " << after.kept << " (" << before.kept << ")\n";
  if (!after.next.empty()) {
    out << "  points missing for " << after.next << ": " << Decimal(after.to_next) << " ("
        << Decimal(before.to_next) << " for " << before.next << ")\n";
  }
}

// The estimate under chosen French rules, with the planned matches.
int RunRulesEstimate(Invocation& call, const Options& options, const UTILISATEUR& owner,
                     const SAISON_JOUEUR* season) {
  SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (!system.IsFrench()) {
    call.err << "scorvane-cli: --rules and --plan need a document in the French ranking system\n";
    return kFailure;
  }
  const int rules = *options.rules;
  const bool french = options.language == kLanguageFrench;
  const modern::RulesEstimate estimate =
      modern::EstimateUnderRules(rules, owner, season, options.plan, french);
  if (!estimate.refusal.empty()) {
    call.err << "scorvane-cli: " << estimate.refusal
             << (estimate.available ? "; the shipped scale is used instead\n" : "\n");
  }
  if (!estimate.available) {
    std::string years;
    for (const int year : modern::ScaleYears())
      years += " " + std::to_string(year);
    return UsageError(call, "no scale of the French rules for " + std::to_string(rules) +
                                " (2000 or one of:" + years + ")");
  }
  if (options.json && !options.explain_next) {
    if (estimate.scale) {
      call.out << RulesJson(estimate) << "\n";
    } else {
      const int year = season ? season->Year() : 0;
      call.out << "{\"system\":" << JsonString(system.Title()) << ",\"season\":" << year
               << ",\"current\":" << JsonString(owner.History().RankingForYear(year).Text())
               << ",\"estimate\":" << JsonString(estimate.result)
               << ",\"report\":" << JsonString(estimate.report) << "}\n";
    }
    return kOk;
  }
  if (options.raw) {
    call.out << estimate.report;
    return kOk;
  }
  const int next_year = EstimatedYear(season ? season->Year() : 0);
  if (options.explain_next) {
    const NextGradeAdvice advice = AdviseUnderRules(estimate);
    if (options.json) {
      call.out << AdviceJson(system.Title(), season ? season->Year() : 0, advice) << "\n";
      return kOk;
    }
    call.out << "Estimated ranking for " << next_year << ": " << estimate.result << "\n";
    PrintAdvice(call.out, advice);
    return kOk;
  }
  call.out << ReportAsPlainText(estimate.report) << "\nEstimated ranking for " << next_year << ": "
           << estimate.result << "\n";
  if (!options.plan.empty()) {
    const modern::RulesEstimate without =
        modern::EstimateUnderRules(rules, owner, season, {}, french);
    PrintChanges(call.out, modern::FiguresOf(without), modern::FiguresOf(estimate));
  }
  return kOk;
}

// The closing line of the estimate; in French, the catalogue's own words.
std::string EstimateLine(const SeasonEstimate& estimate) {
  if (IsFrench()) return FormatText(Msg(431), {estimate.next_year, estimate.estimate.Text()});
  return "Estimated ranking for " + std::to_string(estimate.next_year) + ": " +
         estimate.estimate.Text();
}

int RunEstimate(Invocation& call) {
  Options options;
  if (!ParseOptions(call, options)) return kUsage;

  SetLanguage(options.language);
  PROJECT_DOC document;
  if (!LoadDocument(call, options.file, document)) return kFailure;
  const UTILISATEUR& owner = document.Owner();
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  if (options.has_season) {
    season = owner.FindSeason(options.season);
    if (!season) {
      return UsageError(call, "the document has no season " + std::to_string(options.season));
    }
  }

  if (options.rules) return RunRulesEstimate(call, options, owner, season);
  SYSTEME_CLASSEMENT& system = ActiveSystem();
  // A document whose seasons were all deleted has nothing to estimate.
  const SeasonEstimate estimate = season ? EstimateSeason(system, owner, season) : SeasonEstimate();
  const std::string explanation =
      season ? "The ranking system " + system.Title() + " makes no next-season estimate."
             : std::string("The document has no season to estimate.");

  if (options.json && (!options.explain_next || !estimate.available)) {
    call.out << "{\"system\":" << JsonString(system.Title()) << ",\"season\":" << estimate.year
             << ",\"current\":" << JsonString(season ? estimate.current.Text() : "")
             << ",\"estimate\":" << JsonString(estimate.available ? estimate.estimate.Text() : "")
             << ",\"report\":" << JsonString(estimate.report) << "}\n";
    return kOk;
  }
  if (!estimate.available) {
    (options.raw ? call.err : call.out) << explanation << "\n";
    return kOk;
  }
  if (options.raw) {
    call.out << estimate.report;
    return kOk;
  }
  if (options.explain_next) {
    const NextGradeAdvice advice = AdviseNextGrade(system, owner, season);
    if (options.json) {
      call.out << AdviceJson(system.Title(), estimate.year, advice) << "\n";
      return kOk;
    }
    call.out << EstimateLine(estimate) << "\n";
    PrintAdvice(call.out, advice);
    return kOk;
  }
  call.out << ReportAsPlainText(estimate.report) << "\n" << EstimateLine(estimate) << "\n";
  return kOk;
}

}  // namespace

std::vector<Command> EstimateCommands() {
  return {{"estimate",
           "FILE [--raw | --json] [--lang fr|en] [--season YEAR] [--explain-next] "
           "[--rules 2000|YEAR] [--plan \"W|L ECHELON [championship|team] "
           "[no-ad|four-games|tie-break]\"]...",
           "Estimate the owner's ranking for the season after the active one (or YEAR), with "
           "the calculation report; --explain-next tells what would reach the next grade. "
           "--rules chooses the French rules of 2000 or of a sports year (a scale shipped or "
           "in the data folder's FrenchRules); each --plan adds a planned match.",
           RunEstimate}};
}

}  // namespace scorvane::cli
