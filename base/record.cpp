// The root of the record classes' run-time class chain.
#include "base/record.h"

namespace scorvane {

const RuntimeClass CObject::kRuntimeClass{"CObject", nullptr, nullptr};

bool RuntimeClass::IsDerivedFrom(const RuntimeClass& other) const {
  for (const RuntimeClass* cls = this; cls; cls = cls->base) {
    if (cls == &other) return true;
  }
  return false;
}

}  // namespace scorvane
