// Filling and reading the chart model and its series.
#include "stats/chart/chart_model.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace scorvane {

void GROUPE_DONNEES::AddValue(std::int32_t value, std::int64_t id) {
  values_.push_back(value);
  ids_.push_back(id);
}

void GROUPE_DONNEES::AddLabel(std::string text, bool show_running_total) {
  labels_.push_back({std::move(text), show_running_total});
}

std::int32_t GROUPE_DONNEES::Minimum() const {
  return values_.empty() ? 0 : *std::min_element(values_.begin(), values_.end());
}

std::int32_t GROUPE_DONNEES::Maximum() const {
  return values_.empty() ? 0 : *std::max_element(values_.begin(), values_.end());
}

std::int64_t GROUPE_DONNEES::Sum() const {
  return std::accumulate(values_.begin(), values_.end(), std::int64_t{0});
}

std::int32_t GROUPE_DONNEES::ValueAt(int index) const {
  return index >= 0 && index < Count() ? values_[static_cast<std::size_t>(index)] : 0;
}

std::int64_t GROUPE_DONNEES::IdAt(int index) const {
  return index >= 0 && index < static_cast<int>(ids_.size()) ? ids_[static_cast<std::size_t>(index)]
                                                             : 0;
}

const ETIQUETTE_DONNEE* GROUPE_DONNEES::LabelAt(int index) const {
  return index >= 0 && index < static_cast<int>(labels_.size())
             ? &labels_[static_cast<std::size_t>(index)]
             : nullptr;
}

Rgb GROUPE_DONNEES::ColourAt(int index) const {
  if (colours_.empty() || index < 0) return kDefaultColour;
  return colours_[static_cast<std::size_t>(index) % colours_.size()];
}

void ChartAxis::AddLabel(std::int64_t position, std::string text, bool opaque, std::int64_t id,
                         int owner_value) {
  labels.push_back({std::move(text), owner_value, position, id, opaque});
}

void ChartModel::SetKind(int kind, bool curve, bool bars, bool third_flag) {
  kind_ = kind;
  curve_ = curve;
  bars_ = bars;
  third_flag_ = third_flag;
  scale_mode_ = kScaleFromZero;
}

void ChartModel::SetTitle(std::string text, int position) {
  title_ = std::move(text);
  title_position_ = position;
  title_shown_ = true;
}

void ChartModel::SetFractions(double bar_fraction, double gap_fraction) {
  bar_fraction_ = bar_fraction;
  gap_fraction_ = gap_fraction;
}

void ChartModel::SetScale(int mode, std::int32_t lower, std::int32_t upper) {
  scale_mode_ = mode;
  fixed_lower_ = lower;
  fixed_upper_ = upper;
}

void ChartModel::AddLegendEntry(int kind, Rgb box_colour, std::string text, Rgb text_colour) {
  legend_.push_back({kind, box_colour, std::move(text), text_colour});
}

GROUPE_DONNEES* ChartModel::AddSeries(std::unique_ptr<GROUPE_DONNEES> series) {
  if (!series) return nullptr;
  series_.push_back(std::move(series));
  return series_.back().get();
}

GROUPE_DONNEES* ChartModel::Series(int index) {
  return index >= 0 && index < SeriesCount() ? series_[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

const GROUPE_DONNEES* ChartModel::Series(int index) const {
  return index >= 0 && index < SeriesCount() ? series_[static_cast<std::size_t>(index)].get()
                                             : nullptr;
}

int ChartModel::CategoryCount() const {
  int categories = 0;
  for (const auto& series : series_)
    categories = std::max(categories, series->Count());
  return categories;
}

void ChartModel::Clear() {
  series_.clear();
  legend_.clear();
  category_axis_.labels.clear();
  value_axis_.labels.clear();
}

}  // namespace scorvane
