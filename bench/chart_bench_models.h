// The two charts the chart benchmarks measure, at 1000 x 700: a clustered
// chart of two series over 100 labelled categories, and a 25-slice pie with
// its legend. Shared by the layout and the painting benchmarks.
#pragma once

#include <memory>
#include <string>

#include "stats/chart/chart_model.h"

namespace scorvane::bench {

inline void FillBars(ChartModel& model) {
  model.SetTitle("Results per surface", ChartModel::kTitleBottom);
  model.SetLegendPosition(ChartModel::kLegendRight);
  model.SetFractions(0.6, 0.2);
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(133, 207, 152), "Matches won", Rgb());
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(242, 183, 72), "Matches lost", Rgb());
  model.ValueAxis().tick_interval = 1;
  model.ValueAxis().grid_interval = 10;
  model.ValueAxis().label_interval = 5;
  for (int s = 0; s < 2; ++s) {
    auto series = std::make_unique<GROUPE_DONNEES>();
    series->AddColour(s == 0 ? Rgb(133, 207, 152) : Rgb(242, 183, 72));
    for (int i = 0; i < 100; ++i) {
      const int value = (i * 7 + s * 13) % 40;
      series->AddValue(value, 2 * i + s);
      series->AddLabel(" " + std::to_string(value) + " ", false);
    }
    model.AddSeries(std::move(series));
  }
  for (int i = 0; i < 100; ++i)
    model.CategoryAxis().AddLabel(i, "Surface " + std::to_string(i), false, i);
}

inline void FillPie(ChartModel& model) {
  model.SetKind(ChartModel::kPie, false, true, false);
  model.SetArrangement(ChartModel::kStackedBySeries);
  model.SetFractions(1.0, 0.3);
  model.SetTitle("Played surfaces", ChartModel::kTitleBottom);
  model.SetLegendPosition(ChartModel::kLegendRight);
  auto series = std::make_unique<GROUPE_DONNEES>();
  for (int i = 0; i < 25; ++i) {
    const Rgb colour(40 + i * 8, 200 - i * 6, 90 + i * 5);
    series->AddValue(1 + i % 6, i);
    series->AddLabel(" " + std::to_string(1 + i % 6) + " ", false);
    series->AddColour(colour);
    model.AddLegendEntry(INFO_LEGENDE::kColouredBox, colour, "Surface " + std::to_string(i), Rgb());
  }
  model.AddSeries(std::move(series));
}

}  // namespace scorvane::bench
