// scorvane-cli import: matches from a CSV file (the program's own list or a
// spreadsheet's export) into a document. The plan is printed first; the
// document is written, through the crash-safe save, only when every line
// was read or the user asked to leave the refused ones out.
#include <charconv>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/cli.h"
#include "cli/command.h"
#include "cli/document_loading.h"
#include "records/import/csv_reader.h"
#include "records/import/match_import.h"
#include "records/owner.h"

namespace scorvane::cli {
namespace {

std::string Count(size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

template <class T, class F>
void PrintList(std::ostream& out, const std::string& title, const std::vector<T>& items, F&& text) {
  if (items.empty()) return;
  out << title << " (" << items.size() << "):\n";
  for (const T& item : items)
    out << "  " << text(item) << "\n";
}

void PrintPlan(std::ostream& out, const ImportPlan& plan) {
  out << "Matches to import: " << plan.matches.size() << "\n";
  PrintList(out, "New players", plan.new_players, [](const ImportedPlayer& player) {
    std::string name =
        player.first_name.empty() ? player.surname : player.first_name + " " + player.surname;
    return player.licence.empty() ? name : name + " (licence " + player.licence + ")";
  });
  if (plan.anonymous_players > 0) out << "Anonymous players: " << plan.anonymous_players << "\n";
  std::vector<const PlannedEvent*> new_events;
  for (const PlannedEvent& event : plan.events) {
    if (!event.played_in_season) new_events.push_back(&event);
  }
  PrintList(out, "Events entered", new_events, [](const PlannedEvent* event) {
    return event->name + ", season " + std::to_string(event->season) +
           (event->existing || event->friendly ? "" : " (new event)");
  });
  PrintList(out, "New seasons", plan.new_seasons, [](int year) { return std::to_string(year); });
  PrintList(out, "New surfaces", plan.new_surfaces, [](const std::string& name) { return name; });
  PrintList(out, "Ignored columns", plan.ignored_columns,
            [](const std::string& name) { return name; });
  std::vector<std::string> warnings;
  for (const ImportPlan::Resemblance& resemblance : plan.resemblances)
    warnings.push_back(ResemblanceText(plan, resemblance));
  warnings.insert(warnings.end(), plan.warnings.begin(), plan.warnings.end());
  PrintList(out, "Warnings", warnings, [](const std::string& text) { return text; });
  PrintList(out, "Refused lines", plan.refused, [](const std::string& text) { return text; });
}

// The file's bytes, or nullopt after printing why it cannot be read; a file
// too large is refused before it is read.
std::optional<std::string> ReadCsvFile(Invocation& call, const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error) {
    call.err << "Cannot read " << path << ": " << error.message() << "\n";
    return std::nullopt;
  }
  const size_t limit = CsvLimits{}.max_bytes;
  if (size > limit) {
    call.err << "The file " << path << " is larger than " << (limit >> 20)
             << " MB; a list of matches is far smaller.\n";
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  if (!file || (size > 0 && !(bytes << file.rdbuf()))) {
    call.err << "Cannot read " << path << ".\n";
    return std::nullopt;
  }
  return bytes.str();
}

int RunImport(Invocation& call) {
  const bool dry_run = call.TakeFlag("--dry-run");
  const bool skip_bad = call.TakeFlag("--skip-bad");
  std::string error;
  const std::optional<std::string> season_text = call.TakeOption("--season", &error);
  if (!error.empty()) return UsageError(call, error);
  ImportOptions options;
  if (season_text) {
    int year = 0;
    const char* end = season_text->data() + season_text->size();
    const auto [stop, code] = std::from_chars(season_text->data(), end, year);
    if (code != std::errc() || stop != end || year < ANNEE::kMin || year > ANNEE::kMax)
      return UsageError(call, "--season takes a year from 1900 to 2100");
    options.season = year;
  }
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (call.args.size() != 2) return UsageError(call, "import takes DOC.ten and MATCHES.csv");
  const std::string& document_path = call.args[0];
  const std::string& csv_path = call.args[1];

  PROJECT_DOC document;
  if (!LoadDocument(call, document_path, document)) return kFailure;
  const std::optional<std::string> bytes = ReadCsvFile(call, csv_path);
  if (!bytes) return kFailure;
  const ImportPlan plan = PlanMatchImport(document.Owner(), *bytes, options);
  if (!plan.Readable()) {
    call.err << csv_path << ": " << plan.error << "\nThe document was not changed.\n";
    return kFailure;
  }
  PrintPlan(call.out, plan);
  if (!plan.refused.empty() && !skip_bad) {
    call.err << "Nothing was imported: " << Count(plan.refused.size(), "line", "lines")
             << (plan.refused.size() == 1 ? " is" : " are")
             << " refused (--skip-bad imports the other lines).\n";
    return kFailure;
  }
  if (dry_run) {
    call.out << "Dry run: the document was not changed.\n";
    return kOk;
  }
  if (plan.matches.empty()) {
    call.err << "The file holds no match to import; the document was not changed.\n";
    return kFailure;
  }
  const int imported = ApplyMatchImport(document.Owner(), plan);
  const FileResult saved = document.Save(document_path);
  if (!saved.ok()) {
    call.err << saved.Message() << "\n";
    return kFailure;
  }
  call.out << "Imported " << Count(static_cast<size_t>(imported), "match", "matches") << " into "
           << document_path << ".\n";
  return kOk;
}

}  // namespace

std::vector<Command> ImportCommands() {
  return {{"import", "DOC.ten MATCHES.csv [--season YEAR] [--dry-run] [--skip-bad]",
           "Import matches from CSV (what matches --csv writes, or a spreadsheet's export with "
           "English or French headings); prints the plan first and writes DOC.ten only when "
           "every line is read (--skip-bad leaves the refused lines out; --dry-run stops after "
           "the plan).",
           RunImport}};
}

}  // namespace scorvane::cli
