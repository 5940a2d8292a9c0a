// The matches the statistics read, in one fixed order: season by season in
// the owner's season order, within a season event by event in the order of
// its played events, within an event in the event's match order. Every
// match a season retains comes exactly once.
#pragma once

#include <vector>

namespace scorvane {

class RENCONTRE;
class SAISON_JOUEUR;
class UTILISATEUR;

// The matches retained by one season.
std::vector<RENCONTRE*> SeasonMatches(const SAISON_JOUEUR& season);
// The matches of every season of the owner.
std::vector<RENCONTRE*> OwnerMatches(const UTILISATEUR& owner);

}  // namespace scorvane
