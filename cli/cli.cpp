#include "cli/cli.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "cli/command.h"
#include "ranking/ranking_registry.h"

namespace scorvane::cli {
namespace {

std::vector<Command> AllCommands() {
  std::vector<Command> commands;
  for (auto group : {DocumentCommands, MatchCommands, ImportCommands, StatisticsCommands,
                     FinanceCommands, EstimateCommands, SystemCommands, CatalogueCommands}) {
    for (Command& command : group())
      commands.push_back(std::move(command));
  }
  return commands;
}

// The language, the currency shown and the active ranking system are
// settings of the whole process. A command starts from the tool's own:
// English, francs, the French system with nothing pending; its options and
// the document it loads change them for its run, and nothing is put back, so
// that what one command prints never depends on a command run before it in
// the same process.
void StartFromTheToolsSettings() {
  SetLanguage(kLanguageEnglish);
  Currency::SetCurrent(Currency::kFrancs);
  Registry().Reset();
}

void PrintHelp(std::ostream& out, const std::vector<Command>& commands) {
  out << "Usage: scorvane-cli COMMAND [ARGS]\n       scorvane-cli --version\n\nCommands:\n";
  for (const Command& command : commands) {
    out << "  " << command.name << " " << command.usage << "\n      " << command.summary << "\n";
  }
}

}  // namespace

bool Invocation::TakeFlag(const std::string& flag) {
  const auto it = std::find(args.begin(), args.end(), flag);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

std::optional<std::string> Invocation::TakeOption(const std::string& name, std::string* error) {
  const auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return std::nullopt;
  if (it + 1 == args.end()) {
    if (error) *error = name + " needs a value";
    args.erase(it);
    return std::nullopt;
  }
  std::string value = *(it + 1);
  args.erase(it, it + 2);
  return value;
}

std::optional<std::string> Invocation::UnknownOption() const {
  for (const std::string& arg : args) {
    if (arg.size() > 2 && arg.rfind("--", 0) == 0) return arg;
  }
  return std::nullopt;
}

int UsageError(Invocation& call, const std::string& message) {
  call.err << "scorvane-cli: " << message << "\nTry 'scorvane-cli help'.\n";
  return kUsage;
}

bool TakeLanguage(Invocation& call, int* language) {
  std::string error;
  const std::optional<std::string> lang = call.TakeOption("--lang", &error);
  if (!error.empty()) {
    UsageError(call, error);
    return false;
  }
  if (lang && *lang != "fr" && *lang != "en") {
    UsageError(call, "--lang takes fr or en");
    return false;
  }
  *language = lang && *lang == "fr" ? kLanguageFrench : kLanguageEnglish;
  return true;
}

bool TakeSeason(Invocation& call, std::optional<int>* year) {
  std::string error;
  const std::optional<std::string> text = call.TakeOption("--season", &error);
  if (!error.empty()) {
    UsageError(call, error);
    return false;
  }
  if (!text) return true;
  int parsed = 0;
  const char* end = text->data() + text->size();
  const auto [stop, code] = std::from_chars(text->data(), end, parsed);
  if (code != std::errc() || stop != end) {
    UsageError(call, "--season takes a year");
    return false;
  }
  *year = parsed;
  return true;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::vector<Command> commands = AllCommands();
  if (args.empty()) {
    PrintHelp(err, commands);
    return kUsage;
  }
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    PrintHelp(out, commands);
    return kOk;
  }
  if (args[0] == "--version") {
    out << "scorvane-cli " << SCORVANE_VERSION << "\n";
    return kOk;
  }
  for (const Command& command : commands) {
    if (args[0] != command.name) continue;
    Invocation call{{args.begin() + 1, args.end()}, out, err};
    StartFromTheToolsSettings();
    return command.run(call);
  }
  err << "scorvane-cli: unknown command '" << args[0] << "'\nTry 'scorvane-cli help'.\n";
  return kUsage;
}

}  // namespace scorvane::cli
