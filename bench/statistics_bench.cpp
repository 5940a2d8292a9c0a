// Every click on a filter of the statistics page counts the selected
// matches and builds the chart again, so both together must fit in one
// frame (16 ms) even for the largest document (32,767 matches): each of the
// nine charts, and each of the season summary's five, at 1,000 and 32,767
// matches, with the filters at their start (every match selected). The
// facts of the matches are gathered when the document changes, apart.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/document_generator.h"
#include "records/season.h"
#include "stats/matches/statistics_charts.h"
#include "stats/summary/season_summary.h"
#include "stats/summary/summary_charts.h"

namespace scorvane {
namespace {

// A generated document of each size, saved and read back as the program
// opens it (the reader lays the records out in file order), made once.
PROJECT_DOC& Document(int matches) {
  static std::map<int, std::unique_ptr<PROJECT_DOC>> documents;
  auto& document = documents[matches];
  if (!document) {
    Registry().SetFolder(std::filesystem::temp_directory_path() / "scorvane-bench-RankSys");
    std::vector<uint8_t> bytes;
    {
      PROJECT_DOC generated;
      GeneratorOptions options;
      options.matches = matches;
      options.seasons = 3;
      GenerateDocument(generated, options);
      bytes = generated.Encode().bytes;
    }
    document = std::make_unique<PROJECT_DOC>();
    if (!document->ReadBytes(bytes).ok()) std::abort();
  }
  return *document;
}

void BM_StatisticsChart(benchmark::State& state) {
  const int chart = static_cast<int>(state.range(0));
  const UTILISATEUR& owner = Document(static_cast<int>(state.range(1))).Owner();
  const StatisticsFilter filter = StatisticsFilter::Initial(Today());
  const std::vector<MatchFacts> all = GatherOwnerFacts(owner);
  ChartModel model;
  for (auto _ : state) {
    const StatisticsSelection selection = SelectMatches(all, filter);
    benchmark::DoNotOptimize(BuildStatisticsChart(chart, all, selection.selected, owner, model));
  }
  state.SetLabel(StatisticsChartName(chart));
}
BENCHMARK(BM_StatisticsChart)
    ->ArgsProduct({benchmark::CreateDenseRange(0, kStatisticsChartCount - 1, 1), {1000, 32767}})
    ->Unit(benchmark::kMillisecond);

// The summary reads the active season only (a third of the matches here).
void BM_SummaryChart(benchmark::State& state) {
  const int chart = static_cast<int>(state.range(0));
  const UTILISATEUR& owner = Document(static_cast<int>(state.range(1))).Owner();
  const SAISON_JOUEUR& season = *owner.GetActiveSeason();
  const MatchMask mask = SummaryFilter().Mask();
  const std::vector<MatchFacts> facts = GatherSeasonFacts(season, owner);
  ChartModel model;
  for (auto _ : state) {
    const SummarySelection selection = SelectSeasonMatches(facts, mask);
    benchmark::DoNotOptimize(BuildSummaryChart(chart, selection.selected, season.Year(), model));
  }
  state.SetLabel(SummaryChartName(chart));
}
BENCHMARK(BM_SummaryChart)
    ->ArgsProduct({benchmark::CreateDenseRange(0, kSummaryChartCount - 1, 1), {1000, 32767}})
    ->Unit(benchmark::kMillisecond);

// What a change of the document costs before the first chart: the facts of
// every match, read once.
void BM_GatherFacts(benchmark::State& state) {
  const UTILISATEUR& owner = Document(static_cast<int>(state.range(0))).Owner();
  for (auto _ : state)
    benchmark::DoNotOptimize(GatherOwnerFacts(owner));
}
BENCHMARK(BM_GatherFacts)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scorvane
