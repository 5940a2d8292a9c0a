#include "cli/chart_output.h"

#include <ostream>

#include "cli/json.h"
#include "stats/matches/statistics_charts.h"

namespace scorvane::cli {
namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \n") - first + 1);
}

std::string OnOneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  return text;
}

struct ValueLine {
  std::int64_t id;
  std::string label;
  std::int32_t value;
  std::string value_text;  // the value label when it shows a percentage
  int series;
  int matches;
};

// Every value, category by category (the series of one category side by
// side). A value's label is its group's, else its category's, else its own
// text.
std::vector<ValueLine> ValueLines(const ChartReport& chart) {
  std::vector<ValueLine> lines;
  const std::vector<ETIQUETTE_AXE>& axis = chart.model.CategoryAxis().labels;
  const int series_count = chart.model.SeriesCount();
  for (int i = 0; i < chart.model.CategoryCount(); ++i) {
    for (int s = 0; s < series_count; ++s) {
      const GROUPE_DONNEES& series = *chart.model.Series(s);
      if (i >= series.Count()) continue;
      ValueLine line{series.IdAt(i), {}, series.ValueAt(i), {}, s, 0};
      const ETIQUETTE_DONNEE* own = series.LabelAt(i);
      const std::string own_text = own ? Trimmed(own->text) : std::string();
      if (const GROUPE_RENCONTRES* group = FindGroup(chart.groups, line.id)) {
        line.label = group->label;
        line.matches = static_cast<int>(group->matches.size());
      } else if (i < static_cast<int>(axis.size()) && series_count == 1) {
        line.label = axis[static_cast<size_t>(i)].text;
      } else {
        line.label = own_text;
      }
      line.label = OnOneLine(line.label);
      line.value_text =
          own_text.find('%') != std::string::npos ? own_text : std::to_string(line.value);
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

std::string JsonList(const std::vector<std::string>& texts) {
  std::string json = "[";
  for (size_t i = 0; i < texts.size(); ++i)
    json += (i ? "," : "") + JsonString(texts[i]);
  return json + "]";
}

}  // namespace

void PrintChart(std::ostream& out, const ChartReport& chart) {
  out << chart.title << "\n" << SelectedCountText(chart.selected, chart.total) << "\n";
  for (const ValueLine& line : ValueLines(chart)) {
    out << line.label << " : " << line.value_text << " (" << line.matches
        << (line.matches == 1 ? " match)\n" : " matches)\n");
  }
}

std::string ChartJsonMembers(const ChartReport& chart) {
  std::string json = "\"title\":" + JsonString(chart.title) +
                     ",\"selected\":" + std::to_string(chart.selected) +
                     ",\"total\":" + std::to_string(chart.total) + ",\"values\":[";
  const std::vector<ValueLine> lines = ValueLines(chart);
  for (size_t i = 0; i < lines.size(); ++i) {
    const ValueLine& line = lines[i];
    json += (i ? "," : "") + std::string("{\"id\":") + std::to_string(line.id) +
            ",\"label\":" + JsonString(line.label) + ",\"value\":" + std::to_string(line.value) +
            ",\"series\":" + std::to_string(line.series) +
            ",\"matches\":" + std::to_string(line.matches) + "}";
  }
  std::vector<std::string> axis;
  for (const ETIQUETTE_AXE& label : chart.model.CategoryAxis().labels)
    axis.push_back(label.text);
  std::vector<std::string> legend;
  for (const INFO_LEGENDE& entry : chart.model.LegendEntries()) {
    if (!Trimmed(entry.text).empty()) legend.push_back(entry.text);
  }
  return json + "],\"axis_labels\":" + JsonList(axis) + ",\"legend\":" + JsonList(legend);
}

}  // namespace scorvane::cli
