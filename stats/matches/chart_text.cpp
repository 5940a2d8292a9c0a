#include "stats/matches/chart_text.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "stats/matches/statistics_charts.h"

namespace scorvane {
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

}  // namespace

std::vector<ChartValueLine> ChartValueLines(const ChartModel& model, const MatchGroups& groups) {
  std::vector<ChartValueLine> lines;
  const std::vector<ETIQUETTE_AXE>& axis = model.CategoryAxis().labels;
  const int series_count = model.SeriesCount();
  for (int i = 0; i < model.CategoryCount(); ++i) {
    for (int s = 0; s < series_count; ++s) {
      const GROUPE_DONNEES& series = *model.Series(s);
      if (i >= series.Count()) continue;
      ChartValueLine line;
      line.id = series.IdAt(i);
      line.value = series.ValueAt(i);
      line.series = s;
      const ETIQUETTE_DONNEE* own = series.LabelAt(i);
      const std::string own_text = own ? Trimmed(own->text) : std::string();
      if (const GROUPE_RENCONTRES* group = FindGroup(groups, line.id)) {
        line.label = group->label;
        line.matches = static_cast<int>(group->matches.size());
      } else if (i < static_cast<int>(axis.size()) && series_count == 1) {
        line.label = axis[static_cast<size_t>(i)].text;
      } else {
        line.label = own_text;
      }
      // The flat values of an empty chart stand for nothing.
      if (line.label.empty()) continue;
      line.label = OnOneLine(line.label);
      line.value_text =
          own_text.find('%') != std::string::npos ? own_text : std::to_string(line.value);
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

std::string ChartAsText(const std::string& title, int selected, int total, const ChartModel& model,
                        const MatchGroups& groups) {
  std::string text = title + "\n" + SelectedCountText(selected, total) + "\n";
  for (const ChartValueLine& line : ChartValueLines(model, groups)) {
    // "(1 match)", "(3 matches)": the catalogue's words, so French reads
    // "(3 rencontres)".
    text += line.label + " : " + line.value_text +
            FormatText(" (%d %s)\n", {line.matches, Msg(line.matches == 1 ? 82 : 83)});
  }
  return text;
}

}  // namespace scorvane
