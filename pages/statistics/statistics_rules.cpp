#include "pages/statistics/statistics_rules.h"

#include <charconv>

namespace scorvane {

std::optional<int> ParseAge(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  int age = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), age);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (age < 0 || age > 99) return std::nullopt;
  return age;
}

}  // namespace scorvane
