// The plain rules of the statistics page's controls, kept apart from the
// widgets so that they are tested without a screen.
#pragma once

#include <optional>
#include <string_view>

namespace scorvane {

// An age typed in one of the two age boxes: a whole number from 0 to 99,
// blanks around it allowed; nothing for anything else (the box then keeps
// its previous value).
std::optional<int> ParseAge(std::string_view text);

}  // namespace scorvane
