// scorvane-cli info, resave and demo: what a document holds, writing it back
// in the current format, and a realistic document to try the program on.
#include <charconv>
#include <ostream>

#include "base/catalogue/messages.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/document_loading.h"
#include "cli/json.h"
#include "ranking/ranking_registry.h"
#include "records/document_generator.h"

namespace scorvane::cli {
namespace {

// Saves the current document to `path`; prints the reason on failure.
int SaveTo(Invocation& call, PROJECT_DOC& document, const std::string& path) {
  const FileResult result = document.Save(path);
  if (!result.ok()) {
    call.err << result.Message() << "\n";
    return kFailure;
  }
  return kOk;
}

int RunInfo(Invocation& call) {
  const bool json = call.TakeFlag("--json");
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (call.args.size() != 1) return UsageError(call, "info takes one FILE");
  PROJECT_DOC document;
  if (!LoadDocument(call, call.args[0], document)) return kFailure;
  const DocumentInfo info = document.Info();
  if (json) {
    call.out << "{\"seasons\":" << info.seasons << ",\"events\":" << info.events
             << ",\"matches\":" << info.matches << ",\"singles\":" << info.singles
             << ",\"doubles\":" << info.doubles << ",\"players\":" << info.players
             << ",\"anonymous\":" << info.anonymous << ",\"contacts\":" << info.contacts
             << ",\"ranking_system\":" << JsonString(info.ranking_system) << "}\n";
    return kOk;
  }
  call.out << "Seasons: " << info.seasons << "\nDifferent events: " << info.events
           << "\nMatches: " << info.matches << "\nSingles: " << info.singles
           << "\nDoubles: " << info.doubles << "\nListed players: " << info.players
           << "\nAnonymous players: " << info.anonymous << "\nContacts: " << info.contacts
           << "\nRanking system: " << info.ranking_system << "\n";
  return kOk;
}

int RunResave(Invocation& call) {
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (call.args.size() != 2) return UsageError(call, "resave takes IN and OUT");
  PROJECT_DOC document;
  if (!LoadDocument(call, call.args[0], document)) return kFailure;
  return SaveTo(call, document, call.args[1]);
}

// Reads "--name N" as a whole number within [low, high]; false after a usage error.
bool TakeNumber(Invocation& call, const std::string& name, int low, int high, int* value) {
  std::string error;
  const std::optional<std::string> text = call.TakeOption(name, &error);
  if (!error.empty()) {
    UsageError(call, error);
    return false;
  }
  if (!text) return true;
  int parsed = 0;
  const auto [end, code] = std::from_chars(text->data(), text->data() + text->size(), parsed);
  if (code != std::errc() || end != text->data() + text->size() || parsed < low || parsed > high) {
    UsageError(
        call, name + " takes a number from " + std::to_string(low) + " to " + std::to_string(high));
    return false;
  }
  *value = parsed;
  return true;
}

int RunDemo(Invocation& call) {
  GeneratorOptions options;
  options.matches = 64;
  int seed = 1;
  if (!TakeNumber(call, "--matches", 0, List<int>::kMaxCount, &options.matches) ||
      !TakeNumber(call, "--seasons", 1, 50, &options.seasons) ||
      !TakeNumber(call, "--seed", 0, 1 << 30, &seed)) {
    return kUsage;
  }
  std::string error;
  const std::optional<std::string> lang = call.TakeOption("--lang", &error);
  if (!error.empty()) return UsageError(call, error);
  if (lang && *lang != "fr" && *lang != "en") return UsageError(call, "--lang takes fr or en");
  options.seed = static_cast<uint32_t>(seed);
  options.first_season = 2002 - options.seasons;
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (call.args.size() != 1) return UsageError(call, "demo takes OUT");

  Registry().SetPending(nullptr);
  Registry().SetActive(&Registry().French());
  PROJECT_DOC document;
  // The default surfaces and categories are named in the chosen language.
  const int language = CurrentLanguage();
  if (lang) SetLanguage(*lang == "fr" ? kLanguageFrench : kLanguageEnglish);
  GenerateDocument(document, options);
  SetLanguage(language);
  return SaveTo(call, document, call.args[0]);
}

}  // namespace

std::vector<Command> DocumentCommands() {
  return {
      {"info", "FILE [--json]", "Count the seasons, events, matches and players of a document.",
       RunInfo},
      {"resave", "IN OUT", "Read a document and save it in the current format.", RunResave},
      {"demo", "OUT [--matches N] [--seasons N] [--seed N] [--lang fr|en]",
       "Write a demo document: three seasons of a club player under the French system; "
       "surfaces and categories named in English or French.",
       RunDemo},
  };
}

}  // namespace scorvane::cli
