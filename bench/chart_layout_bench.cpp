// Laying out a chart happens on every paint and every resize, so it has to
// stay far below a millisecond: a clustered chart of two series over 100
// categories with labels, and a 25-slice pie, both at 1000 x 700.
#include <benchmark/benchmark.h>

#include "bench/chart_bench_models.h"
#include "stats/chart/chart_layout.h"

namespace scorvane {
namespace {

using bench::FillBars;
using bench::FillPie;

void BM_LayOutBarChart(benchmark::State& state) {
  ChartModel model;
  FillBars(model);
  const FixedPitchMeasurer measurer;
  for (auto _ : state)
    benchmark::DoNotOptimize(LayOutChart(model, 1000, 700, measurer));
}
BENCHMARK(BM_LayOutBarChart)->Unit(benchmark::kMicrosecond);

void BM_LayOutPieChart(benchmark::State& state) {
  ChartModel model;
  FillPie(model);
  const FixedPitchMeasurer measurer;
  for (auto _ : state)
    benchmark::DoNotOptimize(LayOutChart(model, 1000, 700, measurer));
}
BENCHMARK(BM_LayOutPieChart)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scorvane
