// Turns a filled chart model into a scene for a given size: background,
// value and category axes with their graduations and labels, the bars, pie
// slices or curves with their value labels, the legend and the title, in
// that order, with the hit zones of labels and values.
#pragma once

#include "stats/chart/chart_model.h"
#include "stats/chart/chart_scene.h"
#include "stats/chart/text_measurer.h"

namespace scorvane {

// Any size is accepted: a zero or tiny size gives a scene without
// negative-sized primitives.
ChartScene LayOutChart(const ChartModel& model, int width, int height,
                       const TextMeasurer& measurer);

}  // namespace scorvane
