// The per-surface tally of the three surface charts: the matches played on
// each surface, the surfaces in the order they are first met and the
// matches without surface last.
#pragma once

#include <string>
#include <vector>

namespace scorvane {

class RENCONTRE;
class SURFACE;
struct MatchFacts;

struct UTILISATION_SURFACE {
  const SURFACE* surface = nullptr;  // none for the matches without surface
  std::vector<RENCONTRE*> matches;
  std::vector<RENCONTRE*> won;
  std::vector<RENCONTRE*> lost;

  // The surface's name, or "<Unknown>" in the interface language.
  std::string Name() const;
};

struct UTILISATION_TOUTES_SURFACES {
  std::vector<UTILISATION_SURFACE> entries;

  static UTILISATION_TOUTES_SURFACES Tally(const std::vector<const MatchFacts*>& matches);
};

}  // namespace scorvane
