#include "stats/matches/surface_tally.h"

#include <unordered_map>

#include "base/catalogue/messages.h"
#include "records/club.h"
#include "records/match.h"

namespace scorvane {

namespace {
constexpr int kMsgUnknown = 79;
}  // namespace

std::string UTILISATION_SURFACE::Name() const {
  return surface ? surface->Name() : std::string(Msg(kMsgUnknown));
}

UTILISATION_TOUTES_SURFACES UTILISATION_TOUTES_SURFACES::Tally(
    const std::vector<RENCONTRE*>& matches) {
  UTILISATION_TOUTES_SURFACES tally;
  std::unordered_map<const SURFACE*, size_t> index;
  for (RENCONTRE* match : matches) {
    const SURFACE* surface = match->GetSurface();
    const auto [found, added] = index.try_emplace(surface, tally.entries.size());
    if (added) tally.entries.push_back(UTILISATION_SURFACE{surface, {}, 0});
    UTILISATION_SURFACE& entry = tally.entries[found->second];
    entry.matches.push_back(match);
    if (match->Result().IsWon()) ++entry.won;
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
