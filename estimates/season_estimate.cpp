#include "estimates/season_estimate.h"

#include <algorithm>

#include "ranking/builtin_systems.h"
#include "records/owner.h"
#include "records/season.h"

namespace scorvane {

int EstimatedYear(int year) {
  return (year == 0 ? 0 : std::clamp(year, 1900, 2100)) + 1;
}

SeasonEstimate EstimateSeason(SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                              const SAISON_JOUEUR* season) {
  SeasonEstimate result;
  result.year = season ? season->Year() : 0;
  result.next_year = EstimatedYear(result.year);
  result.current = owner.History().RankingForYear(result.year);
  if (auto* french = dynamic_cast<SYSTEME_FRANCAIS*>(&system)) {
    result.estimate = french->EstimateForSeason(owner, season, result.report);
    result.available = true;
  } else if (auto* belgian = dynamic_cast<SYSTEME_BELGE*>(&system)) {
    result.estimate = belgian->EstimateForSeason(owner, season, result.report);
    result.available = true;
  }
  return result;
}

}  // namespace scorvane
