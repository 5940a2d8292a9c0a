// scorvane-cli stats and summary: the charts of the statistics page (with
// every filter of the page as an option) and of the season summary (with
// its boxes, summary text and points box), as text or JSON.
#include <charconv>
#include <map>
#include <ostream>

#include "base/catalogue/messages.h"
#include "cli/chart_output.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/document_loading.h"
#include "cli/json.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/owner.h"
#include "records/season.h"
#include "stats/matches/statistics_charts.h"
#include "stats/summary/points_box.h"
#include "stats/summary/season_summary.h"
#include "stats/summary/summary_charts.h"

namespace scorvane::cli {
namespace {

// A whole number, all of the text.
std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, value);
  if (failure != std::errc() || stop != end || text.empty()) return std::nullopt;
  return value;
}

// A calendar date written YYYY-MM-DD.
std::optional<DATE_SIMPLE> CalendarDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = WholeNumber(text.substr(0, 4));
  const auto month = WholeNumber(text.substr(5, 2));
  const auto day = WholeNumber(text.substr(8, 2));
  if (!year || !month || !day) return std::nullopt;
  const DATE_SIMPLE date(*day, *month, *year);
  if (!date.IsValidCalendarDate() || date.Year() != *year) return std::nullopt;
  return date;
}

// A ranking of the active system: a grade name or a number.
std::optional<CLASSEMENT> Ranking(const std::string& text) {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  if (system.HasGrades()) {
    const int32_t index = system.IndexOfGrade(text);
    if (index >= 0) return CLASSEMENT(index);
    return std::nullopt;
  }
  const auto number = WholeNumber(text);
  if (!number || !system.IsValid(*number)) return std::nullopt;
  return CLASSEMENT(*number);
}

// Reads the options of a command one after the other; the first problem is
// kept and reported as a usage error naming the option.
class OptionReader {
 public:
  explicit OptionReader(Invocation& call) : call_(call) {}

  const std::string& Problem() const { return problem_; }
  bool Refuse(const std::string& problem) {
    if (problem_.empty()) problem_ = problem;
    return false;
  }

  std::optional<std::string> Text(const std::string& name) {
    std::string error;
    auto value = call_.TakeOption(name, &error);
    if (!error.empty()) Refuse(error);
    return value;
  }

  // An option with a whole number in first..last; `target` unchanged when absent.
  void Number(const std::string& name, int first, int last, int& target) {
    const auto text = Text(name);
    if (!text) return;
    const auto value = WholeNumber(*text);
    if (!value || *value < first || *value > last) {
      Refuse(name + " takes a number from " + std::to_string(first) + " to " +
             std::to_string(last));
      return;
    }
    target = *value;
  }

  // An option with one of the words; `target` takes the word's value.
  void Choice(const std::string& name, const std::map<std::string, int>& words, int& target) {
    const auto text = Text(name);
    if (!text) return;
    const auto found = words.find(*text);
    if (found == words.end()) {
      std::string list;
      for (const auto& [word, value] : words)
        list += (list.empty() ? "" : "|") + word;
      Refuse(name + " takes " + list);
      return;
    }
    target = found->second;
  }

  // "--name A B": two values.
  std::optional<std::pair<std::string, std::string>> Pair(const std::string& name) {
    auto& args = call_.args;
    const auto at = std::find(args.begin(), args.end(), name);
    if (at == args.end()) return std::nullopt;
    if (args.end() - at < 3) {
      args.erase(at, args.end());
      Refuse(name + " needs two rankings");
      return std::nullopt;
    }
    std::pair<std::string, std::string> values{*(at + 1), *(at + 2)};
    args.erase(at, at + 3);
    return values;
  }

  // --lang: true when French is asked for.
  bool French() {
    int french = 0;
    Choice("--lang", {{"en", 0}, {"fr", 1}}, french);
    return french == 1;
  }

 private:
  Invocation& call_;
  std::string problem_;
};

// The filter options that need the document's lists and ranking system,
// read before the document is loaded and resolved after.
struct PendingFilter {
  std::optional<std::string> from, to, surface, event, age;
  std::optional<std::pair<std::string, std::string>> ranked_between;
};

std::optional<std::string> ResolveFilter(const PendingFilter& pending, const UTILISATEUR& owner,
                                         StatisticsFilter& filter) {
  if (pending.from || pending.to) {
    const auto from = pending.from ? CalendarDate(*pending.from) : Today();
    const auto to = pending.to ? CalendarDate(*pending.to) : Today();
    if (!from) return "--from takes a date written YYYY-MM-DD";
    if (!to) return "--to takes a date written YYYY-MM-DD";
    filter.dates_on = true;
    filter.first_date = *from;
    filter.second_date = *to;
  }
  if (pending.surface) {
    for (const SURFACE* surface : owner.Surfaces()) {
      if (surface->Name() == *pending.surface) filter.surface = surface;
    }
    if (!filter.surface) return "--surface: the document has no surface '" + *pending.surface + "'";
  }
  if (pending.event) {
    for (const EPREUVE* event : owner.Events()) {
      if (event->Name() == *pending.event) filter.event = event;
    }
    if (!filter.event) return "--event: the document has no event '" + *pending.event + "'";
  }
  if (pending.age) {
    const size_t dash = pending.age->find('-');
    const auto low =
        dash == std::string::npos ? std::nullopt : WholeNumber(pending.age->substr(0, dash));
    const auto high =
        dash == std::string::npos ? std::nullopt : WholeNumber(pending.age->substr(dash + 1));
    if (!low || !high || *low < 0 || *low > 99 || *high < 0 || *high > 99) {
      return "--age takes MIN-MAX, two ages from 0 to 99";
    }
    filter.ages_on = true;
    filter.age_min = *low;
    filter.age_max = *high;
  }
  if (pending.ranked_between) {
    const auto left = Ranking(pending.ranked_between->first);
    const auto right = Ranking(pending.ranked_between->second);
    if (!left || !right) {
      return "--ranked-between: '" +
             (left ? pending.ranked_between->second : pending.ranked_between->first) +
             "' is not a ranking of " + ActiveSystem().Title();
    }
    filter.range_on = true;
    filter.range_left = *left;
    filter.range_right = *right;
  }
  return std::nullopt;
}

int RunStats(Invocation& call) {
  OptionReader read(call);
  const bool json = call.TakeFlag("--json");
  const bool french = read.French();
  int chart = kWonLostChart;
  read.Number("--chart", 0, kStatisticsChartCount - 1, chart);
  StatisticsFilter filter;
  read.Number("--type", 1, 3, filter.event_type);
  int homologation = -1;
  read.Number("--homologation", 0, 2, homologation);
  filter.homologation = homologation + 1;
  int category = -1;
  read.Number("--category", 0, 12, category);
  filter.age_category = category + 1;
  read.Choice("--only", {{"singles", 1}, {"doubles", 2}}, filter.singles_doubles);
  read.Choice("--corporate", {{"only", 1}, {"none", 2}}, filter.corporate);
  read.Choice("--indoor", {{"only", 1}, {"none", 2}}, filter.indoor);
  read.Choice("--result", {{"won", 1}, {"lost", 2}}, filter.won_lost);
  read.Choice("--sex", {{"m", 1}, {"f", 2}}, filter.opponent_sex);
  read.Choice("--hand", {{"left", 1}, {"right", 2}}, filter.handedness);
  read.Choice("--doubles-rule", {{"one", 0}, {"both", 1}}, filter.doubles_rule);
  int comparison = -1;
  read.Choice("--ranked", {{"better", 0}, {"worse", 1}, {"same", 2}}, comparison);
  filter.comparison_on = comparison >= 0;
  filter.comparison = std::max(comparison, 0);
  PendingFilter pending;
  pending.from = read.Text("--from");
  pending.to = read.Text("--to");
  pending.surface = read.Text("--surface");
  pending.event = read.Text("--event");
  pending.age = read.Text("--age");
  pending.ranked_between = read.Pair("--ranked-between");
  if (!read.Problem().empty()) return UsageError(call, read.Problem());
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (call.args.size() != 1) return UsageError(call, "stats takes one FILE");

  SetLanguage(french ? kLanguageFrench : kLanguageEnglish);
  PROJECT_DOC document;
  if (!LoadDocument(call, call.args[0], document)) return kFailure;
  const UTILISATEUR& owner = document.Owner();
  if (const auto problem = ResolveFilter(pending, owner, filter)) return UsageError(call, *problem);

  const std::vector<MatchFacts> all = GatherOwnerFacts(owner);
  const StatisticsSelection selection = SelectMatches(all, filter);
  ChartModel model;
  const MatchGroups groups = BuildStatisticsChart(chart, all, selection.selected, owner, model);
  const ChartReport report{StatisticsChartName(chart), static_cast<int>(selection.selected.size()),
                           selection.total, model, groups};
  if (json) {
    call.out << "{" << ChartJsonMembers(report) << "}\n";
  } else {
    PrintChart(call.out, report);
  }
  return kOk;
}

// The boxes named by --exclude are cleared, every other one ticked.
std::optional<SummaryFilter> ExcludedKinds(const std::string& list) {
  const std::map<std::string, bool SummaryFilter::*> boxes = {
      {"friendly", &SummaryFilter::friendly},
      {"championship", &SummaryFilter::championship},
      {"corporate", &SummaryFilter::corporate},
      {"doubles", &SummaryFilter::doubles},
      {"team", &SummaryFilter::team},
      {"homologated", &SummaryFilter::homologated},
      {"non-homologated", &SummaryFilter::non_homologated},
      {"singles", &SummaryFilter::singles},
      {"tournament", &SummaryFilter::tournament},
  };
  SummaryFilter filter;
  for (const auto& [name, box] : boxes)
    filter.*box = true;
  size_t start = 0;
  while (start < list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const auto found = boxes.find(list.substr(start, comma - start));
    if (found == boxes.end()) return std::nullopt;
    filter.*(found->second) = false;
    start = comma + 1;
  }
  return filter;
}

std::string JsonLines(const std::vector<std::string>& lines) {
  std::string json = "[";
  for (size_t i = 0; i < lines.size(); ++i)
    json += (i ? "," : "") + JsonString(lines[i]);
  return json + "]";
}

int RunSummary(Invocation& call) {
  OptionReader read(call);
  const bool json = call.TakeFlag("--json");
  const bool french = read.French();
  int chart = kSummaryRanksChart;
  read.Number("--chart", 0, kSummaryChartCount - 1, chart);
  int year = 0;
  read.Number("--season", ANNEE::kMin, ANNEE::kMax, year);
  SummaryFilter boxes;
  if (const auto list = read.Text("--exclude")) {
    const auto excluded = ExcludedKinds(*list);
    if (!excluded) {
      read.Refuse(
          "--exclude takes a comma-separated list of friendly, championship, corporate, "
          "doubles, team, homologated, non-homologated, singles, tournament");
    } else {
      boxes = *excluded;
    }
  }
  if (!read.Problem().empty()) return UsageError(call, read.Problem());
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (call.args.size() != 1) return UsageError(call, "summary takes one FILE");

  SetLanguage(french ? kLanguageFrench : kLanguageEnglish);
  PROJECT_DOC document;
  if (!LoadDocument(call, call.args[0], document)) return kFailure;
  const UTILISATEUR& owner = document.Owner();
  const SAISON_JOUEUR* season = year ? owner.FindSeason(year) : owner.GetActiveSeason();
  if (!season) {
    return UsageError(call, year ? "--season: the document has no season " + std::to_string(year)
                                 : std::string("the document has no season"));
  }

  const MatchMask mask = boxes.Mask();
  const std::vector<MatchFacts> facts = GatherSeasonFacts(*season, owner);
  const SummarySelection selection = SelectSeasonMatches(facts, mask);
  ChartModel model;
  const MatchGroups groups = BuildSummaryChart(chart, selection.selected, season->Year(), model);
  const ChartReport report{SummaryChartName(chart), selection.counts.selected,
                           selection.counts.total, model, groups};
  const std::vector<std::string> text = SummaryLines(selection.counts);
  const PointsBox box = BuildPointsBox(ActiveSystem(), owner, season);
  std::vector<std::string> points = box.TextLines();
  if (box.shown) points.insert(points.begin(), box.title);
  if (json) {
    call.out << "{\"heading\":" << JsonString(SummaryHeading(*season, owner)) << ","
             << ChartJsonMembers(report) << ",\"text\":" << JsonLines(text)
             << ",\"points\":" << JsonLines(points) << "}\n";
    return kOk;
  }
  call.out << SummaryHeading(*season, owner) << "\n\n";
  PrintChart(call.out, report);
  call.out << "\n";
  for (const std::string& line : text)
    call.out << line << "\n";
  if (!points.empty()) call.out << "\n";
  for (const std::string& line : points)
    call.out << line << "\n";
  return kOk;
}

}  // namespace

std::vector<Command> StatisticsCommands() {
  return {{"stats",
           "FILE [--chart 0..8] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--type 1..3] "
           "[--homologation 0..2] [--category 0..12] [--only singles|doubles] "
           "[--corporate only|none] [--surface NAME] [--event NAME] [--indoor only|none] "
           "[--result won|lost] [--sex m|f] [--hand left|right] [--doubles-rule one|both] "
           "[--age MIN-MAX] [--ranked better|worse|same] [--ranked-between A B] [--json] "
           "[--lang en|fr]",
           "One chart of the statistics page over every season's matches that pass the "
           "filters: its values, each with the number of matches behind it (a date left out is "
           "today).",
           RunStats},
          {"summary",
           "FILE [--season YEAR] [--chart 0..4] [--exclude KIND,...] [--json] [--lang en|fr]",
           "The season summary of the active season (or YEAR): one of its five charts, the "
           "counts and the points box. --exclude lists the kinds of match left out (friendly, "
           "championship, corporate, doubles, team, homologated, non-homologated, singles, "
           "tournament; by default friendly,non-homologated); an empty list keeps them all.",
           RunSummary}};
}

}  // namespace scorvane::cli
