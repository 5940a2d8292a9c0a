// scorvane-cli estimate: the next-season ranking estimate of a document, as
// the report view shows it, as raw report text or as JSON, and on request
// what it would take to reach the next grade.
#include <charconv>
#include <cstdio>
#include <memory>
#include <ostream>

#include "base/catalogue/messages.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/document_loading.h"
#include "cli/json.h"
#include "estimates/next_grade_advice.h"
#include "estimates/report_markup.h"
#include "estimates/season_estimate.h"
#include "ranking/ranking_registry.h"
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
  if (!error.empty()) return Refuse(call, error);
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

void PrintAdvice(std::ostream& out, const NextGradeAdvice& advice) {
  const std::string estimate = advice.estimate.Text();
  if (advice.target.IsNone()) {
    out << estimate << " is the highest grade: there is no next grade to reach.\n";
    return;
  }
  const std::string target = advice.target.Text();
  out << "At " << estimate << " the season is worth " << Decimal(advice.points) << " points; "
      << Decimal(advice.up_norm) << " are needed to rise to " << target;
  if (advice.missing > 0) {
    out << " (" << Decimal(advice.missing) << " missing).\n";
  } else {
    out << " (reached, but the rise is not kept).\n";
  }
  if (advice.wins.empty()) {
    out << "No number of wins up to " << NextGradeAdvice::kMaxWins
        << " over players of a single grade reaches " << target << ".\n";
    return;
  }
  out << "Fewest wins that would reach " << target << ":\n";
  for (const WinsNeeded& option : advice.wins) {
    out << "  " << WinsText(option.wins) << " over " << option.opponent.Text() << "\n";
  }
}

std::string AdviceJson(const std::string& system, int season, const NextGradeAdvice& advice) {
  std::string json = "{\"system\":" + JsonString(system) + ",\"season\":" + std::to_string(season) +
                     ",\"estimate\":" + JsonString(advice.estimate.Text()) + ",\"target\":" +
                     JsonString(advice.target.IsNone() ? "" : advice.target.Text());
  json += ",\"points\":" + Decimal(advice.points) + ",\"up_norm\":" + Decimal(advice.up_norm) +
          ",\"missing\":" + Decimal(advice.missing) + ",\"wins\":[";
  for (size_t i = 0; i < advice.wins.size(); ++i) {
    json += (i ? "," : "") + std::string("{\"grade\":") +
            JsonString(advice.wins[i].opponent.Text()) +
            ",\"wins\":" + std::to_string(advice.wins[i].wins) + "}";
  }
  return json + "]}";
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
    call.out << "Estimated ranking for " << estimate.next_year << ": " << estimate.estimate.Text()
             << "\n";
    PrintAdvice(call.out, advice);
    return kOk;
  }
  call.out << ReportAsPlainText(estimate.report) << "\nEstimated ranking for " << estimate.next_year
           << ": " << estimate.estimate.Text() << "\n";
  return kOk;
}

}  // namespace

std::vector<Command> EstimateCommands() {
  return {{"estimate", "FILE [--raw | --json] [--lang fr|en] [--season YEAR] [--explain-next]",
           "Estimate the owner's ranking for the season after the active one (or YEAR), with "
           "the calculation report; --explain-next tells what would reach the next grade.",
           RunEstimate}};
}

}  // namespace scorvane::cli
