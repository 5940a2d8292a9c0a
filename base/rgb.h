// A colour given by its red, green and blue parts, 0 to 255 each. One type
// for the whole program: the list rows, the charts and the pages that fill
// both all speak it, and the Qt side converts it to its own colours.
#pragma once

#include <cstdint>

namespace scorvane {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  constexpr Rgb() = default;
  constexpr Rgb(int r, int g, int b)
      : red(static_cast<std::uint8_t>(r)),
        green(static_cast<std::uint8_t>(g)),
        blue(static_cast<std::uint8_t>(b)) {}
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

}  // namespace scorvane
