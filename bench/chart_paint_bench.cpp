// What one repaint of the chart window costs: laying the chart out with the
// real fonts (the first time, when every text is measured, and again after a
// resize), then painting it into an off-screen image of 1000 x 700, for a
// two-series chart over 100 categories and a 25-slice pie. A repaint has to
// fit in one frame (16 ms) and the layout alone in a millisecond.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench/chart_bench_models.h"
#include "stats/chart/chart_layout.h"
#include "widgets/chart/chart_fonts.h"
#include "widgets/chart/chart_painting.h"

namespace scorvane {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

void LayOutOnly(benchmark::State& state, void (*fill)(ChartModel&)) {
  ChartModel model;
  fill(model);
  const QtTextMeasurer measurer;
  for (auto _ : state)
    benchmark::DoNotOptimize(LayOutChart(model, kWidth, kHeight, measurer));
}

// The first layout of a chart, every text measured with the fonts.
void FirstLayOut(benchmark::State& state, void (*fill)(ChartModel&)) {
  ChartModel model;
  fill(model);
  for (auto _ : state) {
    const QtTextMeasurer measurer;
    benchmark::DoNotOptimize(LayOutChart(model, kWidth, kHeight, measurer));
  }
}

void LayOutAndPaint(benchmark::State& state, void (*fill)(ChartModel&)) {
  ChartModel model;
  fill(model);
  const QtTextMeasurer measurer;
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    PaintScene(painter, LayOutChart(model, kWidth, kHeight, measurer));
  }
}

BENCHMARK_CAPTURE(FirstLayOut, bars, bench::FillBars)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LayOutOnly, bars, bench::FillBars)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LayOutAndPaint, bars, bench::FillBars)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FirstLayOut, pie, bench::FillPie)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LayOutOnly, pie, bench::FillPie)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LayOutAndPaint, pie, bench::FillPie)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scorvane
