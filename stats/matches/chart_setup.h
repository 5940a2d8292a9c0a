// What every statistics chart does before it is filled, and the small
// pieces they all use: the title at the bottom, the pie settings, value
// labels, truncated percentages, the grey "no match" slice.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "stats/chart/chart_model.h"

namespace scorvane {

// Empties the chart and puts every setting a chart builder relies on back
// to its start: bars, clustered, default fractions, no legend, both axes
// without title, labels or grid, the scale from 0. The background is the
// page's and stays. The title goes at the bottom.
void StartChart(ChartModel& model, std::string title);

// A pie: arrangement by series, the bar fraction 1.0 (so the one bar is the
// whole disc) and the legend on the right.
void MakePie(ChartModel& model);

// The share of `part` in `whole`, in whole percents truncated; 0 when the
// whole is 0.
int Percentage(std::int64_t part, std::int64_t whole);

// Value labels: " %d " for counts, " %d %% " for percentages, "%d" or
// nothing at all when the count is 0.
std::string CountLabel(std::int64_t count);
std::string PercentLabel(int percent);
std::string CountOrEmptyLabel(std::int64_t count);

// Appends a value with its id, label and colour.
void AddValue(GROUPE_DONNEES& series, std::int32_t value, std::int64_t id, std::string label,
              Rgb colour);

// Graduations of the value axis every 1, 2 or 5 times a power of ten, at
// most ten of them up to `maximum`, so that big values do not turn the axis
// into a black bar.
void SpaceGraduations(ChartModel& model, std::int64_t maximum);

// A new series kept by the chart; the statistics pages make them of kind 2.
GROUPE_DONNEES& AddSeries(ChartModel& model);

// The one slice of an empty pie: value 1, id 0 (no group), the text "no
// match" of the interface language.
void AddNoMatchSlice(GROUPE_DONNEES& series, Rgb colour);

}  // namespace scorvane
