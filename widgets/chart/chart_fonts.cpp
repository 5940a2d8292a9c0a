// Choosing the chart's font family and measuring texts with Qt's metrics.
#include "widgets/chart/chart_fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <cmath>

namespace scorvane {

namespace {

QString ChooseFamily() {
  const QStringList families = QFontDatabase::families();
  for (const QString& family : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}) {
    if (families.contains(family, Qt::CaseInsensitive)) return family;
  }
  return QStringLiteral("Arial");
}

std::size_t IndexOf(ChartFont font) {
  return static_cast<std::size_t>(font);
}

}  // namespace

const QString& ChartFontFamily() {
  static const QString family = ChooseFamily();
  return family;
}

QFont ChartQFont(ChartFont font) {
  QFont result(ChartFontFamily());
  result.setPixelSize(FontPixelSize(font));
  result.setWeight(QFont::Normal);
  result.setStyleHint(QFont::SansSerif);
  return result;
}

QtTextMeasurer::QtTextMeasurer()
    : metrics_{QFontMetricsF(ChartQFont(ChartFont::kTitle)),
               QFontMetricsF(ChartQFont(ChartFont::kLabel)),
               QFontMetricsF(ChartQFont(ChartFont::kSmall))} {}

TextSize QtTextMeasurer::Measure(std::string_view text, ChartFont font) const {
  const QFontMetricsF& metrics = metrics_[IndexOf(font)];
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // Whole pixels, rounded up, so that a text always fits the box it is given.
  const QSizeF size = metrics.size(0, qtext);
  return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
}

}  // namespace scorvane
