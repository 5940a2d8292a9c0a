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
  // Charts refilled again and again would grow the memory without end.
  constexpr std::size_t kMostKept = 4096;
  auto& known = known_[IndexOf(font)];
  const std::string key(text);
  if (const auto found = known.find(key); found != known.end()) return found->second;
  if (known.size() >= kMostKept) known.clear();
  const TextSize size = MeasureWithFont(text, font);
  known.emplace(key, size);
  return size;
}

TextSize QtTextMeasurer::MeasureWithFont(std::string_view text, ChartFont font) const {
  const QFontMetricsF& metrics = metrics_[IndexOf(font)];
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // Whole pixels, rounded up, so that a text always fits the box it is given.
  const QSizeF size = qtext.contains(QLatin1Char('\n'))
                          ? metrics.size(0, qtext)
                          : QSizeF(metrics.horizontalAdvance(qtext), metrics.height());
  return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
}

}  // namespace scorvane
