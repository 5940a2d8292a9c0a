#include "estimates/season_estimate.h"

#include <algorithm>

#include "estimates/belgian_estimate.h"
#include "estimates/french_estimate.h"
#include "ranking/builtin_systems.h"
#include "records/owner.h"
#include "records/season.h"

namespace scorvane {

int EstimatedYear(int year) {
  return (year == 0 ? 0 : std::clamp(year, 1900, 2100)) + 1;
}

SeasonEstimate EstimateSeason(const SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                              const SAISON_JOUEUR* season) {
  SeasonEstimate result;
  result.year = season ? season->Year() : 0;
  result.next_year = EstimatedYear(result.year);
  result.current = owner.History().RankingForYear(result.year);
  if (dynamic_cast<const SYSTEME_FRANCAIS*>(&system)) {
    const french::SeasonFacts facts = french::CollectSeasonFacts(owner, season);
    result.estimate = CLASSEMENT(french::RunEstimate(facts, &result.report).ranking);
    result.available = true;
  } else if (dynamic_cast<const SYSTEME_BELGE*>(&system)) {
    const belgian::SeasonFacts facts = belgian::CollectSeasonFacts(owner, season);
    result.estimate = CLASSEMENT(belgian::RunEstimate(facts, &result.report).ranking);
    result.available = true;
  }
  return result;
}

}  // namespace scorvane
