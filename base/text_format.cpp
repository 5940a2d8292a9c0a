#include "base/text_format.h"

#include <cstdio>
#include <type_traits>

namespace scorvane {

int64_t TextArg::AsWhole() const {
  return std::visit(
      [](const auto& value) -> int64_t {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, int64_t>) {
          return value;
        } else if constexpr (std::is_same_v<T, double>) {
          // Out-of-range and NaN values would be undefined to convert.
          if (!(value > -9.2e18 && value < 9.2e18)) return 0;
          return static_cast<int64_t>(value);
        } else {
          return 0;
        }
      },
      value_);
}

double TextArg::AsDecimal() const {
  return std::visit(
      [](const auto& value) -> double {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string_view>) {
          return 0.0;
        } else {
          return static_cast<double>(value);
        }
      },
      value_);
}

namespace {

std::string Decimal(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

}  // namespace

std::string TextArg::AsText() const {
  return std::visit(
      [](const auto& value) -> std::string {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string_view>) {
          return std::string(value);
        } else if constexpr (std::is_same_v<T, double>) {
          return Decimal(value);
        } else {
          return std::to_string(value);
        }
      },
      value_);
}

std::string FormatText(std::string_view format, std::initializer_list<TextArg> args) {
  std::string out;
  out.reserve(format.size() + 16 * args.size());
  const TextArg* next = args.begin();
  size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    if (c != '%' || i + 1 >= format.size()) {
      out += c;
      ++i;
      continue;
    }
    if (format[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    // "%0g" is "%g": the zero flag only pads up to a width, and there is none.
    size_t directive = i + 1;
    if (format[directive] == '0' && directive + 1 < format.size()) ++directive;
    const char conversion = format[directive];
    if (conversion != 'd' && conversion != 's' && conversion != 'g') {
      out += c;
      ++i;
      continue;
    }
    if (next != args.end()) {
      if (conversion == 'd') {
        out += std::to_string(next->AsWhole());
      } else if (conversion == 's') {
        out += next->AsText();
      } else {
        out += Decimal(next->AsDecimal());
      }
      ++next;
    }
    i = directive + 1;
  }
  return out;
}

}  // namespace scorvane
