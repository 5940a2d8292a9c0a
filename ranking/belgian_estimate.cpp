// The Belgian federation's next-season estimate.
#include "ranking/builtin_systems.h"

namespace scorvane {

CLASSEMENT SYSTEME_BELGE::EstimateNextRanking(UTILISATEUR& /*owner*/, std::string& report) {
  report_.clear();
  report = report_;
  return CLASSEMENT();
}

}  // namespace scorvane
