// What a chart shows: its kind, title, legend, axes and data series, as the
// page that owns the chart fills them. The model only stores; the layout
// (chart_layout.h) turns it into a scene of drawing primitives and hit zones.
// Nothing here knows what the values count.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "stats/chart/chart_geometry.h"

namespace scorvane {

// The text written over one value, and whether the running total up to and
// including that value is written as well.
struct ETIQUETTE_DONNEE {
  std::string text;
  bool show_running_total = false;
};

// One data series: values with the ids reported when they are clicked,
// their colours and their labels, in four parallel lists.
class GROUPE_DONNEES {
 public:
  // A series with no colour at all draws in blue.
  static constexpr Rgb kDefaultColour{0, 0, 255};

  // The kind and flag are kept for the owner; the statistics pages use 2 and 0.
  explicit GROUPE_DONNEES(int kind = 2, bool flag = false) : kind_(kind), flag_(flag) {}

  int Kind() const { return kind_; }
  bool Flag() const { return flag_; }

  void AddValue(std::int32_t value, std::int64_t id);
  void AddLabel(std::string text, bool show_running_total);
  void AddColour(Rgb colour) { colours_.push_back(colour); }

  int Count() const { return static_cast<int>(values_.size()); }
  // Smallest and largest value, 0 for an empty series.
  std::int32_t Minimum() const;
  std::int32_t Maximum() const;
  // Summed in 64 bits: a few values near the 32-bit limit must not wrap.
  std::int64_t Sum() const;

  // What is missing at an index reads as 0 or as no label.
  std::int32_t ValueAt(int index) const;
  std::int64_t IdAt(int index) const;
  const ETIQUETTE_DONNEE* LabelAt(int index) const;
  // A value without a colour of its own takes the colours in turn: colour
  // (index modulo number of colours).
  Rgb ColourAt(int index) const;

 private:
  int kind_;
  bool flag_;
  std::vector<std::int32_t> values_;
  std::vector<std::int64_t> ids_;
  std::vector<Rgb> colours_;
  std::vector<ETIQUETTE_DONNEE> labels_;
};

// A label on an axis, at a position index: a category index on the category
// axis, a value on the value axis.
struct ETIQUETTE_AXE {
  std::string text;     // may hold one line break
  int owner_value = 0;  // kept for the owner, never drawn
  std::int64_t position = 0;
  std::int64_t id = 0;  // reported when the label is clicked
  bool opaque = false;  // drawn on a light grey background
};

// One line of the legend.
struct INFO_LEGENDE {
  static constexpr int kColouredBox = 0;
  static constexpr int kTextOnly = 3;

  int kind = kColouredBox;
  Rgb box_colour;
  std::string text;
  Rgb text_colour;
};

// The settings of one axis. An interval of 0 (or below) turns its element off.
struct ChartAxis {
  std::vector<ETIQUETTE_AXE> labels;
  std::string title = "Titre axe";
  bool title_shown = true;
  bool line_shown = true;
  int tick_interval = 1;
  int grid_interval = 0;
  std::vector<std::int64_t> extra_grid;  // grid lines drawn besides the interval's
  int label_interval = 1;

  void AddLabel(std::int64_t position, std::string text, bool opaque, std::int64_t id,
                int owner_value = 0);
};

class ChartModel {
 public:
  // Kinds.
  static constexpr int kBars = 0;
  static constexpr int kPie = 1;
  // Arrangements of the series.
  static constexpr int kClustered = 0;          // one cluster per category, a bar per series
  static constexpr int kStackedByCategory = 1;  // a bar per category, the series stacked
  static constexpr int kStackedBySeries = 2;    // a bar per series, its values stacked
  // Legend positions.
  static constexpr int kNoLegend = 0;
  static constexpr int kLegendLeft = 1;
  static constexpr int kLegendRight = 2;
  // Title position; any other value puts the title at the top.
  static constexpr int kTitleBottom = 1;
  static constexpr int kTitleTop = 0;
  // Scale modes of the value axis.
  static constexpr int kScaleFromZero = 0;
  static constexpr int kScaleAutomatic = 1;
  static constexpr int kScaleFixed = 2;

  ChartModel() = default;
  ChartModel(const ChartModel&) = delete;
  ChartModel& operator=(const ChartModel&) = delete;
  // A chart built elsewhere is handed over whole; its series stay where they
  // are, so pointers to them stay valid.
  ChartModel(ChartModel&&) = default;
  ChartModel& operator=(ChartModel&&) = default;

  // Line charts are kind 0 with the curve on and the bars off. Setting the
  // kind puts the scale back to "from 0 to the maximum".
  void SetKind(int kind, bool curve, bool bars, bool third_flag);
  int Kind() const { return kind_; }
  bool IsPie() const { return kind_ == kPie; }
  bool Curve() const { return curve_; }
  bool Bars() const { return bars_; }
  bool ThirdFlag() const { return third_flag_; }

  void SetTitle(std::string text, int position);
  void HideTitle() { title_shown_ = false; }
  const std::string& Title() const { return title_; }
  bool TitleShown() const { return title_shown_; }
  bool TitleAtBottom() const { return title_position_ == kTitleBottom; }
  void SetTitleColour(Rgb colour) { title_colour_ = colour; }
  Rgb TitleColour() const { return title_colour_; }

  // 0 hides the legend, 1 puts it on the left, 2 on the right.
  void SetLegendPosition(int position) { legend_position_ = position; }
  int LegendPosition() const { return legend_position_; }
  bool LegendShown() const {
    return legend_position_ == kLegendLeft || legend_position_ == kLegendRight;
  }

  void SetArrangement(int arrangement) { arrangement_ = arrangement; }
  int Arrangement() const { return arrangement_; }

  // The share of a cluster's width taken by its bars, and the share of the
  // rest placed between the bars.
  void SetFractions(double bar_fraction, double gap_fraction);
  double BarFraction() const { return bar_fraction_; }
  double GapFraction() const { return gap_fraction_; }

  void SetBackground(Rgb colour) { background_ = colour; }
  Rgb Background() const { return background_; }

  // The bounds are used by the fixed mode only.
  void SetScale(int mode, std::int32_t lower, std::int32_t upper);
  int ScaleMode() const { return scale_mode_; }
  std::int32_t FixedLower() const { return fixed_lower_; }
  std::int32_t FixedUpper() const { return fixed_upper_; }

  ChartAxis& CategoryAxis() { return category_axis_; }
  const ChartAxis& CategoryAxis() const { return category_axis_; }
  ChartAxis& ValueAxis() { return value_axis_; }
  const ChartAxis& ValueAxis() const { return value_axis_; }

  // Appended at the end of the legend.
  void AddLegendEntry(int kind, Rgb box_colour, std::string text, Rgb text_colour);
  const std::vector<INFO_LEGENDE>& LegendEntries() const { return legend_; }

  // The chart keeps the series; the pointer stays valid until Clear.
  GROUPE_DONNEES* AddSeries(std::unique_ptr<GROUPE_DONNEES> series);
  int SeriesCount() const { return static_cast<int>(series_.size()); }
  // Null past the end.
  GROUPE_DONNEES* Series(int index);
  const GROUPE_DONNEES* Series(int index) const;
  // The largest number of values in a series.
  int CategoryCount() const;

  // Drops the series, legend entries and axis labels before the chart is
  // filled again; every setting stays.
  void Clear();

 private:
  int kind_ = kBars;
  bool curve_ = false;
  bool bars_ = true;
  bool third_flag_ = false;
  std::string title_ = "Titre";
  bool title_shown_ = true;
  int title_position_ = kTitleTop;
  Rgb title_colour_{0, 0, 0};
  int legend_position_ = kNoLegend;
  int arrangement_ = kClustered;
  double bar_fraction_ = 0.55;
  double gap_fraction_ = 0.3;
  Rgb background_{240, 240, 240};
  int scale_mode_ = kScaleFromZero;
  std::int32_t fixed_lower_ = 0;
  std::int32_t fixed_upper_ = 0;
  ChartAxis category_axis_;
  ChartAxis value_axis_;
  std::vector<std::unique_ptr<GROUPE_DONNEES>> series_;
  std::vector<INFO_LEGENDE> legend_;
};

}  // namespace scorvane
