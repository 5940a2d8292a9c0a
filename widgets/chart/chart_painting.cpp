// The replay of a chart scene with QPainter. A pixel of the scene is the
// square from (x, y) to (x + 1, y + 1): rectangles fill whole pixels, and
// lines and pie centres, which the scene gives as pixels, are drawn through
// the middle of theirs, so that 1-pixel lines stay sharp with antialiasing.
#include "widgets/chart/chart_painting.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

#include "stats/chart/chart_layout.h"
#include "widgets/chart/chart_fonts.h"

namespace scorvane {

namespace {

// The dots per inch at which a chart pixel is one device pixel.
constexpr double kScreenDpi = 96.0;

QColor ToQColor(Rgb colour) {
  return QColor(colour.red, colour.green, colour.blue);
}

QRectF ToQRect(const Rect& rect) {
  return QRectF(rect.left, rect.top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
}

QPointF MiddleOf(Point pixel) {
  return QPointF(pixel.x + 0.5, pixel.y + 0.5);
}

class SceneReplay {
 public:
  explicit SceneReplay(QPainter& painter)
      : painter_(painter),
        fonts_{ChartQFont(ChartFont::kTitle), ChartQFont(ChartFont::kLabel),
               ChartQFont(ChartFont::kSmall)} {}

  void operator()(const FilledRectangle& item) {
    painter_.fillRect(ToQRect(item.rect), ToQColor(item.colour));
  }

  void operator()(const FilledSector& item) {
    if (item.radius <= 0 || !(item.span_degrees > 0)) return;
    const QPointF centre = MiddleOf(item.centre);
    const double r = item.radius;
    QPainterPath path(centre);
    path.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), item.start_degrees,
               item.span_degrees);
    path.closeSubpath();
    // Edged in its own colour, so that no background shows between slices.
    const QColor colour = ToQColor(item.colour);
    painter_.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.setBrush(colour);
    painter_.drawPath(path);
  }

  void operator()(const LineSegment& item) {
    const bool horizontal = item.from.y == item.to.y;
    const bool vertical = item.from.x == item.to.x;
    // An odd width is sharp through the middle of its pixels, an even one
    // along their edges.
    const int width = std::max(item.width, 1);
    const QPointF shift = width % 2 == 1 ? QPointF(0.5, 0.5) : QPointF(0, 0);
    QPointF from = QPointF(item.from.x, item.from.y) + shift;
    QPointF to = QPointF(item.to.x, item.to.y) + shift;
    Qt::PenCapStyle cap = horizontal || vertical ? Qt::SquareCap : Qt::RoundCap;
    if (item.dotted && (horizontal || vertical)) {
      // Dots fall on whole pixels only with flat ends from pixel edge to
      // pixel edge.
      cap = Qt::FlatCap;
      if (horizontal) {
        from.setX(std::min(item.from.x, item.to.x));
        to.setX(std::max(item.from.x, item.to.x) + 1);
      } else {
        from.setY(std::min(item.from.y, item.to.y));
        to.setY(std::max(item.from.y, item.to.y) + 1);
      }
    }
    painter_.setPen(QPen(ToQColor(item.colour), width, item.dotted ? Qt::DotLine : Qt::SolidLine,
                         cap, Qt::RoundJoin));
    painter_.drawLine(from, to);
  }

  void operator()(const TextItem& item) {
    const QRectF box = ToQRect(item.box);
    if (item.background) painter_.fillRect(box, ToQColor(*item.background));
    painter_.setFont(fonts_[static_cast<std::size_t>(item.font)]);
    painter_.setPen(ToQColor(item.colour));
    painter_.drawText(box, Qt::AlignCenter | Qt::TextDontClip, QString::fromStdString(item.text));
  }

 private:
  QPainter& painter_;
  std::array<QFont, 3> fonts_;
};

// Painter units per chart pixel, from the device's resolution and the
// scale the painter already applies.
double UnitsPerChartPixel(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  if (device == nullptr) return 1.0;
  const QTransform transform = painter.combinedTransform();
  const double device_per_unit = std::hypot(transform.m11(), transform.m12());
  const double units = device->logicalDpiX() / kScreenDpi / device_per_unit;
  return std::isfinite(units) && units > 0 ? units : 1.0;
}

}  // namespace

void PaintScene(QPainter& painter, const ChartScene& scene) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  SceneReplay replay(painter);
  for (const ChartPrimitive& primitive : scene.primitives)
    std::visit(replay, primitive);
  painter.restore();
}

void PaintChartInto(QPainter& painter, const ChartModel& model, const QRectF& destination,
                    const TextMeasurer& measurer) {
  if (!(destination.width() > 0 && destination.height() > 0)) return;
  const double units = UnitsPerChartPixel(painter);
  const int width = std::max(1, static_cast<int>(destination.width() / units));
  const int height = std::max(1, static_cast<int>(destination.height() / units));
  ChartScene scene = LayOutChart(model, width, height, measurer);
  // On paper the chart stands on the sheet itself: its window's grey would
  // only print a box around it.
  if (!scene.primitives.empty() && std::holds_alternative<FilledRectangle>(scene.primitives[0]))
    scene.primitives.erase(scene.primitives.begin());
  painter.save();
  painter.setClipRect(destination, Qt::IntersectClip);
  painter.translate(destination.topLeft());
  painter.scale(destination.width() / width, destination.height() / height);
  PaintScene(painter, scene);
  painter.restore();
}

QImage ChartImage(const ChartModel& model, QSize size, double pixel_ratio,
                  const TextMeasurer& measurer) {
  const double ratio = pixel_ratio > 0 ? pixel_ratio : 1.0;
  const QSize chart = size.expandedTo(QSize(1, 1));
  QImage image(chart * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(ToQColor(model.Background()));
  QPainter painter(&image);
  PaintScene(painter, LayOutChart(model, chart.width(), chart.height(), measurer));
  return image;
}

QByteArray ChartSvg(const ChartModel& model, QSize size, const TextMeasurer& measurer) {
  QByteArray svg;
  QBuffer buffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(static_cast<int>(kScreenDpi));
  generator.setTitle(QString::fromStdString(model.Title()));
  QPainter painter(&generator);
  PaintScene(painter, LayOutChart(model, size.width(), size.height(), measurer));
  painter.end();
  return svg;
}

}  // namespace scorvane
