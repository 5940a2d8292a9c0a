// Filling the program's texts: printf-style formats, most of them taken from
// the message catalogue at run time, filled from a list of typed arguments.
//
// FormatText never hands a run-time format to the C library, so a format and
// its arguments can never disagree in a way that reads memory it should not,
// and a name holding "%s" is written as it is.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace scorvane {

// One argument of FormatText: a whole number, a decimal number or a text.
class TextArg {
 public:
  TextArg(int value) : value_(static_cast<int64_t>(value)) {}  // NOLINT: implicit by design
  TextArg(int64_t value) : value_(value) {}                    // NOLINT
  TextArg(double value) : value_(value) {}                     // NOLINT
  TextArg(const char* text) : value_(std::string_view(text ? text : "")) {}  // NOLINT
  TextArg(std::string_view text) : value_(text) {}                           // NOLINT
  TextArg(const std::string& text) : value_(std::string_view(text)) {}       // NOLINT

  // The argument as "%d" writes it (decimal numbers truncated toward zero,
  // texts read as 0).
  int64_t AsWhole() const;
  // The argument as "%g" writes it.
  double AsDecimal() const;
  // The argument as "%s" writes it (numbers in decimal).
  std::string AsText() const;

 private:
  std::variant<int64_t, double, std::string_view> value_;
};

// Fills `format` like printf would for the directives "%d", "%s", "%g" (with
// an optional "0" flag, which without a width changes nothing) and "%%".
// Each argument is converted to what its directive asks for; a directive
// without an argument writes nothing; any other directive is copied as is.
std::string FormatText(std::string_view format, std::initializer_list<TextArg> args = {});

}  // namespace scorvane
