// scorvane-cli matches: a season's matches with the columns the matches page
// shows by default, as aligned text for reading or as CSV for a spreadsheet.
#include <charconv>
#include <ostream>

#include "base/catalogue/messages.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/document_loading.h"
#include "cli/text_table.h"
#include "records/match_table.h"

namespace scorvane::cli {
namespace {

void PrintAligned(std::ostream& out, const MatchTable& table) {
  out << table.caption << "\n\n";
  WriteAlignedTable(out, table.titles, table.rows);
}

// RFC 4180: the titles, then a row per match.
void WriteCsv(std::ostream& out, const MatchTable& table) {
  WriteCsvRow(out, table.titles);
  for (const auto& row : table.rows)
    WriteCsvRow(out, row);
}

int RunMatches(Invocation& call) {
  const bool csv = call.TakeFlag("--csv");
  int language = kLanguageEnglish;
  if (!TakeLanguage(call, &language)) return kUsage;
  std::optional<int> year;
  if (!TakeSeason(call, &year)) return kUsage;
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (call.args.size() != 1) return UsageError(call, "matches takes one FILE");

  SetLanguage(language);
  PROJECT_DOC document;
  if (!LoadDocument(call, call.args[0], document)) return kFailure;
  const SAISON_JOUEUR* season =
      year ? document.Owner().FindSeason(*year) : document.Owner().GetActiveSeason();
  if (!season) {
    call.err << (year ? "The document has no season " + std::to_string(*year) + "."
                      : std::string("The document has no season."))
             << "\n";
    return kFailure;
  }
  const MatchTable table = BuildMatchTable(*season);
  if (csv) {
    WriteCsv(call.out, table);
  } else {
    PrintAligned(call.out, table);
  }
  return kOk;
}

}  // namespace

std::vector<Command> MatchCommands() {
  return {{"matches", "FILE [--season YEAR] [--csv] [--lang fr|en]",
           "List the matches of the active season (or of YEAR) as the matches page does; "
           "--csv writes RFC 4180 CSV for a spreadsheet; --lang fr writes the titles and "
           "results in French.",
           RunMatches}};
}

}  // namespace scorvane::cli
