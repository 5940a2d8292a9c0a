// scorvane-cli matches: the matches of a season, as the matches page lists them.
#include "cli/cli.h"
#include "cli/command.h"

namespace scorvane::cli {

std::vector<Command> MatchCommands() {
  return {};
}

}  // namespace scorvane::cli
