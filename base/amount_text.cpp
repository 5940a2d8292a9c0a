#include "base/amount_text.h"

#include <cstdio>
#include <vector>

namespace scorvane {
namespace {

// More whole digits than this is no amount a record can hold.
constexpr size_t kMostWholeDigits = 12;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The length of the blank at text[at] (a space, or the UTF-8 no-break and
// narrow no-break spaces that locales write between thousands); 0 when none.
size_t BlankAt(std::string_view text, size_t at) {
  if (text[at] == ' ') return 1;
  if (text.substr(at, 2) == "\xC2\xA0") return 2;
  if (text.substr(at, 3) == "\xE2\x80\xAF") return 3;
  return 0;
}

// The text split into runs of digits and the one-character marks between
// them (' ' for any blank); false for any other character.
bool SplitGroups(std::string_view text, std::vector<std::string>& groups, std::string& marks) {
  std::string digits;
  for (size_t at = 0; at < text.size();) {
    if (IsDigit(text[at])) {
      digits += text[at++];
      continue;
    }
    const size_t blank = BlankAt(text, at);
    const char mark = blank > 0 ? ' ' : text[at];
    if (blank == 0 && mark != ',' && mark != '.') return false;
    groups.push_back(std::move(digits));
    digits.clear();
    marks += mark;
    at += blank > 0 ? blank : 1;
  }
  groups.push_back(std::move(digits));
  return true;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::int64_t> ReadAmountCents(std::string_view typed) {
  std::string_view text = Trimmed(typed);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  std::vector<std::string> groups;
  std::string marks;
  if (text.empty() || !SplitGroups(text, groups, marks)) return std::nullopt;

  // The decimal mark is the last comma or point, unless that kind of mark
  // also stands earlier (then it groups thousands, as in "1,500,000").
  const size_t last = marks.find_last_of(",.");
  size_t decimal = std::string::npos;
  if (last != std::string::npos && marks.find(marks[last]) == last) decimal = last;
  std::string whole;
  for (size_t group = 0; group <= marks.size(); ++group) {
    if (decimal != std::string::npos && group > decimal) break;
    const std::string& digits = groups[group];
    // Every group after the first holds three digits; the first holds one
    // to three when others follow it.
    if (group > 0 && digits.size() != 3) return std::nullopt;
    if (group == 0 && digits.empty() && (marks.empty() || decimal != 0)) return std::nullopt;
    if (group == 0 && digits.size() > 3 &&
        group != (decimal == std::string::npos ? marks.size() : decimal))
      return std::nullopt;
    whole += digits;
  }
  std::string fraction;
  if (decimal != std::string::npos) {
    if (decimal + 1 != marks.size()) return std::nullopt;  // nothing may follow the decimals
    fraction = groups[decimal + 1];
    if (fraction.size() > 2 || (whole.empty() && fraction.empty())) return std::nullopt;
  }
  while (whole.size() > 1 && whole.front() == '0')
    whole.erase(0, 1);
  if (whole.size() > kMostWholeDigits) whole = std::string(kMostWholeDigits, '9');
  fraction.resize(2, '0');
  std::int64_t cents = 0;
  for (const char c : whole + fraction)
    cents = cents * 10 + (c - '0');
  return negative ? -cents : cents;
}

AmountReading ReadAmountInRange(std::string_view typed, std::int64_t largest_cents) {
  AmountReading reading;
  const std::optional<std::int64_t> cents = ReadAmountCents(typed);
  if (!cents) {
    reading.problem = AmountProblem::kNotANumber;
  } else if (*cents < 0) {
    reading.problem = AmountProblem::kNegative;
  } else if (*cents > largest_cents) {
    reading.problem = AmountProblem::kTooLarge;
  } else {
    reading.cents = *cents;
  }
  return reading;
}

bool CouldBecomeAmount(std::string_view typed) {
  std::string_view text = typed;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  std::vector<std::string> groups;
  std::string marks;
  if (!SplitGroups(text, groups, marks)) return false;
  // Between two marks, a group of thousands; after the last one, thousands
  // or decimals still being typed.
  for (size_t group = 1; group + 1 < groups.size(); ++group) {
    if (groups[group].size() != 3) return false;
  }
  return groups.size() < 2 || groups.back().size() <= 3;
}

std::string CentsText(std::int64_t cents) {
  const bool negative = cents < 0;
  const std::uint64_t size =
      negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
  char text[32];
  std::snprintf(text, sizeof text, "%s%llu.%02llu", negative ? "-" : "",
                static_cast<unsigned long long>(size / 100),
                static_cast<unsigned long long>(size % 100));
  return text;
}

}  // namespace scorvane
