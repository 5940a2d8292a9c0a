// scorvane-cli text: a message of the catalogue.
#include <charconv>
#include <climits>
#include <ostream>

#include "base/catalogue/messages.h"
#include "cli/cli.h"
#include "cli/command.h"

namespace scorvane::cli {
namespace {

int RunText(Invocation& call) {
  int language = kLanguageEnglish;
  if (!TakeLanguage(call, &language)) return kUsage;
  if (call.args.size() != 1) return UsageError(call, "text needs one message number");
  const std::string& arg = call.args[0];
  long long number = 0;
  const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), number);
  if (error == std::errc::result_out_of_range) {
    number = -1;  // far outside the catalogue: a blank like any other stranger
  } else if (error != std::errc() || end != arg.data() + arg.size()) {
    return UsageError(call, "'" + arg + "' is not a message number");
  }
  const int index = number < INT_MIN || number > INT_MAX ? -1 : static_cast<int>(number);
  call.out << MsgIn(index, language) << "\n";
  return kOk;
}

}  // namespace

std::vector<Command> CatalogueCommands() {
  return {{"text", "N [--lang fr|en]", "Print message N of the catalogue (English by default).",
           RunText}};
}

}  // namespace scorvane::cli
