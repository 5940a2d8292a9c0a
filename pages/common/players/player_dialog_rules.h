// The texts of the player dialog, apart from Qt: the line that counts the
// matches played with the player, the best ranking reached, the title of
// the match viewer opened on those matches, and the matches themselves.
#pragma once

#include <string>

#include "base/list.h"

namespace scorvane {

class HISTORIQUE_CLASSEMENTS;
class JOUEUR;
class RENCONTRE;
class UTILISATEUR;

// "No match played with this player", "Only one match was played with this
// player", "N matches were played with this player" (the French texts say
// "cette joueuse" for a woman).
std::string MatchCountLine(int count, bool woman);
// "Best rank reached: GRADE (YEAR)" under a yearly system, with the date
// otherwise; "" for an empty history.
std::string BestRankingLine(const HISTORIQUE_CLASSEMENTS& history, bool yearly);
// "Matches played with FIRST LAST".
std::string MatchesWithTitle(const JOUEUR& player);
// The matches of the document that involve the player.
List<RENCONTRE*> MatchesWith(const UTILISATEUR& owner, const JOUEUR* player);

}  // namespace scorvane
