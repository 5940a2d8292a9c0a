// A minimal JSON writer for the tool's --json outputs.
#pragma once

#include <string>
#include <string_view>

namespace scorvane::cli {

// The text as a JSON string literal, quotes included (UTF-8 kept as is,
// control characters escaped).
std::string JsonString(std::string_view text);

}  // namespace scorvane::cli
