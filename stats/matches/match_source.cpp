#include "stats/matches/match_source.h"

#include <unordered_set>

#include "records/event.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

void AppendSeasonMatches(const SAISON_JOUEUR& season, std::vector<RENCONTRE*>& out) {
  const PALMARES* palmares = season.Palmares();
  if (!palmares) return;
  const size_t first = out.size();
  std::unordered_set<const EPREUVE_JOUEE*> listed;
  for (const EPREUVE_JOUEE* played : palmares->PlayedEvents()) {
    if (!listed.insert(played).second) continue;
    for (RENCONTRE* match : played->Matches()) {
      // A played event may hold matches another season retains.
      if (match->GetPalmares() == palmares) out.push_back(match);
    }
  }
  if (out.size() - first == static_cast<size_t>(palmares->Matches().Count())) return;
  // Matches whose played event the season does not list come last, in the
  // order the season retained them.
  for (RENCONTRE* match : palmares->Matches()) {
    if (!listed.contains(match->GetPlayedEvent())) out.push_back(match);
  }
}

}  // namespace

std::vector<RENCONTRE*> SeasonMatches(const SAISON_JOUEUR& season) {
  std::vector<RENCONTRE*> matches;
  AppendSeasonMatches(season, matches);
  return matches;
}

std::vector<RENCONTRE*> OwnerMatches(const UTILISATEUR& owner) {
  std::vector<RENCONTRE*> matches;
  for (const SAISON_JOUEUR* season : owner.Seasons())
    AppendSeasonMatches(*season, matches);
  return matches;
}

}  // namespace scorvane
