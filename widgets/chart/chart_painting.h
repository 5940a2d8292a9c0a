// Drawing a laid-out chart with QPainter: on the screen, into a picture, an
// SVG drawing or a printed page. Every drawing replays the same scene, so a
// chart looks the same everywhere; printers and other fine devices get it as
// vectors at their own resolution rather than as a stretched bitmap.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>

#include "stats/chart/chart_model.h"
#include "stats/chart/chart_scene.h"
#include "stats/chart/text_measurer.h"

class QPainter;

namespace scorvane {

// Replays the scene's primitives in the painter's coordinates, one unit a
// chart pixel, antialiased, with 1-pixel lines on whole pixels.
void PaintScene(QPainter& painter, const ChartScene& scene);

// Lays the chart out for `destination` (in the painter's coordinates) and
// draws it there, on the page as it is (no background). The chart keeps its
// texts at their screen size on paper: the layout size is the destination's
// size seen at 96 dots per inch.
void PaintChartInto(QPainter& painter, const ChartModel& model, const QRectF& destination,
                    const TextMeasurer& measurer);

// The chart as a picture of `size` chart pixels, drawn at `pixel_ratio`
// image pixels a chart pixel (2 on a high-density screen).
QImage ChartImage(const ChartModel& model, QSize size, double pixel_ratio,
                  const TextMeasurer& measurer);

// The chart as an SVG drawing of `size` pixels.
QByteArray ChartSvg(const ChartModel& model, QSize size, const TextMeasurer& measurer);

}  // namespace scorvane
