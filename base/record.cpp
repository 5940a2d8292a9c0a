// The root of the record classes' run-time class chain.
#include "base/record.h"

namespace scorvane {

const RuntimeClass CObject::kRuntimeClass{"CObject", nullptr, nullptr};

}  // namespace scorvane
