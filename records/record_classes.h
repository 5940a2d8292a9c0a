// The record classes of the data model, looked up by their run-time class
// name (the upper-case names the file format and the tests use).
#pragma once

#include <string_view>

#include "base/record.h"

namespace scorvane {

// The record class registered under this exact name, or null.
const RuntimeClass* RecordClassNamed(std::string_view name);

}  // namespace scorvane
