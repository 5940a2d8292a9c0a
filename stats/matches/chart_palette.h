// The colours of the statistics charts: the 25-colour palette taken in turn,
// the grey of "no match" and of matches without surface, and the victory and
// defeat colours of every won/lost chart.
#pragma once

#include <array>
#include <cstddef>

#include "stats/chart/chart_geometry.h"

namespace scorvane {

inline constexpr std::array<Rgb, 25> kChartPalette = {{
    {165, 171, 250}, {128, 207, 144}, {245, 200, 116}, {192, 192, 192}, {222, 152, 252},
    {84, 190, 5},    {236, 143, 104}, {149, 191, 200}, {26, 153, 105},  {147, 97, 214},
    {73, 167, 194},  {205, 43, 196},  {221, 101, 135}, {255, 108, 1},   {208, 219, 19},
    {117, 223, 69},  {69, 223, 166},  {195, 204, 209}, {137, 151, 159}, {81, 88, 91},
    {60, 154, 210},  {0, 0, 255},     {255, 0, 0},     {0, 255, 0},     {255, 250, 0},
}};

// The palette colour of the index-th item: after 25 the colours come again.
constexpr Rgb PaletteColour(std::size_t index) {
  return kChartPalette[index % kChartPalette.size()];
}

inline constexpr Rgb kNoMatchColour{132, 146, 156};
inline constexpr Rgb kVictoryColour{133, 207, 152};
inline constexpr Rgb kDefeatColour{242, 183, 72};

}  // namespace scorvane
