// What every command of the command-line tool shares: its arguments, its
// output streams and the helpers that parse options.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace scorvane::cli {

struct Invocation {
  std::vector<std::string> args;  // after the command name
  std::ostream& out;
  std::ostream& err;

  // Removes a flag from args; true when it was there.
  bool TakeFlag(const std::string& flag);
  // Removes "--name VALUE" from args; nullopt when absent. A flag given
  // without its value is a usage error (reported through *error).
  std::optional<std::string> TakeOption(const std::string& name, std::string* error);
  // Any argument left that starts with "--" is unknown.
  std::optional<std::string> UnknownOption() const;
};

// Prints "scorvane-cli: <message>" and the usage line; returns kUsage.
int UsageError(Invocation& call, const std::string& message);

// Takes "--lang fr|en" into *language (English when absent); false after
// reporting a usage error.
bool TakeLanguage(Invocation& call, int* language);
// Takes "--season YEAR" when given; false (usage told) when YEAR is no number.
bool TakeSeason(Invocation& call, std::optional<int>* year);

struct Command {
  const char* name;
  const char* usage;  // arguments, for the help text
  const char* summary;
  std::function<int(Invocation&)> run;
};

// Commands of each group, registered in cli.cpp.
std::vector<Command> CatalogueCommands();
std::vector<Command> SystemCommands();
std::vector<Command> EstimateCommands();
std::vector<Command> DocumentCommands();
std::vector<Command> MatchCommands();
std::vector<Command> ImportCommands();
std::vector<Command> StatisticsCommands();
std::vector<Command> FinanceCommands();

}  // namespace scorvane::cli
