// How the chart commands print a chart: its title, the selected count, then
// one line per value with the matches behind it; or the same as JSON, so
// that every figure of a chart can be checked and scripted.
#pragma once

#include <iosfwd>
#include <string>

#include "stats/chart/chart_model.h"
#include "stats/matches/match_groups.h"

namespace scorvane::cli {

struct ChartReport {
  std::string title;
  int selected = 0;
  int total = 0;
  const ChartModel& model;
  const MatchGroups& groups;
};

// "Title", "Selected matches : N / T", then "label : value (n matches)".
void PrintChart(std::ostream& out, const ChartReport& chart);
// "title", "selected", "total", "values" (id, label, value, series,
// matches), "axis_labels" and "legend" as JSON members, without the braces.
std::string ChartJsonMembers(const ChartReport& chart);

}  // namespace scorvane::cli
