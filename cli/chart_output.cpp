#include "cli/chart_output.h"

#include <ostream>

#include "cli/json.h"
#include "stats/matches/chart_text.h"

namespace scorvane::cli {
namespace {

std::string JsonList(const std::vector<std::string>& texts) {
  std::string json = "[";
  for (size_t i = 0; i < texts.size(); ++i)
    json += (i ? "," : "") + JsonString(texts[i]);
  return json + "]";
}

}  // namespace

void PrintChart(std::ostream& out, const ChartReport& chart) {
  out << ChartAsText(chart.title, chart.selected, chart.total, chart.model, chart.groups);
}

std::string ChartJsonMembers(const ChartReport& chart) {
  std::string json = "\"title\":" + JsonString(chart.title) +
                     ",\"selected\":" + std::to_string(chart.selected) +
                     ",\"total\":" + std::to_string(chart.total) + ",\"values\":[";
  const std::vector<ChartValueLine> lines = ChartValueLines(chart.model, chart.groups);
  for (size_t i = 0; i < lines.size(); ++i) {
    const ChartValueLine& line = lines[i];
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
    if (entry.text.find_first_not_of(' ') != std::string::npos) legend.push_back(entry.text);
  }
  return json + "],\"axis_labels\":" + JsonList(axis) + ",\"legend\":" + JsonList(legend);
}

}  // namespace scorvane::cli
