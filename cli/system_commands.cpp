// scorvane-cli systems: the ranking systems the program offers.
#include <ostream>

#include "cli/cli.h"
#include "cli/command.h"
#include "cli/json.h"
#include "ranking/ranking_registry.h"

namespace scorvane::cli {
namespace {

std::string SystemJson(const AvailableSystem& line, const SYSTEME_CLASSEMENT& system) {
  std::string json =
      "{\"title\":" + JsonString(line.title) + ",\"label\":" + JsonString(line.Label());
  if (system.HasGrades()) {
    json += ",\"grades\":[";
    for (int i = 0; i <= system.Highest(); ++i) {
      json += (i ? "," : "") + JsonString(system.GradeName(i));
    }
    json += "]";
  } else {
    json += ",\"lowest\":" + std::to_string(system.Lowest()) +
            ",\"highest\":" + std::to_string(system.Highest()) +
            ",\"higher_is_better\":" + (system.HigherIsBetter() ? "true" : "false");
  }
  json += std::string(",\"yearly\":") + (system.IsYearly() ? "true" : "false");
  json += ",\"code\":" + JsonString(system.CodeName()) + "}";
  return json;
}

int RunSystems(Invocation& call) {
  const bool json = call.TakeFlag("--json");
  if (const auto unknown = call.UnknownOption())
    return UsageError(call, "unknown option " + *unknown);
  if (!call.args.empty()) return UsageError(call, "systems takes no file");

  const std::vector<AvailableSystem> systems = Registry().AvailableSystems();
  if (!json) {
    for (const AvailableSystem& line : systems)
      call.out << line.title << " " << line.Label() << "\n";
    return kOk;
  }
  call.out << "[";
  bool first = true;
  for (const AvailableSystem& line : systems) {
    SYSTEME_CLASSEMENT user;
    const SYSTEME_CLASSEMENT* system = line.system;
    if (!system) {
      if (!user.ReadFile(line.title)) continue;  // removed since it was listed
      system = &user;
    }
    call.out << (first ? "" : ",") << SystemJson(line, *system);
    first = false;
  }
  call.out << "]\n";
  return kOk;
}

}  // namespace

std::vector<Command> SystemCommands() {
  return {
      {"systems", "[--json]", "List the available ranking systems, user files first.", RunSystems}};
}

}  // namespace scorvane::cli
