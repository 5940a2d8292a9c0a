// The fixed-pitch measurer: widths count characters, heights count lines.
#include "stats/chart/text_measurer.h"

namespace scorvane {

TextSize FixedPitchMeasurer::Measure(std::string_view text, ChartFont font) const {
  int lines = 1;
  int longest = 0;
  int current = 0;
  for (const char c : text) {
    if (c == '\n') {
      ++lines;
      current = 0;
      continue;
    }
    // UTF-8 continuation bytes do not start a character.
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
    ++current;
    if (current > longest) longest = current;
  }
  return {longest * CharWidth(font), lines * LineHeight(font)};
}

}  // namespace scorvane
