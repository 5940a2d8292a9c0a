// What the ranking-system dialogs cost as the user's systems grow: opening
// the selection dialog reads every ".cla" file of the folder to list it, and
// saving from the editor builds and writes a system of up to 300 grades.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "pages/rankings/system_selection_dialog.h"
#include "ranking/ranking_registry.h"
#include "ranking/system_definition.h"

namespace scorvane {
namespace {

// A grade system with the most grades a system can hold.
SystemDefinition LargestDefinition(const std::string& name) {
  SystemDefinition definition;
  definition.name = name;
  definition.description = "A system of 300 grades";
  definition.grades = true;
  for (int grade = 0; grade < SYSTEME_CLASSEMENT::kMaxGrades; ++grade)
    definition.grade_lines.push_back("G" + std::to_string(grade));
  return definition;
}

// Opening the selection dialog on a folder of `files` systems of 300 grades.
void BM_OpenSelectionDialog(benchmark::State& state) {
  QTemporaryDir folder;
  Registry().SetFolder(folder.path().toStdString());
  for (int64_t file = 0; file < state.range(0); ++file)
    BuildSystem(LargestDefinition("System " + std::to_string(file)), {}).WriteFile();
  for (auto _ : state) {
    DLG_SELECTION_SYSCLASS dialog(DLG_SELECTION_SYSCLASS::Mode::kManagement);
    benchmark::DoNotOptimize(dialog.Lines().size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenSelectionDialog)->Arg(0)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// OK in the editor: checks, build and the file written, for 300 grades.
void BM_SaveLargestSystem(benchmark::State& state) {
  QTemporaryDir folder;
  Registry().SetFolder(folder.path().toStdString());
  const SystemDefinition definition = LargestDefinition("Largest");
  for (auto _ : state) {
    benchmark::DoNotOptimize(DefinitionProblem(definition));
    benchmark::DoNotOptimize(UnstorableDefinitionText(definition));
    benchmark::DoNotOptimize(BuildSystem(definition, {}).WriteFile());
  }
}
BENCHMARK(BM_SaveLargestSystem)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scorvane
