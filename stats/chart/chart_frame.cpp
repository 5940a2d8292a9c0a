// Strips, value-axis bounds and bar placement of a chart.
#include "stats/chart/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace scorvane {

namespace {

// Between an axis title and what it stands next to.
constexpr int kAxisTitleGap = 2;
// Over the tallest bar: a line of value text and this many pixels.
constexpr int kValueHeadroomExtra = 8;
// The shortest room kept for the value-axis labels.
constexpr char kValueAxisSample[] = "-mini-";

// A fraction set by the owner, kept between 0 and 1.
double Sane(double fraction) {
  if (!(fraction > 0)) return 0;  // negative or not a number
  return std::min(fraction, 1.0);
}

std::int64_t TallestBar(const ChartModel& model, int arrangement) {
  bool any = false;
  std::int64_t tallest = 0;
  const auto consider = [&](std::int64_t height) {
    tallest = any ? std::max(tallest, height) : height;
    any = true;
  };
  if (arrangement == ChartModel::kStackedByCategory) {
    for (int i = 0; i < model.CategoryCount(); ++i) {
      std::int64_t sum = 0;
      for (int s = 0; s < model.SeriesCount(); ++s)
        sum += model.Series(s)->ValueAt(i);
      consider(sum);
    }
  } else {
    for (int s = 0; s < model.SeriesCount(); ++s) {
      const GROUPE_DONNEES& series = *model.Series(s);
      if (series.Count() == 0) continue;
      consider(arrangement == ChartModel::kStackedBySeries ? series.Sum() : series.Maximum());
    }
  }
  return tallest;
}

int ValueAxisWidth(const ChartModel& model, const TextMeasurer& measurer,
                   const ValueBounds& bounds) {
  const auto width = [&](const std::string& text) {
    return measurer.Measure(text + "AA", ChartFont::kLabel).width;
  };
  int widest = width(kValueAxisSample);
  for (const ETIQUETTE_AXE& label : model.ValueAxis().labels)
    widest = std::max(widest, width(label.text));
  // Numbers longer than the sample (large amounts) would run off the left.
  if (model.ValueAxis().label_interval > 0) {
    widest = std::max(widest, width(std::to_string(bounds.upper)));
    widest = std::max(widest, width(std::to_string(bounds.lower)));
  }
  return std::max(widest, 0);
}

// The room under the plot: one and a half lines of labels, or more when a
// label has two lines, so that its second line is not cut off or written
// over the title.
int CategoryLabelRoom(const ChartModel& model, const TextMeasurer& measurer) {
  int room = 3 * std::max(measurer.Measure("0", ChartFont::kLabel).height, 0) / 2;
  for (const ETIQUETTE_AXE& label : model.CategoryAxis().labels) {
    if (label.text.find('\n') == std::string::npos) continue;
    const int height = measurer.Measure(label.text, ChartFont::kLabel).height;
    room = std::max(room, kCategoryLabelGap + height + kCategoryLabelGap / 2);
  }
  return room;
}

// The height of an axis's title, 0 when it is not written.
int AxisTitleHeight(const ChartAxis& axis, const TextMeasurer& measurer) {
  if (!axis.title_shown || axis.title.find_first_not_of(' ') == std::string::npos) return 0;
  return std::max(measurer.Measure(axis.title, ChartFont::kLabel).height, 0);
}

}  // namespace

double ValueBounds::Fraction(std::int64_t value) const {
  if (upper <= lower) return 0;
  const double fraction = static_cast<double>(value - lower) / static_cast<double>(upper - lower);
  if (!(fraction > 0)) return 0;
  return std::min(fraction, 1.0);
}

ValueBounds ComputeValueBounds(const ChartModel& model) {
  ValueBounds bounds;
  bool any = false;
  for (int s = 0; s < model.SeriesCount(); ++s) {
    const GROUPE_DONNEES& series = *model.Series(s);
    if (series.Count() == 0) continue;
    bounds.minimum =
        any ? std::min<std::int64_t>(bounds.minimum, series.Minimum()) : series.Minimum();
    bounds.maximum =
        any ? std::max<std::int64_t>(bounds.maximum, series.Maximum()) : series.Maximum();
    any = true;
  }
  const int arrangement = ArrangementOf(model);
  bounds.vmax = TallestBar(model, arrangement);

  if (model.ScaleMode() == ChartModel::kScaleFixed) {
    bounds.lower = std::max<std::int64_t>(model.FixedLower(), 0);
    bounds.upper = model.FixedUpper();
  } else if (model.ScaleMode() == ChartModel::kScaleAutomatic &&
             !(model.IsPie() && arrangement == ChartModel::kStackedBySeries)) {
    // A tenth of the spread, rounded up, at least 1, on either side.
    const std::int64_t spread = bounds.vmax - bounds.minimum;
    const std::int64_t margin = std::max<std::int64_t>(spread > 0 ? (spread + 9) / 10 : 0, 1);
    bounds.lower = std::max<std::int64_t>(bounds.minimum - margin, 0);
    bounds.upper = bounds.vmax + margin;
  } else {
    bounds.lower = 0;
    bounds.upper = bounds.vmax;
  }
  // Bars and curves end their axis on a graduation, so that the tallest bar
  // has its number beside it; a pie shares out its whole total.
  if (model.ScaleMode() != ChartModel::kScaleFixed && !model.IsPie() && bounds.upper > 0) {
    const std::int64_t step = TopGraduationStep(model.ValueAxis());
    bounds.upper = (bounds.upper + step - 1) / step * step;
  }
  return bounds;
}

ChartFrame ComputeFrame(const ChartModel& model, int width, int height,
                        const TextMeasurer& measurer, const ValueBounds& bounds) {
  const Rect client{0, 0, std::max(width, 0), std::max(height, 0)};
  ChartFrame frame{{client.left, client.top, client.right, client.top}, {}, client, 0, 0, {}};

  if (model.LegendShown()) {
    const int legend_width = LegendWidth(model, client.right, measurer);
    frame.legend = client;
    if (model.LegendPosition() == ChartModel::kLegendLeft) {
      frame.legend.right = frame.legend.left + legend_width;
      frame.plot.left += legend_width;
    } else {
      frame.legend.left = frame.legend.right - legend_width;
      frame.plot.right -= legend_width;
    }
  }

  if (model.TitleShown()) {
    const int title_height =
        3 * std::max(measurer.Measure(model.Title(), ChartFont::kTitle).height, 0) / 2;
    frame.title = client;
    if (model.TitleAtBottom()) {
      frame.title.top = frame.title.bottom - title_height;
      frame.plot.bottom -= title_height;
      if (model.LegendShown()) frame.legend.bottom -= title_height;
    } else {
      frame.title.bottom = frame.title.top + title_height;
      frame.plot.top += title_height;
      if (model.LegendShown()) frame.legend.top += title_height;
    }
    frame.title = frame.title.Normalised();
  }
  frame.legend = frame.legend.Normalised();
  frame.plot = frame.plot.Normalised();

  // Margins above and right of the plot, truncated like every pixel count.
  const int area_top = frame.plot.top;
  const int plot_height = frame.plot.Height();
  const int plot_width = frame.plot.Width();
  frame.plot.top += plot_height * 5 / 100;
  frame.plot.right -= plot_width * 4 / 100;

  if (model.IsPie()) {
    // The largest square, centred; with the legend on the right the free
    // space between them is split in three.
    Rect& square = frame.plot;
    const int side = std::min(square.Width(), square.Height());
    square.left += (square.Width() - side) / 2;
    square.top += (square.Height() - side) / 2;
    square.right = square.left + side;
    square.bottom = square.top + side;
    if (model.LegendPosition() == ChartModel::kLegendRight) {
      const int third = (frame.legend.left - square.right) / 3;
      if (third > 0) {
        square.left -= third;
        square.right -= third;
        frame.legend.left = square.right + third;
      }
    }
  } else {
    // Room for the value-axis labels on the left, the category labels below.
    frame.value_axis_width = ValueAxisWidth(model, measurer, bounds);
    frame.plot.left += frame.value_axis_width;
    const int labels_bottom = frame.plot.bottom;
    frame.plot.bottom -= CategoryLabelRoom(model, measurer);
    // Axis titles get rows of their own: the value axis's above the plot,
    // the category axis's under the labels, at the arrow's end.
    if (const int title = AxisTitleHeight(model.ValueAxis(), measurer); title > 0)
      frame.plot.top = std::max(frame.plot.top, area_top + title + kAxisTitleGap);
    if (const int title = AxisTitleHeight(model.CategoryAxis(), measurer); title > 0) {
      frame.category_title = Rect{frame.plot.left, labels_bottom - title - kAxisTitleGap,
                                  frame.plot.right, labels_bottom - kAxisTitleGap}
                                 .Normalised();
      frame.plot.bottom -= title + kAxisTitleGap;
    }
    frame.plot = frame.plot.Normalised();
    // Room over the tallest bar for the text written above it.
    const int headroom =
        std::max(measurer.Measure("0", ChartFont::kSmall).height, 0) + kValueHeadroomExtra;
    frame.value_top = frame.plot.top + std::min(headroom, frame.plot.Height() / 3);
  }
  return frame;
}

std::int64_t TopGraduationStep(const ChartAxis& axis) {
  if (axis.label_interval > 0) return axis.label_interval;
  if (axis.tick_interval > 0) return axis.tick_interval;
  return 1;
}

int LegendWidth(const ChartModel& model, int width, const TextMeasurer& measurer) {
  int longest = 0;
  for (const INFO_LEGENDE& entry : model.LegendEntries())
    longest = std::max(longest, measurer.Measure(entry.text, ChartFont::kLabel).width);
  const int wanted = longest + kLegendTextOffset + 2 * kLegendInset;
  return std::max(std::min(wanted, std::max(width, 0) * kLegendMaxPercent / 100), 0);
}

std::vector<std::string> WrapText(const std::string& text, int width, ChartFont font,
                                  const TextMeasurer& measurer) {
  const auto fits = [&](std::string_view line) {
    return measurer.Measure(line, font).width <= width;
  };
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t blank = text.find(' ', at);
    const std::size_t end = blank == std::string::npos ? text.size() : blank;
    std::string word = text.substr(at, end - at);
    at = end == text.size() ? end : end + 1;
    if (line.empty() || fits(line + ' ' + word)) {
      line = line.empty() ? std::move(word) : line + ' ' + word;
    } else {
      lines.push_back(std::move(line));
      line = std::move(word);
    }
    // A word wider than a line is cut between characters (never inside one
    // encoded character), keeping at least one character per line.
    while (!fits(line)) {
      std::size_t cut = line.size();
      while (cut > 1 && !fits(std::string_view(line).substr(0, cut))) {
        do
          --cut;
        while (cut > 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80);
      }
      while (cut < line.size() && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
        ++cut;
      if (cut >= line.size()) break;
      lines.push_back(line.substr(0, cut));
      line.erase(0, cut);
    }
  }
  if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
  return lines;
}

BarLayout ComputeBarLayout(const ChartModel& model) {
  BarLayout layout;
  const int categories = model.CategoryCount();
  switch (ArrangementOf(model)) {
    case ChartModel::kStackedByCategory:
      layout.clusters = 1;
      layout.bars_per_cluster = categories;
      break;
    case ChartModel::kStackedBySeries:
      layout.clusters = 1;
      layout.bars_per_cluster = model.SeriesCount();
      break;
    default:
      layout.clusters = categories;
      layout.bars_per_cluster = model.SeriesCount();
      break;
  }
  if (layout.clusters <= 0 || layout.bars_per_cluster <= 0) return layout;

  const int bars = layout.bars_per_cluster;
  layout.cluster_width = 1.0 / layout.clusters;
  const double bars_width = layout.cluster_width * Sane(model.BarFraction());
  layout.bar_width = bars_width / bars;
  // A single bar has no gap and stands in the middle of its cluster.
  const double gaps_width =
      bars > 1 ? (layout.cluster_width - bars_width) * Sane(model.GapFraction()) : 0.0;
  layout.gap = bars > 1 ? gaps_width / (bars - 1) : 0.0;
  layout.side_margin = (layout.cluster_width - bars_width - gaps_width) / 2;
  return layout;
}

int ArrangementOf(const ChartModel& model) {
  const int arrangement = model.Arrangement();
  return arrangement == ChartModel::kStackedByCategory ||
                 arrangement == ChartModel::kStackedBySeries
             ? arrangement
             : ChartModel::kClustered;
}

BarPlace PlaceOf(int arrangement, int series, int index) {
  switch (arrangement) {
    case ChartModel::kStackedByCategory:
      return {0, index, index};
    case ChartModel::kStackedBySeries:
      return {0, series, series};
    default:
      return {index, series, index};
  }
}

int AxisSlotCount(const ChartModel& model) {
  return ArrangementOf(model) == ChartModel::kStackedBySeries ? model.SeriesCount()
                                                              : model.CategoryCount();
}

}  // namespace scorvane
