#include "stats/matches/chart_setup.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "stats/matches/match_groups.h"

namespace scorvane {

namespace {
constexpr int kMsgNoMatch = 89;
}  // namespace

const GROUPE_RENCONTRES* FindGroup(const MatchGroups& groups, std::int64_t id) {
  for (const GROUPE_RENCONTRES& group : groups) {
    if (group.id == id) return &group;
  }
  return nullptr;
}

void StartChart(ChartModel& model, std::string title) {
  model.Clear();
  model.SetKind(ChartModel::kBars, false, true, false);
  model.SetArrangement(ChartModel::kClustered);
  model.SetFractions(0.55, 0.3);
  model.SetLegendPosition(ChartModel::kNoLegend);
  model.SetTitle(std::move(title), ChartModel::kTitleBottom);
  for (ChartAxis* axis : {&model.CategoryAxis(), &model.ValueAxis()}) {
    *axis = ChartAxis();
    axis->title.clear();
    axis->title_shown = false;
  }
}

void MakePie(ChartModel& model) {
  model.SetKind(ChartModel::kPie, false, true, false);
  model.SetArrangement(ChartModel::kStackedBySeries);
  model.SetFractions(1.0, 0.3);
  model.SetLegendPosition(ChartModel::kLegendRight);
}

int Percentage(std::int64_t part, std::int64_t whole) {
  return whole == 0 ? 0 : static_cast<int>(100 * part / whole);
}

std::string CountLabel(std::int64_t count) {
  return FormatText(" %d ", {count});
}

std::string PercentLabel(int percent) {
  return FormatText(" %d %% ", {percent});
}

std::string CountOrEmptyLabel(std::int64_t count) {
  return count == 0 ? std::string() : std::to_string(count);
}

void AddValue(GROUPE_DONNEES& series, std::int32_t value, std::int64_t id, std::string label,
              Rgb colour) {
  series.AddValue(value, id);
  series.AddLabel(std::move(label), false);
  series.AddColour(colour);
}

void SpaceGraduations(ChartModel& model, std::int64_t maximum) {
  std::int64_t step = 1;
  for (std::int64_t power = 1; maximum / step > 10; power *= 10) {
    for (const std::int64_t factor : {1, 2, 5}) {
      step = factor * power;
      if (maximum / step <= 10) break;
    }
  }
  model.ValueAxis().tick_interval = static_cast<int>(step);
  model.ValueAxis().label_interval = static_cast<int>(step);
}

GROUPE_DONNEES& AddSeries(ChartModel& model) {
  return *model.AddSeries(std::make_unique<GROUPE_DONNEES>(2, false));
}

void AddNoMatchSlice(GROUPE_DONNEES& series, Rgb colour) {
  AddValue(series, 1, 0, Msg(kMsgNoMatch), colour);
}

}  // namespace scorvane
