#include "stats/matches/surface_tally.h"

#include <unordered_map>

#include "base/catalogue/messages.h"
#include "records/club.h"
#include "stats/matches/match_facts.h"

namespace scorvane {

namespace {
constexpr int kMsgUnknown = 79;
}  // namespace

std::string UTILISATION_SURFACE::Name() const {
  return surface ? surface->Name() : std::string(Msg(kMsgUnknown));
}

UTILISATION_TOUTES_SURFACES UTILISATION_TOUTES_SURFACES::Tally(
    const std::vector<const MatchFacts*>& matches) {
  UTILISATION_TOUTES_SURFACES tally;
  std::unordered_map<const SURFACE*, size_t> index;
  for (const MatchFacts* match : matches) {
    const auto [found, added] = index.try_emplace(match->surface, tally.entries.size());
    if (added) tally.entries.push_back(UTILISATION_SURFACE{match->surface, {}, {}, {}});
    UTILISATION_SURFACE& entry = tally.entries[found->second];
    entry.matches.push_back(match->match);
    (match->won ? entry.won : entry.lost).push_back(match->match);
  }
  const auto none = index.find(nullptr);
  if (none != index.end() && none->second + 1 != tally.entries.size()) {
    UTILISATION_SURFACE unknown = std::move(tally.entries[none->second]);
    tally.entries.erase(tally.entries.begin() + static_cast<std::ptrdiff_t>(none->second));
    tally.entries.push_back(std::move(unknown));
  }
  return tally;
}

}  // namespace scorvane
