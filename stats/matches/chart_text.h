// A statistics chart as lines of text: its title, the selected count, then
// each value with the label of the matches behind it. The command-line tool
// prints it and the pages copy it to the clipboard, so the two always agree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stats/chart/chart_model.h"
#include "stats/matches/match_groups.h"

namespace scorvane {

struct ChartValueLine {
  std::int64_t id = 0;
  std::string label;  // its group's, else its category's, else its own text
  std::int32_t value = 0;
  std::string value_text;  // "56 %" for a percentage, else the number
  int series = 0;
  int matches = 0;  // behind it
};

// Every value, category by category (the series of one category side by
// side); a value with no label and no group (the flat bars of an empty
// chart) is left out.
std::vector<ChartValueLine> ChartValueLines(const ChartModel& model, const MatchGroups& groups);

// "Title\nSelected matches : N / T\n", then "label : value (n matches)\n"
// for each value (the counts of matches in English, as the tool writes them).
std::string ChartAsText(const std::string& title, int selected, int total, const ChartModel& model,
                        const MatchGroups& groups);

}  // namespace scorvane
