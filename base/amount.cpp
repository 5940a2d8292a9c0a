#include "base/amount.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(SOMME, CObject);

void SOMME::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(amount_);
}

}  // namespace scorvane
