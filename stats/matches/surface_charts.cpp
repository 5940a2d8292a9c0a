// The three surface charts: the matches played on each surface, the share
// of them won, and the matches won and lost side by side.
#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "stats/matches/chart_palette.h"
#include "stats/matches/chart_setup.h"
#include "stats/matches/statistics_chart_parts.h"
#include "stats/matches/surface_tally.h"

namespace scorvane::statistics_charts {
namespace {

enum : int {
  kMsgNoMatch = 89,
  kMsgResultsOn = 361,
  kMsgWonOn = 362,
  kMsgLostOn = 363,
};

GroupLabel Filled(int message) {
  return [message](const std::string& name) { return FormatText(Msg(message), {name}); };
}

}  // namespace

SurfaceLabels StatisticsSurfaceLabels() {
  return {Filled(kMsgResultsOn), Filled(kMsgWonOn), Filled(kMsgLostOn), Msg(kMsgNoMatch)};
}

MatchGroups PlayedSurfaces(const Rows& selected, const SurfaceLabels& labels, ChartModel& model) {
  MakePie(model);
  const UTILISATION_TOUTES_SURFACES tally = UTILISATION_TOUTES_SURFACES::Tally(selected);
  GROUPE_DONNEES& series = AddSeries(model);
  MatchGroups groups;
  for (size_t i = 0; i < tally.entries.size(); ++i) {
    const UTILISATION_SURFACE& entry = tally.entries[i];
    const std::string name = entry.Name();
    const Rgb colour = entry.surface ? PaletteColour(i) : kNoMatchColour;
    const int count = static_cast<int>(entry.matches.size());
    AddValue(series, count, static_cast<std::int64_t>(i), CountLabel(count), colour);
    model.AddLegendEntry(INFO_LEGENDE::kColouredBox, colour, name, Rgb());
    groups.push_back({labels.played(name), static_cast<std::int64_t>(i), entry.matches});
  }
  if (tally.entries.empty()) AddValue(series, 1, 0, labels.no_match, kNoMatchColour);
  return groups;
}

MatchGroups SurfaceSuccess(const Rows& selected, ChartModel& model) {
  model.SetFractions(0.6, 0.2);
  ShowPercentAxis(model);
  const UTILISATION_TOUTES_SURFACES tally = UTILISATION_TOUTES_SURFACES::Tally(selected);
  GROUPE_DONNEES& series = AddSeries(model);
  MatchGroups groups;
  for (size_t i = 0; i < tally.entries.size(); ++i) {
    const UTILISATION_SURFACE& entry = tally.entries[i];
    const auto id = static_cast<std::int64_t>(i);
    const int percent = Percentage(static_cast<std::int64_t>(entry.won.size()),
                                   static_cast<std::int64_t>(entry.matches.size()));
    AddValue(series, percent, id, PercentLabel(percent), PaletteColour(i));
    model.CategoryAxis().AddLabel(id, entry.Name(), false, id);
    groups.push_back({FormatText(Msg(kMsgResultsOn), {entry.Name()}), id, entry.matches});
  }
  return groups;
}

MatchGroups SurfaceResults(const Rows& selected, const SurfaceLabels& labels, ChartModel& model) {
  model.SetFractions(0.6, 0.2);
  AddWonLostLegend(model);
  ChartAxis& axis = model.ValueAxis();
  axis.title = Msg(kMsgMatches);
  axis.title_shown = true;
  axis.tick_interval = 1;
  axis.grid_interval = 10;
  axis.label_interval = 5;

  const UTILISATION_TOUTES_SURFACES tally = UTILISATION_TOUTES_SURFACES::Tally(selected);
  GROUPE_DONNEES& won = AddSeries(model);
  GROUPE_DONNEES& lost = AddSeries(model);
  won.AddColour(kVictoryColour);
  lost.AddColour(kDefeatColour);
  MatchGroups groups;
  std::int64_t next_id = 0;
  for (size_t i = 0; i < tally.entries.size(); ++i) {
    const UTILISATION_SURFACE& entry = tally.entries[i];
    const std::string name = entry.Name();
    model.CategoryAxis().AddLabel(static_cast<std::int64_t>(i), name, false,
                                  static_cast<std::int64_t>(i));
    for (const bool victories : {true, false}) {
      GROUPE_DONNEES& series = victories ? won : lost;
      const std::vector<RENCONTRE*>& matches = victories ? entry.won : entry.lost;
      const int count = static_cast<int>(matches.size());
      series.AddValue(count, next_id);
      series.AddLabel(count == 0 ? std::string() : CountLabel(count), false);
      groups.push_back({(victories ? labels.won : labels.lost)(name), next_id, matches});
      ++next_id;
    }
  }
  return groups;
}

}  // namespace scorvane::statistics_charts
