#include "widgets/listview/column_settings.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace scorvane {
namespace {

// Reads texts the way the settings were written: literal text must match,
// any run of white space in the pattern matches any run (or none) in the
// text, and a number may be preceded by white space and a sign.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool Literal(std::string_view pattern) {
    for (size_t i = 0; i < pattern.size(); ++i) {
      if (IsSpace(pattern[i])) {
        SkipSpaces();
        continue;
      }
      if (pos_ >= text_.size() || text_[pos_] != pattern[i]) return false;
      ++pos_;
    }
    return true;
  }

  std::optional<int> Number() {
    SkipSpaces();
    size_t pos = pos_;
    bool negative = false;
    if (pos < text_.size() && (text_[pos] == '-' || text_[pos] == '+')) {
      negative = text_[pos] == '-';
      ++pos;
    }
    const size_t digits_start = pos;
    long long value = 0;
    while (pos < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos]))) {
      // Saturate instead of overflowing: such a number is out of every range.
      value = std::min(value * 10 + (text_[pos] - '0'), 10'000'000'000LL);
      ++pos;
    }
    if (pos == digits_start) return std::nullopt;
    pos_ = pos;
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, -2'000'000'000LL, 2'000'000'000LL));
  }

 private:
  static bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
  void SkipSpaces() {
    while (pos_ < text_.size() && IsSpace(text_[pos_]))
      ++pos_;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

std::string ColumnSettingKey(int column) {
  return "col " + std::to_string(column);
}

std::string ColumnSettingText(const ListColumn& column) {
  return "taille= " + std::to_string(column.width) +
         ", affichée= " + std::to_string(column.shown ? 1 : 0) +
         ", ordre= " + std::to_string(column.priority) +
         ", ordre_inverse= " + std::to_string(column.reverse ? 1 : 0);
}

void ApplyColumnSettingText(std::string_view text, ListColumn& column) {
  Scanner scan(text);
  if (!scan.Literal("taille= ")) return;
  const std::optional<int> width = scan.Number();
  if (!width) return;
  if (*width >= 0) column.width = std::min(*width, kMaxColumnWidth);
  if (!scan.Literal(", affichée= ")) return;
  const std::optional<int> shown = scan.Number();
  if (!shown) return;
  column.shown = *shown == 1;
  if (!scan.Literal(", ordre= ")) return;
  const std::optional<int> priority = scan.Number();
  if (!priority) return;
  column.priority = *priority;
  if (!scan.Literal(", ordre_inverse= ")) return;
  const std::optional<int> reverse = scan.Number();
  if (!reverse) return;
  column.reverse = *reverse == 1;
}

std::string DisplayOrderText(std::span<const int> order) {
  std::string text;
  for (int column : order)
    text += std::to_string(column) + ",";
  if (!text.empty()) text.pop_back();
  return text;
}

std::vector<int> ParseDisplayOrder(std::string_view text, std::span<const int> current) {
  std::vector<int> order(current.begin(), current.end());
  const int count = static_cast<int>(order.size());
  Scanner scan(text);
  for (int& column : order) {
    const std::optional<int> value = scan.Number();
    if (!value) break;
    column = *value >= 0 && *value < count ? *value : 0;
    if (!scan.Literal(",")) break;
  }
  return order;
}

}  // namespace scorvane
